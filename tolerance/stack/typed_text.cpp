// SPDX-License-Identifier: MIT
#include "tolerance/stack/typed_text.h"

#include <array>

namespace tolerance::stack {

namespace {

struct Spelling
{
    std::string_view utf8;
    char ascii;
};

// U+3000, U+2212, U+2012, U+2013 and U+30FC.
constexpr std::array kOthers = {
    Spelling{"\u3000", ' '}, Spelling{"\u2212", '-'}, Spelling{"\u2012", '-'},
    Spelling{"\u2013", '-'}, Spelling{"\u30FC", '-'},
};

// U+FF01 … U+FF5E are EF BC 81 … EF BC BF and EF BD 80 … EF BD 9E: the ASCII character 0xFEE0
// below each.
int fullWidthAscii(std::string_view text)
{
    if (text.size() < 3 || static_cast<unsigned char>(text[0]) != 0xEF)
        return -1;
    const auto second = static_cast<unsigned char>(text[1]);
    const auto third = static_cast<unsigned char>(text[2]);
    if (second == 0xBC && third >= 0x81 && third <= 0xBF)
        return third - 0x81 + 0x21;
    if (second == 0xBD && third >= 0x80 && third <= 0x9E)
        return third - 0x80 + 0x60;
    return -1;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::string foldTyped(std::string_view utf8)
{
    std::string folded;
    folded.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::string_view rest = utf8.substr(i);
        if (const int ascii = fullWidthAscii(rest); ascii >= 0) {
            folded += static_cast<char>(ascii);
            i += 3;
            continue;
        }
        bool matched = false;
        for (const Spelling& other : kOthers) {
            if (rest.starts_with(other.utf8)) {
                folded += other.ascii;
                i += other.utf8.size();
                matched = true;
                break;
            }
        }
        if (!matched)
            folded += utf8[i++];
    }
    return std::string(trimmed(folded));
}

} // namespace tolerance::stack
