// SPDX-License-Identifier: MIT
#pragma once

#include "cli/fit_search.h"

#include <cstddef>
#include <iosfwd>
#include <optional>

// The fits found at a size, in their order; every figure a clearance in mm, negative for an
// interference, as the pair query writes it. A limit keeps the first rows only.
namespace cli {

// "H8/f7  max 0.089  min 0.025  clearance  preferred", aligned in columns ("preferred" for the
// commonly used pairs only), then the count and the source;
// or one line saying that nothing qualifies. Past the limit, a note of the rows left out.
void writeFitsText(std::ostream& out, const FitSearch& search,
                   std::optional<std::size_t> limit = std::nullopt);

// A header "hole,shaft,range,maximum_clearance,minimum_clearance,fit,source,preferred", then one
// row per fit; preferred is true or false.
void writeFitsCsv(std::ostream& out, const FitSearch& search,
                  std::optional<std::size_t> limit = std::nullopt);

// An array of objects with the keys of the CSV header, every value a string but preferred, a
// JSON true or false.
void writeFitsJson(std::ostream& out, const FitSearch& search,
                   std::optional<std::size_t> limit = std::nullopt);

} // namespace cli
