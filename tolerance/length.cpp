// SPDX-License-Identifier: MIT
#include "tolerance/length.h"

#include <algorithm>
#include <cstdlib>

namespace tolerance {

namespace {

constexpr std::size_t kNanometreDecimals = 6;
constexpr std::size_t kMostWholeDigits = 12; // 10^12 mm in nanometres stays below 2^63

bool allDigits(std::string_view text) noexcept
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Length digitsValue(std::string_view digits) noexcept
{
    Length value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// The magnitude with its fraction zero-padded to a fixed count, trailing zeros past keep cut.
std::string withDecimals(Length value, Length perUnit, std::size_t decimals, std::size_t keep)
{
    const Length magnitude = std::abs(value);
    std::string fraction = std::to_string(magnitude % perUnit);
    fraction.insert(0, decimals - fraction.size(), '0');
    const std::size_t last = fraction.find_last_not_of('0');
    fraction.resize(std::max(keep, last == std::string::npos ? 0 : last + 1));
    return (value < 0 ? "-" : "") + std::to_string(magnitude / perUnit) +
           (fraction.empty() ? "" : "." + fraction);
}

} // namespace

std::optional<Decimal> splitDecimal(std::string_view text) noexcept
{
    const bool negative = text.starts_with('-');
    const std::string_view number = negative ? text.substr(1) : text;
    const std::size_t point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction) ||
        (point != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    return Decimal{negative, whole.substr(std::min(whole.find_first_not_of('0'), whole.size())),
                   fraction};
}

bool hasDigitsBeyond(const Decimal& decimal, std::size_t decimals) noexcept
{
    return decimal.fraction.size() > decimals &&
           decimal.fraction.substr(decimals).find_first_not_of('0') != std::string_view::npos;
}

std::optional<Length> magnitudeOf(const Decimal& decimal) noexcept
{
    if (decimal.whole.size() > kMostWholeDigits || hasDigitsBeyond(decimal, kNanometreDecimals))
        return std::nullopt;
    const std::string_view fraction =
        decimal.fraction.substr(0, std::min(decimal.fraction.size(), kNanometreDecimals));
    Length nanometres = digitsValue(fraction);
    for (std::size_t i = fraction.size(); i < kNanometreDecimals; ++i)
        nanometres *= 10;
    return digitsValue(decimal.whole) * kNanometresPerMm + nanometres;
}

std::string formatMillimetres(Length value)
{
    return withDecimals(value, kNanometresPerMm, kNanometreDecimals, 3);
}

std::string formatDiameter(Length value)
{
    return withDecimals(value, kNanometresPerMm, kNanometreDecimals, 0);
}

std::string formatMicrometres(Length value)
{
    return withDecimals(value, kNanometresPerMicrometre, 3, 0);
}

} // namespace tolerance
