#pragma once

#include "cli/exact.h"

#include "tolerance/size_ranges.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace cli {

// The bounds a range label states: the range holds every size over lower, up to and including
// upper ("3～6" holds 3.0001 to 6).
struct RangeBounds
{
    Length lower;
    Length upper;
};

// Read from the core's own labels, so the labels remain the one place the ranges are written.
const std::array<RangeBounds, tolerance::kSizeRangeCount>& rangeBounds();

// The range holding a diameter, or nothing when it is not over 0 or is over the last bound.
std::optional<std::size_t> rangeOfDiameter(Length diameter);

// What SIZE named: a range, and the diameter when one was given.
struct Size
{
    std::size_t range;
    std::optional<Length> diameter;
};

// A range label ("30～40", or with "-" or "~" for "～") or a diameter in mm ("35", "35.5").
// Throws InputError for anything else.
Size parseSize(std::string_view text);

} // namespace cli
