// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Every text in the core is UTF-8 and compared byte for byte, so a label equals only itself:
// an ASCII "~", a stray space or a full-width digit never matches.
namespace tolerance {

inline constexpr std::size_t kSizeRangeCount = 25;

// Nominal-size ranges in mm, in the order the range lists show them. Neighbours share their
// boundary value; the program never parses a bound out of a label.
inline constexpr std::array<std::string_view, kSizeRangeCount> kSizeRanges = {
    "0～3",     "3～6",     "6～10",    "10～14",   "14～18",   "18～24",   "24～30",
    "30～40",   "40～50",   "50～65",   "65～80",   "80～100",  "100～120", "120～140",
    "140～160", "160～180", "180～200", "200～225", "225～250", "250～280", "280～315",
    "315～355", "355～400", "400～450", "450～500",
};

// Index of the label equal to text, first match wins; nothing when no label is equal.
std::optional<std::size_t> findSizeRange(std::string_view text) noexcept;

} // namespace tolerance
