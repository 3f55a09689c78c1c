// SPDX-License-Identifier: MIT
#include "cli/class_code.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <string>
#include <vector>

namespace cli {

using tolerance::Side;
using tolerance::ToleranceClass;

namespace {

constexpr Side kSides[] = {Side::Hole, Side::Shaft};

char lower(char c) noexcept
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view lettersOf(std::string_view code) noexcept
{
    return code.substr(0, code.find_first_of("0123456789"));
}

bool isGrade(std::string_view text) noexcept
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string_view trimmed(std::string_view text) noexcept
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The codes of both sides, in list order, of the classes that pass the test.
template <typename Match> std::vector<std::string_view> codesWhere(Match match)
{
    std::vector<std::string_view> codes;
    for (const Side side : kSides) {
        for (const ToleranceClass& cls : tolerance::classesOf(side)) {
            if (match(cls))
                codes.push_back(cls.code);
        }
    }
    return codes;
}

std::string joined(const std::vector<std::string_view>& codes, std::string_view last)
{
    std::string out;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (i > 0)
            out += i + 1 == codes.size() ? last : std::string_view(", ");
        out += codes[i];
    }
    return out;
}

[[noreturn]] void unknown(std::string_view code, std::optional<Side> side)
{
    const auto onSide = [&](const ToleranceClass& cls) { return !side || cls.side == *side; };
    const std::string what = side ? std::string(nameOf(*side)) + " class" : std::string("class");
    // A stray space is the likelier slip than the case, so an exact match after trimming wins.
    const auto sameButSpaces = codesWhere(
        [&](const ToleranceClass& cls) { return onSide(cls) && cls.code == trimmed(code); });
    const auto sameButCase =
        !sameButSpaces.empty() ? sameButSpaces : codesWhere([&](const ToleranceClass& cls) {
            return onSide(cls) && equalIgnoringCase(cls.code, trimmed(code));
        });
    if (!sameButCase.empty())
        throw InputError("unknown " + what + " " + quote(code) + "; did you mean " +
                         joined(sameButCase, " or ") + "?");
    const std::string_view letters = lettersOf(code);
    const auto sameLetters = codesWhere([&](const ToleranceClass& cls) {
        return onSide(cls) && !letters.empty() && isGrade(code.substr(letters.size())) &&
               lettersOf(cls.code) == letters;
    });
    if (!sameLetters.empty())
        throw InputError("unknown " + what + " " + quote(code) + "; the " + std::string(letters) +
                         " classes are " + joined(sameLetters, " and "));
    throw InputError("unknown " + what + " " + quote(code) + "; see --help for the class lists");
}

// A code of the other side in one half of HOLE/SHAFT: "h7 is a shaft class; did you mean H7?".
[[noreturn]] void wrongSide(const ToleranceClass& cls, Side wanted)
{
    const auto counterpart = codesWhere([&](const ToleranceClass& other) {
        return other.side == wanted && equalIgnoringCase(other.code, cls.code);
    });
    const std::string hint = !counterpart.empty()
                                 ? "did you mean " + std::string(counterpart.front()) + "?"
                                 : "HOLE/SHAFT takes the " + std::string(nameOf(wanted)) +
                                       " class " + (wanted == Side::Hole ? "first" : "second");
    throw InputError(std::string(cls.code) + " is a " + std::string(nameOf(cls.side)) + " class; " +
                     hint);
}

} // namespace

std::string_view nameOf(Side side) noexcept
{
    return side == Side::Hole ? "hole" : "shaft";
}

const ToleranceClass& resolveClass(std::string_view code, std::optional<Side> side)
{
    if (code.empty())
        throw InputError(side ? "empty " + std::string(nameOf(*side)) + " class in HOLE/SHAFT"
                              : std::string("empty class; give a code such as H7 or g6"));
    for (const Side candidate : kSides) {
        const ToleranceClass* cls = tolerance::findClass(candidate, code);
        if (!cls)
            continue;
        if (!side || candidate == *side)
            return *cls;
        wrongSide(*cls, *side);
    }
    unknown(code, side);
}

} // namespace cli
