// SPDX-License-Identifier: MIT
#include "cli/requirement.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <string>

namespace cli {

using tolerance::Basis;
using tolerance::FitType;
using tolerance::Length;

namespace {

constexpr std::string_view kBoundSeparator = "..";
constexpr std::size_t kBoundDecimals = 4;

std::optional<Length> parseBound(std::string_view bound)
{
    if (bound.empty())
        return std::nullopt;
    const auto decimal = tolerance::splitDecimal(bound);
    if (!decimal)
        throw InputError("clearance bound " + quote(bound) +
                         " is not a number in mm such as 0.025 or -0.060");
    if (decimal->whole.size() > 3)
        throw InputError("clearance bound " + quote(bound) + " is not under 1000 mm");
    if (tolerance::hasDigitsBeyond(*decimal, kBoundDecimals))
        throw InputError("clearance bound " + quote(bound) +
                         " has more than 4 decimals; clearances go in steps of 0.0001 mm");
    const Length magnitude = tolerance::magnitudeOf(*decimal).value();
    return decimal->negative ? -magnitude : magnitude;
}

} // namespace

void parseClearanceRange(std::string_view text, tolerance::Requirement& requirement)
{
    const std::size_t dots = text.find(kBoundSeparator);
    if (dots == std::string_view::npos)
        throw InputError("clearance " + quote(text) +
                         " is not MIN..MAX in mm, such as 0.010..0.040, 0.010.. or ..0.040");
    requirement.minimumClearance = parseBound(text.substr(0, dots));
    requirement.maximumClearance = parseBound(text.substr(dots + kBoundSeparator.size()));
    if (!requirement.minimumClearance && !requirement.maximumClearance)
        throw InputError("clearance \"..\" has no bound; give MIN, MAX or both, such as 0.010..");
    if (requirement.minimumClearance && requirement.maximumClearance &&
        *requirement.minimumClearance > *requirement.maximumClearance)
        throw InputError("clearance " + quote(text) +
                         " has MIN over MAX; write the smaller bound first");
}

FitType fitTypeNamed(std::string_view name)
{
    for (const FitType type : {FitType::Clearance, FitType::Transition, FitType::Interference}) {
        if (name == nameOf(type))
            return type;
    }
    throw InputError("unknown fit type " + quote(name) +
                     "; use clearance, transition or interference");
}

Basis basisNamed(std::string_view name)
{
    if (name == "hole")
        return Basis::Hole;
    if (name == "shaft")
        return Basis::Shaft;
    throw InputError("unknown basis " + quote(name) + "; use hole or shaft");
}

} // namespace cli
