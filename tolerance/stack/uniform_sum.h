// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <vector>

// The spread of a sum of independent sizes, each spread evenly over its own width and centred on
// zero. One member is exact; for more, the cumulative share is kept at 2049 points over the whole
// worst-case span, and each member is added by the exact convolution of that piecewise-linear
// cumulative with its even spread (its integral is piecewise quadratic). No normal approximation:
// two equal members give the triangle, three the first of the Irwin–Hall tails.
namespace tolerance::stack {

class UniformSum
{
public:
    // Half-widths in any unit (the chain uses nanometres), in any order; zeros add nothing.
    explicit UniformSum(std::span<const double> halfWidths);

    // The share of sums below x, from 0 to 1; a tail is read where it is small, never as 1 less a
    // share near 1.
    double below(double x) const;
    double above(double x) const { return below(-x); }

    // The x below which share of the sums lie, for share in (0, 1).
    double point(double share) const;

    static constexpr int kCells = 2048;

private:
    double lowerHalfPoint(double share) const;

    double m_half = 0;                // the sum's own half-width: every member at its limit
    std::vector<double> m_cumulative; // at -m_half + i * 2 * m_half / kCells, i = 0 … kCells
};

} // namespace tolerance::stack
