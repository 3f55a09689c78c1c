// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_finder.h"

#include <cstddef>
#include <iosfwd>
#include <vector>

// The fits found for a range, in their order; every figure a clearance in mm, negative for an
// interference, as the pair query writes it.
namespace cli {

using FoundFits = std::vector<tolerance::FoundFit>;

// "H8/f7  max 0.089  min 0.025  clearance", aligned in columns, then the count; or one line
// saying that nothing qualifies.
void writeFitsText(std::ostream& out, std::size_t range, const FoundFits& fits);

// A header "hole,shaft,range,maximum_clearance,minimum_clearance,fit", then one row per fit.
void writeFitsCsv(std::ostream& out, std::size_t range, const FoundFits& fits);

// An array of objects with the keys of the CSV header, every value a string.
void writeFitsJson(std::ostream& out, std::size_t range, const FoundFits& fits);

} // namespace cli
