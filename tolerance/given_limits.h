// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"

#include <string_view>
#include <variant>

// A side of a fit given by its limit deviations, as a catalogue prints them for a bought part
// (a rolling bearing's bore 0/-0.009, a bush's +0.021/+0.008), instead of by a class.
namespace tolerance {

// The most decimals a deviation in mm may have: 0.1 µm, finer than any catalogue prints.
inline constexpr std::size_t kLimitDecimals = 4;

enum class LimitsFault
{
    Empty,
    NotLimits,       // neither "UPPER/LOWER" nor "±M" of decimals in mm
    TooManyDecimals, // a figure finer than kLimitDecimals
    TooLarge,        // a deviation beyond the largest size
    LowerAboveUpper, // "-0.009/0"
};

// "UPPER/LOWER" in mm, each an optionally signed decimal ("0/-0.009", "+0.021/+0.008"), or
// "±M" (also written "+-M") for +M and -M. Equal deviations are a side made to one size.
std::variant<Deviations, LimitsFault> parseLimits(std::string_view text) noexcept;

// "+0.021/+0.008", "0/-0.009", "±0.005": as parseLimits reads it, in as few decimals as needed.
std::string textOfLimits(const Deviations& deviations);

} // namespace tolerance
