#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Lengths in ten-thousandths of a millimetre (0.1 µm): fine enough for every diameter the tool
// accepts and for the half micrometres of the ± texts, so all arithmetic stays in integers.
namespace cli {

using Length = std::int64_t;

inline constexpr Length kUnitsPerMm = 10000;
inline constexpr Length kUnitsPerHalfMicrometre = 5;
inline constexpr std::size_t kDiameterDecimals = 4;
inline constexpr Length kLargestDiameter = 500 * kUnitsPerMm;

// A decimal as typed: an optional "-", digits, optionally a point and at least one more digit.
struct Decimal
{
    bool negative;
    std::string_view whole;    // leading zeros dropped
    std::string_view fraction; // as typed
};
std::optional<Decimal> splitDecimal(std::string_view text) noexcept;

// Whether the fraction has a non-zero digit past the fourth, finer than the tool's unit.
bool isTooFine(const Decimal& decimal) noexcept;

// The magnitude in units; the whole part must have at most 3 significant digits.
Length unitsOf(const Decimal& decimal);

// A diameter in mm: digits, optionally a point and at least one more digit; zeros beyond the
// fourth decimal are accepted, anything finer is not. Throws InputError naming the fault,
// including 0 and anything over 500 mm.
Length parseDiameter(std::string_view text);

// A whole number of millimetres written with digits only ("30" in "30～40"); nothing else.
bool parseWholeMillimetres(std::string_view text, Length& value) noexcept;

// "35.025", "-0.018", "35.0255": three decimals, a fourth only when it is not zero.
std::string formatMillimetres(Length value);

// "35", "35.5", "0.0005": as few decimals as the value needs.
std::string formatDiameter(Length value);

// Half micrometres as micrometres: 50 -> "25", -9 -> "-4.5".
std::string formatMicrometres(int halfMicrometres);

} // namespace cli
