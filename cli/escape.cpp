#include "cli/escape.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace cli {

namespace {

constexpr std::size_t kMessageCharacters = 40;

// Length of the well-formed UTF-8 sequence at text[i], or 0 when it is not one.
std::size_t sequenceLength(std::string_view text, std::size_t i) noexcept
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (text.size() - i < length)
        return 0;
    if (byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF)
            return 0;
    }
    return length;
}

std::string hexEscape(char c, std::string_view prefix, int digits)
{
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    const auto value = static_cast<std::uint8_t>(c);
    std::string out(prefix);
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 0xF];
    return out;
}

// C0 and C1 control characters and DEL: a terminal may act on them.
bool isControl(std::string_view character) noexcept
{
    const auto lead = static_cast<std::uint8_t>(character[0]);
    if (character.size() == 1)
        return lead < 0x20 || lead == 0x7F;
    return lead == 0xC2 && static_cast<std::uint8_t>(character[1]) < 0xA0;
}

} // namespace

bool isValidUtf8(std::string_view text) noexcept
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F)
                out += hexEscape(c, "\\u", 4);
            else
                out += c;
        }
    }
    return out + '"';
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

std::string quote(std::string_view text)
{
    std::string out = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == kMessageCharacters)
            return out + "\"…";
        const std::size_t length = sequenceLength(text, i);
        if (length == 0 || isControl(text.substr(i, length))) {
            const std::size_t step = std::max<std::size_t>(length, 1);
            for (std::size_t k = 0; k < step; ++k)
                out += hexEscape(text[i + k], "\\x", 2);
            i += step;
            continue;
        }
        if (text[i] == '"' || text[i] == '\\')
            out += '\\';
        out.append(text.substr(i, length));
        i += length;
    }
    return out + '"';
}

} // namespace cli
