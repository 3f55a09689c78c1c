#pragma once

#include "cli/exact.h"
#include "cli/fit.h"

#include "tolerance/classes.h"

#include <optional>
#include <string_view>

namespace cli {

// The system of fits a drawing keeps to: any pair, the hole basis (the H holes) or the shaft
// basis (the h shafts).
enum class Basis
{
    Any,
    Hole,
    Shaft,
};

// What a fit must guarantee. Either clearance bound may be open; a negative clearance is an
// interference.
struct Requirement
{
    std::optional<Length> minimumClearance;
    std::optional<Length> maximumClearance;
    std::optional<FitType> type;
    Basis basis = Basis::Any;
};

// "MIN..MAX" in mm with at most 4 decimals, either bound left out at will ("0.010..",
// "..0.040", "-0.060..-0.020"); sets both bounds of requirement. Throws InputError.
void parseClearanceRange(std::string_view text, Requirement& requirement);

// "clearance", "transition" or "interference"; "hole" or "shaft". Throw InputError otherwise.
FitType fitTypeNamed(std::string_view name);
Basis basisNamed(std::string_view name);

// Whether the pair belongs to the basis and its fit to the type, and every clearance the fit
// allows, from its minimum to its maximum, lies within the bounds.
bool admits(const Requirement& requirement, const tolerance::ToleranceClass& hole,
            const tolerance::ToleranceClass& shaft, const Fit& fit) noexcept;

} // namespace cli
