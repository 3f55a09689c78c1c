// SPDX-License-Identifier: MIT
#include "tolerance/service/figures.h"

#include <charconv>
#include <cmath>

namespace tolerance::service {

namespace {

std::string fixed(double value, int decimals)
{
    // Never the C library's printf: a program that takes its locale from the desktop would write
    // "22,5" under a German one.
    char text[400]; // the widest double in fixed notation, with its decimals
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    std::string result(text, end);
    if (result.find_first_not_of("-0.") == std::string::npos && result.front() == '-')
        result.erase(0, 1);
    return result;
}

} // namespace

std::string formatFigure(double value)
{
    const double magnitude = std::abs(value);
    const int decimals = magnitude >= 100 ? 0 : magnitude >= 10 ? 1 : magnitude >= 1 ? 2 : 3;
    return fixed(value, decimals);
}

std::string formatCelsius(double value)
{
    std::string text = fixed(value, 1);
    if (text.ends_with(".0"))
        text.resize(text.size() - 2);
    return text;
}

} // namespace tolerance::service
