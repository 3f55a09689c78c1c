// SPDX-License-Identifier: MIT
#include "model/fit_outlook.h"

namespace workbench {

std::optional<tolerance::OtherBasisFit> otherBasisOf(const Answer& answer,
                                                     tolerance::Edition edition)
{
    if (!answer.complete() || !answer.diameter || answer.hole->given() || answer.shaft->given())
        return std::nullopt;
    return tolerance::otherBasisFit(*answer.hole->classCode, *answer.shaft->classCode,
                                    *answer.diameter, edition);
}

std::optional<tolerance::FitStatistics> statisticsOf(const Answer& answer,
                                                     tolerance::Distribution distribution)
{
    if (!answer.complete())
        return std::nullopt;
    return tolerance::fitStatistics({answer.hole->upper, answer.hole->lower},
                                    {answer.shaft->upper, answer.shaft->lower}, distribution);
}

} // namespace workbench
