// SPDX-License-Identifier: MIT
#include "tolerance/stack/uniform_sum.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

namespace tolerance::stack {

namespace {

// A member narrower than this share of a cell changes the cumulative by less than a double
// carries: it is left out of the arithmetic (never out of the worst case).
constexpr double kNegligibleShareOfCell = 1e-7;

// The running integral of the piecewise-linear cumulative F from the grid's start, at each node.
void integrate(const std::vector<double>& f, double cell, std::vector<double>& sums)
{
    sums[0] = 0;
    for (std::size_t j = 1; j < f.size(); ++j)
        sums[j] = sums[j - 1] + cell * (f[j - 1] + f[j]) / 2;
}

// The integral at every node shifted by a whole number of cells and a fraction of one: F is 0
// before the grid and 1 after it, and within a cell linear, so the integral there is quadratic.
void integralShifted(const std::vector<double>& f, const std::vector<double>& sums, double cell,
                     double shiftInCells, std::ptrdiff_t nodes, std::vector<double>& out)
{
    const auto last = static_cast<std::ptrdiff_t>(f.size()) - 1;
    const double whole = std::floor(shiftInCells);
    const auto k = static_cast<std::ptrdiff_t>(whole);
    const double s = (shiftInCells - whole) * cell;
    const double quadratic = s * s / (2 * cell);
    for (std::ptrdiff_t j = 0; j < nodes; ++j) {
        const std::ptrdiff_t i = j + k;
        if (i < 0)
            out[j] = 0;
        else if (i >= last)
            out[j] = sums[last] + cell * double(i - last) + s;
        else
            out[j] = sums[i] + f[i] * s + (f[i + 1] - f[i]) * quadratic;
    }
}

} // namespace

UniformSum::UniformSum(std::span<const double> halfWidths)
{
    std::vector<double> halves;
    for (const double h : halfWidths)
        if (h > 0)
            halves.push_back(h);
    if (halves.empty())
        return;
    // The widest first: its even spread is the grid's first cumulative, many cells wide.
    std::sort(halves.begin(), halves.end(), std::greater<>());
    m_half = std::accumulate(halves.begin(), halves.end(), 0.0);
    const double cell = 2 * m_half / kCells;
    const auto node = [&](int j) { return -m_half + cell * j; };
    m_cumulative.resize(kCells + 1);
    for (int j = 0; j <= kCells; ++j)
        m_cumulative[j] = std::clamp((node(j) + halves[0]) / (2 * halves[0]), 0.0, 1.0);
    std::vector<double> sums(m_cumulative.size());
    std::vector<double> upper(m_cumulative.size());
    std::vector<double> lower(m_cumulative.size());
    for (std::size_t k = 1; k < halves.size(); ++k) {
        const double h = halves[k];
        if (h < cell * kNegligibleShareOfCell)
            break; // the rest are narrower still
        // The sum's density widens by an even spread: F'(x) = (I(x + h) - I(x - h)) / 2h.
        // The lower half only, the upper its mirror: every spread here is symmetric.
        integrate(m_cumulative, cell, sums);
        integralShifted(m_cumulative, sums, cell, h / cell, kCells / 2 + 1, upper);
        integralShifted(m_cumulative, sums, cell, -h / cell, kCells / 2 + 1, lower);
        for (int j = 0; j <= kCells / 2; ++j) {
            m_cumulative[j] = std::clamp((upper[j] - lower[j]) / (2 * h), 0.0, 0.5);
            m_cumulative[kCells - j] = 1 - m_cumulative[j];
        }
    }
}

double UniformSum::below(double x) const
{
    if (m_cumulative.empty())
        return x > 0 ? 1.0 : 0.0;
    if (x > 0)
        return 1 - below(-x);
    if (x <= -m_half)
        return 0;
    // The lower half only: the spread is symmetric, and small shares are read there exactly.
    const double cells = (x + m_half) / (2 * m_half) * kCells;
    const auto j = std::min(static_cast<std::size_t>(cells), std::size_t(kCells - 1));
    const double fraction = cells - double(j);
    return m_cumulative[j] + (m_cumulative[j + 1] - m_cumulative[j]) * fraction;
}

double UniformSum::lowerHalfPoint(double share) const
{
    const auto middle = m_cumulative.begin() + kCells / 2;
    const auto upper = std::upper_bound(m_cumulative.begin(), middle + 1, share);
    if (upper == m_cumulative.begin())
        return -m_half;
    const auto j = static_cast<int>(upper - m_cumulative.begin()) - 1;
    if (j >= kCells / 2)
        return 0;
    const double step = m_cumulative[j + 1] - m_cumulative[j];
    const double fraction = step > 0 ? (share - m_cumulative[j]) / step : 0;
    return -m_half + 2 * m_half * (j + fraction) / kCells;
}

double UniformSum::point(double share) const
{
    if (m_cumulative.empty())
        return 0;
    return share <= 0.5 ? lowerHalfPoint(share) : -lowerHalfPoint(1 - share);
}

} // namespace tolerance::stack
