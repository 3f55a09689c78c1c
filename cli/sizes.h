// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/nominal_size.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace cli {

// The largest diameter the tool takes, the upper bound of the last range.
inline constexpr tolerance::Length kLargestDiameter = 500 * tolerance::kNanometresPerMm;

// What SIZE named: a range, and the diameter when one was given.
struct Size
{
    std::size_t range;
    std::optional<tolerance::Length> diameter;
};

// A range label ("30～40", or with "-" or "~" for "～") or a diameter in mm ("35", "35.5").
// Throws InputError for anything else.
Size parseSize(std::string_view text);

} // namespace cli
