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

// Clearances in nanometres, negative for an interference; the probability is always that of an
// interference (a clearance below zero), from 0 to 1.
struct FitStatistics
{
    Distribution distribution;
    double clearanceLow;
    double clearanceHigh;
    double interferenceProbability;
};

FitStatistics fitStatistics(const Deviations& hole, const Deviations& shaft,
                            Distribution distribution) noexcept;

// A clearance of the statistics in mm to 0.1 µm: "0.0147", "-0.017".
std::string formatStatisticalClearance(double nanometres);

// Four significant digits, as a JSON number can carry it: "0.3066", "1.238e-09", "0", "1".
std::string formatProbability(double probability);

// The same as a percentage to four significant digits, as a designer reads it: "30.66",
// "0.001235", "< 0.0001" and "> 99.99" for a far tail and its other side, "100" when certain.
std::string formatPercent(double probability);

} // namespace tolerance
