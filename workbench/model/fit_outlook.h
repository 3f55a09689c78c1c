// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"

#include "tolerance/fit_statistics.h"
#include "tolerance/other_basis.h"

#include <optional>

// What a designer weighs beside a fit's worst case: the same fit in the other system, and how
// it turns out over many assemblies. Both from the core, for a complete answer only.
namespace workbench {

// Nothing where neither class is H or h, or a side is given by its limits: a bought part
// belongs to no system.
std::optional<tolerance::OtherBasisFit> otherBasisOf(const Answer& answer,
                                                     tolerance::Edition edition);

std::optional<tolerance::FitStatistics> statisticsOf(const Answer& answer,
                                                     tolerance::Distribution distribution);

} // namespace workbench
