// SPDX-License-Identifier: MIT
#include "tolerance/fit_statistics.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace tolerance {

namespace {

constexpr double kSigmasPerHalfTolerance = 3.0;
constexpr Length kStatisticalStep = 100; // nm: 0.1 µm

struct Spread
{
    double low;   // the loosest-to-tightest span's start: the smallest clearance, nm
    double hole;  // the hole's tolerance, nm
    double shaft; // the shaft's tolerance, nm
};

// A normal tail is never empty; beyond what a double holds it is the least one there is.
double tail(double z)
{
    return std::max(0.5 * std::erfc(z / std::sqrt(2.0)), std::numeric_limits<double>::denorm_min());
}

FitStatistics normal(const Spread& s)
{
    const double mean = s.low + (s.hole + s.shaft) / 2;
    const double sigma = std::hypot(s.hole, s.shaft) / (2 * kSigmasPerHalfTolerance);
    const double half = kSigmasPerHalfTolerance * sigma;
    if (sigma == 0) {
        const double below = mean < 0 ? 1.0 : 0.0;
        return {Distribution::Normal, mean, mean, below, 1 - below};
    }
    return {Distribution::Normal, mean - half, mean + half, tail(mean / sigma),
            tail(-mean / sigma)};
}

// The clearance less its smallest value is the sum of two uniform spreads of widths a >= b: its
// density a trapezoid rising over [0, b], flat to a, falling to a + b.
double trapezoidShare(double z, double a, double b)
{
    if (z <= 0)
        return 0;
    if (z >= a + b)
        return 1;
    if (b == 0)
        return z / a;
    if (z < b)
        return z * z / (2 * a * b);
    if (z <= a)
        return (z - b / 2) / a;
    return 1 - (a + b - z) * (a + b - z) / (2 * a * b);
}

double trapezoidPoint(double share, double a, double b)
{
    if (b == 0)
        return share * a;
    if (share < b / (2 * a))
        return std::sqrt(2 * a * b * share);
    if (share <= 1 - b / (2 * a))
        return a * share + b / 2;
    return a + b - std::sqrt(2 * a * b * (1 - share));
}

FitStatistics uniform(const Spread& s)
{
    const double a = std::max(s.hole, s.shaft);
    const double b = std::min(s.hole, s.shaft);
    if (a == 0) {
        const double below = s.low < 0 ? 1.0 : 0.0;
        return {Distribution::Uniform, s.low, s.low, below, 1 - below};
    }
    // The trapezoid is symmetric: the share above z is the share below a + b - z.
    return {Distribution::Uniform, s.low + trapezoidPoint(kTailShare, a, b),
            s.low + trapezoidPoint(1 - kTailShare, a, b), trapezoidShare(-s.low, a, b),
            trapezoidShare(a + b + s.low, a, b)};
}

} // namespace

std::string_view nameOf(Distribution distribution) noexcept
{
    return distribution == Distribution::Normal ? "normal" : "uniform";
}

std::optional<Distribution> distributionNamed(std::string_view name) noexcept
{
    for (const Distribution d : {Distribution::Normal, Distribution::Uniform})
        if (name == nameOf(d))
            return d;
    return std::nullopt;
}

FitStatistics fitStatistics(const Deviations& hole, const Deviations& shaft,
                            Distribution distribution) noexcept
{
    const Spread spread{double(hole.lower - shaft.upper), double(hole.upper - hole.lower),
                        double(shaft.upper - shaft.lower)};
    return distribution == Distribution::Normal ? normal(spread) : uniform(spread);
}

std::string formatStatisticalClearance(double nanometres)
{
    const auto steps = std::llround(nanometres / double(kStatisticalStep));
    return formatMillimetres(Length(steps) * kStatisticalStep);
}

namespace {

std::string shortest(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

} // namespace

std::string formatFullMillimetres(double nanometres)
{
    return shortest(nanometres / double(kNanometresPerMm) + 0.0); // no "-0"
}

std::string formatProbability(double probability)
{
    return shortest(std::clamp(probability, 0.0, 1.0));
}

std::string formatPercent(double probability, double complement)
{
    // The far side is told by its complement: 1 less a tail of 1e-39 is 1 in a double.
    constexpr double kLeast = 0.000001; // 0.0001 %
    if (probability <= 0)
        return "0";
    if (complement <= 0)
        return "100";
    if (probability < kLeast)
        return "< 0.0001";
    if (complement < kLeast)
        return "> 99.9999";
    const double percent = 100 * probability;
    // to_chars, not printf: the decimal sign stays a full stop whatever locale the program took
    // from the desktop.
    char text[32];
    const auto written = [&text](std::to_chars_result result) {
        return std::string(text, result.ptr);
    };
    std::string figures =
        written(std::to_chars(text, text + sizeof text, percent, std::chars_format::general, 4));
    // Four figures of 99.995 read 100: as many decimals as keep it below, at most four.
    for (int decimals = 2; figures.starts_with("100") && decimals <= 4; ++decimals)
        figures = written(
            std::to_chars(text, text + sizeof text, percent, std::chars_format::fixed, decimals));
    return figures;
}

} // namespace tolerance
