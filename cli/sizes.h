// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/iso286.h"
#include "tolerance/nominal_size.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// The largest diameter the tool takes, the upper bound of the last size step.
inline constexpr tolerance::Length kLargestDiameter = tolerance::kLargestSize;

// What SIZE named: the size steps first to range (one step unless a label such as 500～630
// spans several), and the diameter when one was given.
struct Size
{
    std::size_t range;
    std::optional<tolerance::Length> diameter;
    std::size_t first = range;

    // The size the figures are for: the diameter, or the last step's upper bound.
    tolerance::Length nominal() const noexcept;
    std::string label() const;
};

// Each step a spanning label covers, as a size of its own; the size itself otherwise.
std::vector<Size> stepsOf(const Size& size);

// A label spanning steps where what was asked changes: the finer steps are named instead.
[[noreturn]] void throwNotOneAnswer(const Size& size, std::string_view what);

// A step label ("30～40", "500～560", or with "-" or "~" for "～") or a diameter in mm ("35",
// "35.5"). Throws InputError for anything else.
Size parseSize(std::string_view text);

} // namespace cli
