// SPDX-License-Identifier: MIT
#include "tolerance/service/figures.h"

#include <cmath>
#include <cstdio>

namespace tolerance::service {

namespace {

std::string fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
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
