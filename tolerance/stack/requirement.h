// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"

#include <optional>
#include <string_view>
#include <variant>

// What the closing dimension must stay within: "0.3..0.7" in mm, either bound left out at will
// ("0.1..", "..0.5"), negative for an interference ("-0.05..0.1").
namespace tolerance::stack {

inline constexpr std::size_t kRequirementDecimals = 4;

struct Requirement
{
    std::optional<Length> minimum;
    std::optional<Length> maximum;

    bool given() const { return minimum || maximum; }
    bool holds(double value) const
    {
        return (!minimum || value >= double(*minimum)) && (!maximum || value <= double(*maximum));
    }
};

enum class RequirementFault
{
    NotRange,           // no ".." between the bounds
    NoBound,            // ".." alone
    NotANumber,         // a bound that is no decimal
    TooManyDecimals,    // finer than 0.0001 mm
    TooLarge,           // beyond 10 000 mm either way
    MinimumOverMaximum, // "0.7..0.3"
};

// Empty text (blanks, full-width too) is no requirement and no fault.
std::variant<Requirement, RequirementFault> parseRequirement(std::string_view text);

} // namespace tolerance::stack
