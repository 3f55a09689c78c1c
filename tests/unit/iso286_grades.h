// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

// Standard tolerance grades IT5 to IT10 in µm for nominal sizes up to 500 mm (ISO 286-1,
// JIS B 0401-1), by main size span. Kept apart from the deviation tables so that the tests check
// those against an independent source.
namespace iso286 {

inline constexpr std::size_t kMainSpanCount = 13; // 0–3, 3–6, 6–10, …, 315–400, 400–500

inline constexpr int kFirstGrade = 5;
inline constexpr std::array<std::array<int, kMainSpanCount>, 6> kIT = {{
    {4, 5, 6, 8, 9, 11, 13, 15, 18, 20, 23, 25, 27},              // IT5
    {6, 8, 9, 11, 13, 16, 19, 22, 25, 29, 32, 36, 40},            // IT6
    {10, 12, 15, 18, 21, 25, 30, 35, 40, 46, 52, 57, 63},         // IT7
    {14, 18, 22, 27, 33, 39, 46, 54, 63, 72, 81, 89, 97},         // IT8
    {25, 30, 36, 43, 52, 62, 74, 87, 100, 115, 130, 140, 155},    // IT9
    {40, 48, 58, 70, 84, 100, 120, 140, 160, 185, 210, 230, 250}, // IT10
}};

// The main span of each of the 25 size ranges of the range lists, in list order.
inline constexpr std::array<std::size_t, 25> kMainSpanOfRange = {
    0, 1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 8, 9, 9, 9, 10, 10, 11, 11, 12, 12,
};

inline constexpr int it(int grade, std::size_t range)
{
    return kIT[static_cast<std::size_t>(grade - kFirstGrade)][kMainSpanOfRange[range]];
}

} // namespace iso286
