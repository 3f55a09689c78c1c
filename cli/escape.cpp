// SPDX-License-Identifier: MIT
#include "cli/escape.h"

#include <utf8.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace cli {

namespace {

constexpr std::size_t kMessageCharacters = 40;

std::string hexEscape(char c)
{
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    const auto value = static_cast<std::uint8_t>(c);
    return {'\\', 'x', kHex[value >> 4], kHex[value & 0xF]};
}

// C0 and C1 control characters and DEL: a terminal may act on them.
bool isControl(std::uint32_t codePoint) noexcept
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

// Characters that show as nothing or as a plain space, or that turn the text around them: the
// format characters (zero-width space and joiners, bidirectional marks and overrides, the byte
// order mark, soft hyphen, invisible operators, tags), the line and paragraph separators, and the
// spaces other than U+0020. "H7\u200B" must not look like "H7".
bool isInvisible(std::uint32_t c) noexcept
{
    struct Span
    {
        std::uint32_t first, last;
    };
    static constexpr std::array<Span, 20> kInvisible = {{
        {0x00A0, 0x00A0}, {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x061C, 0x061C},
        {0x115F, 0x1160}, {0x1680, 0x1680},   {0x17B4, 0x17B5},   {0x180B, 0x180E},
        {0x2000, 0x200F}, {0x2028, 0x202F},   {0x205F, 0x206F},   {0x3000, 0x3000},
        {0x3164, 0x3164}, {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},
        {0xFFF9, 0xFFFB}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF}, {0x110BD, 0x110BD},
    }};
    return std::any_of(kInvisible.begin(), kInvisible.end(),
                       [c](const Span& s) { return c >= s.first && c <= s.last; });
}

// "\u200B", or "\U000E0001" past the basic plane.
std::string codePointEscape(std::uint32_t c)
{
    const int digits = c > 0xFFFF ? 8 : 4;
    std::string out = c > 0xFFFF ? "\\U" : "\\u";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += "0123456789ABCDEF"[(c >> shift) & 0xF];
    return out;
}

} // namespace

bool isValidUtf8(std::string_view text) noexcept
{
    return utf8::is_valid(text.begin(), text.end());
}

std::string csvField(std::string_view text)
{
    const bool plain = text.find_first_of(",\"\r\n") == std::string_view::npos &&
                       !text.starts_with(' ') && !text.ends_with(' ');
    if (plain)
        return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

namespace {

std::string quoted(std::string_view text, std::size_t most)
{
    std::string out = "\"";
    std::size_t characters = 0;
    auto at = text.begin();
    auto invalid = utf8::find_invalid(at, text.end());
    while (at != text.end()) {
        if (characters++ == most)
            return out + "\"…";
        if (at == invalid) { // each byte of a broken sequence is shown on its own
            out += hexEscape(*at++);
            invalid = utf8::find_invalid(at, text.end());
            continue;
        }
        const auto start = at;
        const std::uint32_t codePoint = utf8::next(at, text.end());
        if (isControl(codePoint)) {
            for (auto byte = start; byte != at; ++byte)
                out += hexEscape(*byte);
            continue;
        }
        if (isInvisible(codePoint)) {
            out += codePointEscape(codePoint);
            continue;
        }
        if (codePoint == '"' || codePoint == '\\')
            out += '\\';
        out.append(start, at);
    }
    return out + '"';
}

} // namespace

std::string quote(std::string_view text)
{
    return quoted(text, kMessageCharacters);
}

std::string quoteWhole(std::string_view text)
{
    return quoted(text, std::string_view::npos);
}

} // namespace cli
