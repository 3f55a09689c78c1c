#include "cli/escape.h"

#include <utf8.h>

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

std::string quote(std::string_view text)
{
    std::string out = "\"";
    std::size_t characters = 0;
    auto at = text.begin();
    auto invalid = utf8::find_invalid(at, text.end());
    while (at != text.end()) {
        if (characters++ == kMessageCharacters)
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
        if (codePoint == '"' || codePoint == '\\')
            out += '\\';
        out.append(start, at);
    }
    return out + '"';
}

} // namespace cli
