#include "cli/requirement.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <string>

namespace cli {

namespace {

constexpr std::string_view kBoundSeparator = "..";

std::optional<Length> parseBound(std::string_view bound)
{
    if (bound.empty())
        return std::nullopt;
    const auto decimal = splitDecimal(bound);
    if (!decimal)
        throw InputError("clearance bound " + quote(bound) +
                         " is not a number in mm such as 0.025 or -0.060");
    if (decimal->whole.size() > 3)
        throw InputError("clearance bound " + quote(bound) + " is not under 1000 mm");
    if (isTooFine(*decimal))
        throw InputError("clearance bound " + quote(bound) +
                         " has more than 4 decimals; clearances go in steps of 0.0001 mm");
    const Length magnitude = unitsOf(*decimal);
    return decimal->negative ? -magnitude : magnitude;
}

// The H holes and the h shafts are the bases: the letter alone, then the grade.
bool isBasis(const tolerance::ToleranceClass& cls, char letter) noexcept
{
    return cls.code.size() > 1 && cls.code[0] == letter && cls.code[1] >= '0' && cls.code[1] <= '9';
}

} // namespace

void parseClearanceRange(std::string_view text, Requirement& requirement)
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

bool admits(const Requirement& requirement, const tolerance::ToleranceClass& hole,
            const tolerance::ToleranceClass& shaft, const Fit& fit) noexcept
{
    if ((requirement.basis == Basis::Hole && !isBasis(hole, 'H')) ||
        (requirement.basis == Basis::Shaft && !isBasis(shaft, 'h')))
        return false;
    if (requirement.type && fit.type != *requirement.type)
        return false;
    return (!requirement.minimumClearance ||
            fit.minimumClearance >= *requirement.minimumClearance) &&
           (!requirement.maximumClearance || fit.maximumClearance <= *requirement.maximumClearance);
}

} // namespace cli
