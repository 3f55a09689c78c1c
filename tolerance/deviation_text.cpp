// SPDX-License-Identifier: MIT
#include "tolerance/deviation_text.h"

#include <cstddef>

namespace tolerance {

namespace {

bool isDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

// "I.DDD" with I free of leading zeros; value in µm, or nothing.
std::optional<int> unsignedMicrometres(std::string_view text) noexcept
{
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot == 0 || text.size() - dot - 1 != 3)
        return std::nullopt;
    const std::string_view whole = text.substr(0, dot);
    if (whole.size() > 1 && whole.front() == '0')
        return std::nullopt;
    if (whole.size() > 4) // no deviation comes near 10 m; keeps the arithmetic far from overflow
        return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == dot)
            continue;
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

std::optional<int> signedHalfMicrometres(std::string_view text) noexcept
{
    if (text.size() < 2 || (text.front() != '+' && text.front() != '-'))
        return std::nullopt;
    const auto um = unsignedMicrometres(text.substr(1));
    if (!um || *um == 0)
        return std::nullopt;
    return (text.front() == '-' ? -2 : 2) * *um;
}

// "0.DDD", or "0.DDD5" for a half micrometre; never zero.
std::optional<int> magnitudeHalfMicrometres(std::string_view text) noexcept
{
    if (!text.starts_with("0."))
        return std::nullopt;
    int half = 0;
    if (text.size() == 6 && text.back() == '5') {
        text.remove_suffix(1);
        half = 1;
    }
    const auto um = unsignedMicrometres(text);
    if (!um || (*um == 0 && half == 0))
        return std::nullopt;
    return 2 * *um + half;
}

} // namespace

DeviationForm formOf(DeviationText text) noexcept
{
    if (text == kZeroText)
        return DeviationForm::Zero;
    if (text == kPlusMinusText)
        return DeviationForm::PlusMinus;
    if (text == kUndefinedText)
        return DeviationForm::Undefined;
    if (signedHalfMicrometres(text))
        return DeviationForm::Signed;
    if (magnitudeHalfMicrometres(text))
        return DeviationForm::Magnitude;
    return DeviationForm::Invalid;
}

std::optional<int> halfMicrometres(DeviationText text) noexcept
{
    if (text == kZeroText)
        return 0;
    if (auto value = signedHalfMicrometres(text))
        return value;
    return magnitudeHalfMicrometres(text);
}

bool isWellFormed(const DeviationPair& pair) noexcept
{
    const DeviationForm upper = formOf(pair.upper);
    const DeviationForm lower = formOf(pair.lower);
    const auto isValue = [](DeviationForm f) {
        return f == DeviationForm::Signed || f == DeviationForm::Zero;
    };
    if (isValue(upper) && isValue(lower))
        return *halfMicrometres(pair.upper) >= *halfMicrometres(pair.lower);
    if (upper == DeviationForm::PlusMinus)
        return lower == DeviationForm::Magnitude;
    return upper == DeviationForm::Undefined && lower == DeviationForm::Undefined;
}

} // namespace tolerance
