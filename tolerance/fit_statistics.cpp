// SPDX-License-Identifier: MIT
#include "tolerance/fit_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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

FitStatistics normal(const Spread& s)
{
    const double mean = s.low + (s.hole + s.shaft) / 2;
    const double sigma = std::hypot(s.hole, s.shaft) / (2 * kSigmasPerHalfTolerance);
    const double half = kSigmasPerHalfTolerance * sigma;
    const double below =
        sigma > 0 ? 0.5 * std::erfc(mean / (sigma * std::sqrt(2.0))) : (mean < 0 ? 1.0 : 0.0);
    return {Distribution::Normal, mean - half, mean + half, below};
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
    if (a == 0)
        return {Distribution::Uniform, s.low, s.low, s.low < 0 ? 1.0 : 0.0};
    return {Distribution::Uniform, s.low + trapezoidPoint(kTailShare, a, b),
            s.low + trapezoidPoint(1 - kTailShare, a, b), trapezoidShare(-s.low, a, b)};
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

std::string formatProbability(double probability)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", std::clamp(probability, 0.0, 1.0));
    return text;
}

std::string formatPercent(double probability)
{
    // Four significant figures, never in powers of ten, and never a 0 or 100 that is not
    // certain: a far tail reads "< 0.0001" and its other side "> 99.99".
    const double percent = 100 * std::clamp(probability, 0.0, 1.0);
    if (percent > 0 && percent < 0.0001)
        return "< 0.0001";
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", percent);
    if (percent < 100 && std::string_view(text) == "100")
        return "> 99.99";
    return text;
}

} // namespace tolerance
