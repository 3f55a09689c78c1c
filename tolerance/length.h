// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Lengths in whole nanometres, so that every size and deviation of the standard, down to the
// 0.15 µm of half an IT01, is an exact integer and all arithmetic stays exact.
namespace tolerance {

using Length = std::int64_t;

inline constexpr Length kNanometresPerMm = 1'000'000;
inline constexpr Length kNanometresPerMicrometre = 1000;

// The upper and lower limit deviation of a class at one size.
struct Deviations
{
    Length upper;
    Length lower;

    friend bool operator==(const Deviations&, const Deviations&) = default;
};

// A decimal as typed: an optional "-", digits, optionally a point and at least one more digit.
struct Decimal
{
    bool negative;
    std::string_view whole;    // leading zeros dropped, so "0" is empty
    std::string_view fraction; // as typed
};
std::optional<Decimal> splitDecimal(std::string_view text) noexcept;

// Whether the fraction has a non-zero digit past the given number of decimals.
bool hasDigitsBeyond(const Decimal& decimal, std::size_t decimals) noexcept;

// The decimal's size in mm as a length, its sign ignored; nothing when it is finer than a
// nanometre or has more than 12 whole digits.
std::optional<Length> magnitudeOf(const Decimal& decimal) noexcept;

// "35.025", "-0.018", "6.4955", "0.00015": three decimals, more only when they are not zero.
std::string formatMillimetres(Length value);

// "35", "35.5", "0.0005": as few decimals as the value needs.
std::string formatDiameter(Length value);

// In micrometres, as few decimals as needed: "25", "-4.5", "0.15".
std::string formatMicrometres(Length value);

} // namespace tolerance
