// SPDX-License-Identifier: MIT
#include "tolerance/given_limits.h"

#include "tolerance/iso286.h"

#include <optional>

namespace tolerance {

namespace {

constexpr std::string_view kPlusMinus = "\u00B1";

// One signed deviation, or why it is none.
std::variant<Length, LimitsFault> deviationOf(std::string_view text) noexcept
{
    const bool plus = text.starts_with('+');
    const std::optional<Decimal> decimal = splitDecimal(plus ? text.substr(1) : text);
    if (!decimal || (plus && decimal->negative))
        return LimitsFault::NotLimits;
    if (hasDigitsBeyond(*decimal, kLimitDecimals))
        return LimitsFault::TooManyDecimals;
    const std::optional<Length> magnitude = magnitudeOf(*decimal);
    if (!magnitude || *magnitude > kLargestSize)
        return LimitsFault::TooLarge;
    return decimal->negative ? -*magnitude : *magnitude;
}

std::string signedMillimetres(Length value)
{
    return (value > 0 ? "+" : "") + formatDiameter(value);
}

} // namespace

std::variant<Deviations, LimitsFault> parseLimits(std::string_view text) noexcept
{
    if (text.empty())
        return LimitsFault::Empty;
    for (const std::string_view mark : {kPlusMinus, std::string_view("+-")}) {
        if (!text.starts_with(mark))
            continue;
        const std::string_view rest = text.substr(mark.size());
        if (rest.starts_with('+') || rest.starts_with('-'))
            return LimitsFault::NotLimits;
        const auto half = deviationOf(rest);
        if (const auto* fault = std::get_if<LimitsFault>(&half))
            return *fault;
        return Deviations{std::get<Length>(half), -std::get<Length>(half)};
    }
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return LimitsFault::NotLimits;
    const auto upper = deviationOf(text.substr(0, slash));
    const auto lower = deviationOf(text.substr(slash + 1));
    // A text that is no number at all says more than one with too many decimals.
    for (const auto* side : {&upper, &lower})
        if (std::get_if<LimitsFault>(side) &&
            std::get<LimitsFault>(*side) == LimitsFault::NotLimits)
            return LimitsFault::NotLimits;
    for (const auto* side : {&upper, &lower})
        if (const auto* fault = std::get_if<LimitsFault>(side))
            return *fault;
    const Deviations deviations{std::get<Length>(upper), std::get<Length>(lower)};
    if (deviations.lower > deviations.upper)
        return LimitsFault::LowerAboveUpper;
    return deviations;
}

std::string textOfLimits(const Deviations& deviations)
{
    if (deviations.upper > 0 && deviations.lower == -deviations.upper)
        return std::string(kPlusMinus) + formatDiameter(deviations.upper);
    return signedMillimetres(deviations.upper) + '/' + signedMillimetres(deviations.lower);
}

} // namespace tolerance
