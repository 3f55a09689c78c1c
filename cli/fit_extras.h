// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"
#include "cli/sizes.h"

#include "tolerance/editions.h"
#include "tolerance/fit_statistics.h"

// What a fit's answer adds after its clearances: the same fit in the other system, and how it
// turns out when the parts are made to a spread.
namespace cli {

// A group "other_basis": the pair of the other system with the same clearances, or the nearest
// of the classes at hand with how its clearances differ; null where neither class is a basis.
void addOtherBasis(Record& record, const tolerance::ClassCode& hole,
                   const tolerance::ClassCode& shaft, const Size& size, tolerance::Edition edition);

// A group "statistics": the distribution, the clearances 99.73 % of assemblies lie within, and
// the probability of an interference.
void addStatistics(Record& record, const tolerance::Deviations& hole,
                   const tolerance::Deviations& shaft, tolerance::Distribution distribution);

} // namespace cli
