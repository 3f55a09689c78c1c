#include "cli/exact.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <algorithm>
#include <cstdlib>

namespace cli {

namespace {

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

[[noreturn]] void notADiameter(std::string_view text)
{
    if (text.find(',') != std::string_view::npos)
        throw InputError("size " + quote(text) + " is not a number: write decimals with a point");
    throw InputError("size " + quote(text) +
                     " is neither a size range such as 30～40 nor a diameter in mm such as 35.5");
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

bool isTooFine(const Decimal& decimal) noexcept
{
    return decimal.fraction.size() > kDiameterDecimals &&
           decimal.fraction.substr(kDiameterDecimals).find_first_not_of('0') !=
               std::string_view::npos;
}

Length unitsOf(const Decimal& decimal)
{
    std::string decimals(decimal.fraction.substr(0, kDiameterDecimals));
    decimals.resize(kDiameterDecimals, '0');
    return digitsValue(decimal.whole) * kUnitsPerMm + digitsValue(decimals);
}

Length parseDiameter(std::string_view text)
{
    const auto decimal = splitDecimal(text);
    if (!decimal)
        notADiameter(text);
    const std::string notAbove = "diameter " + quote(text) + " is not over 0 mm";
    if (decimal->negative)
        throw InputError(notAbove);
    // More than three significant digits is over 500 whatever follows.
    const std::string tooLarge = "diameter " + quote(text) + " is over 500 mm, the largest size";
    if (decimal->whole.size() > 3)
        throw InputError(tooLarge);
    if (isTooFine(*decimal))
        throw InputError("diameter " + quote(text) +
                         " has more than 4 decimals; sizes go in steps of 0.0001 mm");
    const Length value = unitsOf(*decimal);
    if (value == 0)
        throw InputError(notAbove);
    if (value > kLargestDiameter)
        throw InputError(tooLarge);
    return value;
}

bool parseWholeMillimetres(std::string_view text, Length& value) noexcept
{
    if (text.empty() || text.size() > 6 || !allDigits(text))
        return false;
    value = digitsValue(text) * kUnitsPerMm;
    return true;
}

std::string formatMillimetres(Length value)
{
    const Length magnitude = std::abs(value);
    std::string decimals = std::to_string(magnitude % kUnitsPerMm);
    decimals.insert(0, kDiameterDecimals - decimals.size(), '0');
    if (decimals.back() == '0')
        decimals.pop_back();
    return (value < 0 ? "-" : "") + std::to_string(magnitude / kUnitsPerMm) + '.' + decimals;
}

std::string formatDiameter(Length value)
{
    std::string text = formatMillimetres(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string formatMicrometres(int halfMicrometres)
{
    const int magnitude = std::abs(halfMicrometres);
    return (halfMicrometres < 0 ? "-" : "") + std::to_string(magnitude / 2) +
           (magnitude % 2 != 0 ? ".5" : "");
}

} // namespace cli
