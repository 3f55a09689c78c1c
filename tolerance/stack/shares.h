// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <vector>

// Members' shares as a designer reads them: percentages to a tenth that add up to exactly 100.
namespace tolerance::stack {

// Each share (0 to 1, adding up to 1) in tenths of a percent, rounded so that they add up to
// 1000: each rounded down, then the tenths left over go to the largest remainders, the earlier
// member first among equals. All zeros stay zeros.
std::vector<int> tenthsOfPercent(std::span<const double> shares);

// "42.3", "0.0", "100.0".
std::string percentText(int tenths);

} // namespace tolerance::stack
