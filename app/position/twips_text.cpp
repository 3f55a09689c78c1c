// SPDX-License-Identifier: MIT
#include "app/position/twips_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

using namespace Qt::Literals::StringLiterals;

namespace position {

namespace {

// Significant digits of a float as written: enough for every whole number below 10^7.
constexpr int kDigits = 7;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// "-"? digits ("." digits)? — checked here, because from_chars also takes "inf", "nan" and
// exponents, and stops quietly before trailing characters.
bool isPlainDecimal(QStringView text)
{
    qsizetype i = text.startsWith(u'-') ? 1 : 0;
    const qsizetype intStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i == intStart)
        return false;
    if (i == text.size())
        return true;
    if (text[i] != u'.')
        return false;
    const qsizetype fracStart = ++i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > fracStart && i == text.size();
}

bool hasZeroWholePart(QStringView text)
{
    for (const QChar c : text) {
        if (c == u'.')
            break;
        if (c != u'-' && c != u'0')
            return false;
    }
    return true;
}

// Places the decimal point into the digits of d.dddddde±XX and drops trailing zeros.
std::string positional(std::string_view digits, int exponent)
{
    std::string out;
    if (exponent >= kDigits - 1) {
        out.assign(digits);
        out.append(static_cast<std::size_t>(exponent - (kDigits - 1)), '0');
        return out;
    }
    if (exponent >= 0) {
        out.assign(digits.substr(0, static_cast<std::size_t>(exponent) + 1));
        out += '.';
        out.append(digits.substr(static_cast<std::size_t>(exponent) + 1));
    } else {
        out = "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits);
    }
    while (out.back() == '0')
        out.pop_back();
    if (out.back() == '.')
        out.pop_back();
    return out;
}

} // namespace

QString twipsText(float twips)
{
    if (!std::isfinite(twips))
        return {};
    if (twips == 0.0f)
        return u"0"_s;
    // Scientific form with 6 decimals is the float correctly rounded to 7 significant digits.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                      std::fabs(twips), std::chars_format::scientific, kDigits - 1);
    const std::string_view sci(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = sci.find('e');
    std::string digits;
    digits += sci[0];
    digits.append(sci.substr(2, e - 2));
    const int exponent = std::stoi(std::string(sci.substr(e + 1)));
    std::string text = positional(digits, exponent);
    if (twips < 0.0f)
        text.insert(text.begin(), '-');
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<float> twipsFromText(QStringView text)
{
    if (!isPlainDecimal(text))
        return std::nullopt;
    const QByteArray ascii = text.toLatin1(); // only ASCII digits, "-" and "." are left
    float value = 0.0f;
    const char* first = ascii.constData();
    const char* last = first + ascii.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        // Too small for a float (only zeros before the point) is zero; too large is out of range.
        if (!hasZeroWholePart(text))
            return std::nullopt;
        value = 0.0f;
    } else if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    const float whole = std::round(value) + 0.0f; // + 0 turns -0 into 0
    if (std::fabs(whole) > kMaxEdgeTwips)
        return std::nullopt;
    return whole;
}

} // namespace position
