// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"
#include "tolerance/size_ranges.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tolerance {

// Nominal sizes go in steps of 0.0001 mm.
inline constexpr std::size_t kNominalSizeDecimals = 4;

enum class DiameterFault
{
    None,
    NotANumber,  // not digits with an optional point and decimals
    NotPositive, // negative or zero
    TooLarge,    // over the largest size asked for
    TooFine,     // a non-zero digit past the fourth decimal
};

struct DiameterReading
{
    Length diameter; // valid when fault is None
    DiameterFault fault;
};

// A nominal size in mm as typed ("35", "35.5", "007.5", "35.50000"), over 0 and up to largest.
DiameterReading readDiameter(std::string_view text, Length largest) noexcept;

// The bounds a range label states ("30～40"): the range holds every size over lower, up to and
// including upper ("3～6" holds 3.0001 to 6).
struct RangeBounds
{
    Length lower;
    Length upper;
};

// Nothing unless the label is two whole numbers of mm around the full-width tilde.
std::optional<RangeBounds> boundsOfLabel(std::string_view label) noexcept;

// The bounds of the 25 ranges, read from their labels, which stay the one place they are written.
const std::array<RangeBounds, kSizeRangeCount>& rangeBounds();

// The range holding a diameter, or nothing when it is not over 0 or is over the last bound.
std::optional<std::size_t> rangeOfDiameter(Length diameter);

} // namespace tolerance
