// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"

#include <optional>
#include <string>
#include <string_view>

// How a fit turns out over many assemblies when the parts are made to a spread rather than at
// their limits: each side's size spread over its tolerance, hole and shaft independent. Closed
// forms only, so an answer is the same every time and costs nothing.
namespace tolerance {

enum class Distribution
{
    Normal,  // centred, ±3σ equal to the tolerance
    Uniform, // every size within the limits equally likely
};

std::string_view nameOf(Distribution distribution) noexcept;
std::optional<Distribution> distributionNamed(std::string_view name) noexcept;

// The share of assemblies each tail of the central range leaves out: 99.73 % lie within it,
// as within ±3σ of a normal spread.
inline constexpr double kTailShare = 0.00135;

// Clearances in nanometres, negative for an interference. The two probabilities add up to 1 and
// are each worked out from their own tail, so that the far side of a near certainty keeps its
// figures rather than being 1 less a rounded 1. Either is 0 only where the model makes it so (a
// uniform spread that ends short of zero, a side made to one size); a normal tail too small for a
// double is given as the least one (about 5e-324), never as 0.
struct FitStatistics
{
    Distribution distribution;
    double clearanceLow;
    double clearanceHigh;
    double interferenceProbability; // a clearance below zero
    double clearanceProbability;    // a clearance of zero or more
};

FitStatistics fitStatistics(const Deviations& hole, const Deviations& shaft,
                            Distribution distribution) noexcept;

// A clearance of the statistics in mm to 0.1 µm, as a designer reads it: "0.0147", "-0.017".
std::string formatStatisticalClearance(double nanometres);

// The same in mm with every figure the double holds, the shortest text that reads back to it, as a
// JSON number carries it: "-0.016960769515458674".
std::string formatFullMillimetres(double nanometres);

// A probability with every figure the double holds: "0.30665195833634", "1.2361097e-09", "0", "1".
std::string formatProbability(double probability);

// A probability as a percentage to four significant figures, as a designer reads it, never in
// powers of ten and never a certainty it is not: "30.67", "0.001235"; "< 0.0001" for a far tail
// and "> 99.9999" for its other side; "0" and "100" only when complement (worked out on its own)
// or probability is exactly 0.
std::string formatPercent(double probability, double complement);

} // namespace tolerance
