#pragma once

#include "tolerance/iso286.h"
#include "tolerance/nominal_size.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace cli {

// The largest diameter the tool takes, the upper bound of the last size step.
inline constexpr tolerance::Length kLargestDiameter = tolerance::kLargestSize;

// What SIZE named: a size step (the first 25 are the table's ranges), and the diameter when one
// was given.
struct Size
{
    std::size_t range;
    std::optional<tolerance::Length> diameter;

    // The size the figures are for: the diameter, or the step's upper bound.
    tolerance::Length nominal() const noexcept;
    std::string_view label() const noexcept;
};

// A step label ("30～40", "500～560", or with "-" or "~" for "～") or a diameter in mm ("35",
// "35.5"). Throws InputError for anything else.
Size parseSize(std::string_view text);

} // namespace cli
