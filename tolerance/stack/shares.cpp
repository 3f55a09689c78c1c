// SPDX-License-Identifier: MIT
#include "tolerance/stack/shares.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tolerance::stack {

namespace {

constexpr int kWhole = 1000; // tenths of a percent in 100 %

} // namespace

std::vector<int> tenthsOfPercent(std::span<const double> shares)
{
    std::vector<int> tenths(shares.size(), 0);
    const double total = std::accumulate(shares.begin(), shares.end(), 0.0);
    if (!(total > 0))
        return tenths;
    std::vector<double> remainders(shares.size());
    int given = 0;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const double exact = shares[i] / total * kWhole;
        tenths[i] = static_cast<int>(std::floor(exact));
        remainders[i] = exact - tenths[i];
        given += tenths[i];
    }
    std::vector<std::size_t> order(shares.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return remainders[a] > remainders[b]; });
    for (std::size_t k = 0; given < kWhole && k < order.size(); ++k, ++given)
        ++tenths[order[k]];
    return tenths;
}

std::string percentText(int tenths)
{
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10);
}

} // namespace tolerance::stack
