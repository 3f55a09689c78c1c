// SPDX-License-Identifier: MIT
#include "cli/class_code.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <algorithm>
#include <string>
#include <vector>

namespace cli {

using tolerance::ClassCode;
using tolerance::ClassCodeError;
using tolerance::Side;

namespace {

std::string_view trimmed(std::string_view text) noexcept
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string withCase(std::string_view text, bool upper)
{
    std::string out(text);
    for (char& c : out) {
        if (upper && c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return out;
}

std::optional<ClassCode> parsed(std::string_view text)
{
    auto result = tolerance::parseClassCode(text);
    if (auto* code = std::get_if<ClassCode>(&result))
        return std::move(*code);
    return std::nullopt;
}

// The classes a slip of spaces or case may have meant, on the side asked for.
std::vector<std::string> nearCodes(std::string_view code, std::optional<Side> side)
{
    std::vector<std::string> near;
    const auto consider = [&](std::string_view text) {
        const auto c = parsed(text);
        if (c && (!side || c->side == *side))
            near.push_back(tolerance::textOf(*c));
    };
    consider(trimmed(code));
    if (near.empty()) {
        consider(withCase(trimmed(code), true));
        consider(withCase(trimmed(code), false));
    }
    return near;
}

[[noreturn]] void unknown(std::string_view code, std::optional<Side> side,
                          const ClassCodeError& error)
{
    const std::string what = side ? std::string(nameOf(*side)) + " class" : std::string("class");
    const auto near = nearCodes(code, side);
    if (!near.empty())
        throw InputError("unknown " + what + " " + quote(code) + "; did you mean " + near.front() +
                         (near.size() > 1 ? " or " + near.back() : std::string()) + "?");
    // Anything but ASCII letters and digits, an invisible character above all, is named only
    // inside the quoted code.
    const bool plain = std::ranges::all_of(code, [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
    if (!plain)
        throw InputError("unknown " + what + " " + quote(code) + "; see --help");
    throw InputError("unknown " + what + " " + quote(code) + "; " + error.message);
}

// A code of the other side in one half of HOLE/SHAFT: "h7 is a shaft class; did you mean H7?".
[[noreturn]] void wrongSide(const ClassCode& code)
{
    const std::string text = tolerance::textOf(code);
    throw InputError(text + " is a " + std::string(nameOf(code.side)) + " class; did you mean " +
                     withCase(text, code.side == Side::Shaft) + "?");
}

} // namespace

std::string_view nameOf(Side side) noexcept
{
    return side == Side::Hole ? "hole" : "shaft";
}

std::vector<ClassCode> tableClassCodes(Side side)
{
    std::vector<ClassCode> codes;
    for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
        codes.push_back(*parsed(cls.code));
    return codes;
}

ClassCode resolveClass(std::string_view code, std::optional<Side> side)
{
    if (code.empty())
        throw InputError(side ? "empty " + std::string(nameOf(*side)) + " class in HOLE/SHAFT"
                              : std::string("empty class; give a code such as H7 or g6"));
    auto result = tolerance::parseClassCode(code);
    if (const auto* error = std::get_if<ClassCodeError>(&result))
        unknown(code, side, *error);
    ClassCode cls = std::get<ClassCode>(std::move(result));
    if (side && cls.side != *side)
        wrongSide(cls);
    return cls;
}

} // namespace cli
