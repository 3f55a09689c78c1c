// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/deviation_text.h"
#include "tolerance/length.h"

#include <optional>
#include <string_view>

namespace tolerance {

// Read exactly from an entry's two texts; "±" over a magnitude m stands for +m and -m. Nothing
// for the undefined pair "  ---" (or any pair that is not well formed).
std::optional<Deviations> deviationsOf(const DeviationPair& pair) noexcept;

// The tolerance: upper less lower deviation.
constexpr Length toleranceOf(const Deviations& deviations) noexcept
{
    return deviations.upper - deviations.lower;
}

// The maximum and minimum limit of size: the nominal size plus each deviation.
struct Limits
{
    Length maximum;
    Length minimum;
};
Limits limitsOfSize(Length diameter, const Deviations& deviations) noexcept;

enum class FitType
{
    Clearance,
    Transition,
    Interference,
};

// "clearance", "transition" or "interference".
std::string_view nameOf(FitType type) noexcept;

// Clearances are hole size minus shaft size; a negative one is an interference. The loosest
// pairing is the largest hole on the smallest shaft, the tightest the reverse, whatever the
// nominal size.
struct Fit
{
    Length maximumClearance;
    Length minimumClearance;
    FitType type;
};
Fit fitOf(const Deviations& hole, const Deviations& shaft) noexcept;

// The variation of the fit, maximum less minimum clearance: the sum of both tolerances.
constexpr Length fitTolerance(const Fit& fit) noexcept
{
    return fit.maximumClearance - fit.minimumClearance;
}

} // namespace tolerance
