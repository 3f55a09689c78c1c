// SPDX-License-Identifier: MIT
#include "tolerance/fit.h"

namespace tolerance {

namespace {

constexpr Length kNanometresPerHalfMicrometre = kNanometresPerMicrometre / 2;

} // namespace

std::optional<Deviations> deviationsOf(const DeviationPair& pair) noexcept
{
    if (!isWellFormed(pair) || formOf(pair.upper) == DeviationForm::Undefined)
        return std::nullopt;
    if (formOf(pair.upper) == DeviationForm::PlusMinus) {
        const Length magnitude = *halfMicrometres(pair.lower) * kNanometresPerHalfMicrometre;
        return Deviations{magnitude, -magnitude};
    }
    return Deviations{*halfMicrometres(pair.upper) * kNanometresPerHalfMicrometre,
                      *halfMicrometres(pair.lower) * kNanometresPerHalfMicrometre};
}

Limits limitsOfSize(Length diameter, const Deviations& deviations) noexcept
{
    return {diameter + deviations.upper, diameter + deviations.lower};
}

std::string_view nameOf(FitType type) noexcept
{
    switch (type) {
    case FitType::Clearance:
        return "clearance";
    case FitType::Transition:
        return "transition";
    case FitType::Interference:
        break;
    }
    return "interference";
}

Fit fitOf(const Deviations& hole, const Deviations& shaft) noexcept
{
    Fit fit{hole.upper - shaft.lower, hole.lower - shaft.upper, FitType::Transition};
    if (fit.minimumClearance >= 0)
        fit.type = FitType::Clearance;
    else if (fit.maximumClearance <= 0)
        fit.type = FitType::Interference;
    return fit;
}

} // namespace tolerance
