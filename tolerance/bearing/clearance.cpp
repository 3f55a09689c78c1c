// SPDX-License-Identifier: MIT
#include "tolerance/bearing/clearance.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tolerance::bearing {

namespace {

// Radial internal clearance of deep groove ball bearings in µm: over `over` up to `upTo` mm of
// bore, min and max of C2, CN, C3 and C4. To 200 mm NSK ("Rolling Bearings", Table 9.9), SKF
// (general catalogue, Russian edition, p. 296), ZVL (Tab. 21), DAS and KINEX print the same
// figures; past 200 mm NSK prints the older JIS B 1520 (C2 2-35 at 200-225, …), SKF and ZVL
// the figures of ISO 5753-1:2009, which are taken.
struct Row
{
    double over;
    double upTo;
    std::array<int, 8> um;
};

constexpr std::array kDeepGroove{
    Row{6, 10, {0, 7, 2, 13, 8, 23, 14, 29}},            // NSK (10 only), SKF, ZVL
    Row{10, 18, {0, 9, 3, 18, 11, 25, 18, 33}},          // NSK, SKF, ZVL, DAS, KINEX
    Row{18, 24, {0, 10, 5, 20, 13, 28, 20, 36}},         // NSK, SKF, ZVL, DAS, KINEX
    Row{24, 30, {1, 11, 5, 20, 13, 28, 23, 41}},         // NSK, SKF, ZVL, DAS, KINEX
    Row{30, 40, {1, 11, 6, 20, 15, 33, 28, 46}},         // NSK, SKF, ZVL, DAS, KINEX
    Row{40, 50, {1, 11, 6, 23, 18, 36, 30, 51}},         // NSK, SKF, ZVL, DAS, KINEX
    Row{50, 65, {1, 15, 8, 28, 23, 43, 38, 61}},         // NSK, SKF, ZVL, DAS, KINEX
    Row{65, 80, {1, 15, 10, 30, 25, 51, 46, 71}},        // NSK, SKF, ZVL, DAS, KINEX
    Row{80, 100, {1, 18, 12, 36, 30, 58, 53, 84}},       // NSK, SKF, ZVL, DAS, KINEX
    Row{100, 120, {2, 20, 15, 41, 36, 66, 61, 97}},      // NSK, SKF, ZVL, DAS, KINEX
    Row{120, 140, {2, 23, 18, 48, 41, 81, 71, 114}},     // NSK, SKF, ZVL, DAS, KINEX
    Row{140, 160, {2, 23, 18, 53, 46, 91, 81, 130}},     // NSK, SKF, ZVL, DAS, KINEX
    Row{160, 180, {2, 25, 20, 61, 53, 102, 91, 147}},    // NSK, SKF, ZVL, DAS, KINEX
    Row{180, 200, {2, 30, 25, 71, 63, 117, 107, 163}},   // NSK, SKF, ZVL, DAS, KINEX
    Row{200, 225, {4, 32, 28, 82, 73, 132, 120, 187}},   // SKF, ZVL
    Row{225, 250, {4, 36, 31, 92, 87, 152, 140, 217}},   // SKF, ZVL
    Row{250, 280, {4, 39, 36, 97, 97, 162, 152, 237}},   // SKF, ZVL
    Row{280, 315, {8, 45, 42, 110, 110, 180, 175, 260}}, // SKF, ZVL
    Row{315, 355, {8, 50, 50, 120, 120, 200, 200, 290}}, // SKF, ZVL
    Row{355, 400, {8, 60, 60, 140, 140, 230, 230, 330}}, // SKF, ZVL
};

Length fromMm(double mm) noexcept
{
    return Length(mm * double(kNanometresPerMm) + 0.5);
}

Length scaled(Length value, double factor) noexcept
{
    return Length(std::llround(double(value) * factor));
}

} // namespace

std::string_view nameOf(ClearanceGroup group) noexcept
{
    switch (group) {
    case ClearanceGroup::C2:
        return "C2";
    case ClearanceGroup::CN:
        return "CN";
    case ClearanceGroup::C3:
        return "C3";
    case ClearanceGroup::C4:
        return "C4";
    }
    return "";
}

std::optional<ClearanceRange> radialClearance(ClearanceGroup group, Length bore) noexcept
{
    for (const Row& row : kDeepGroove) {
        if (bore > fromMm(row.over) && bore <= fromMm(row.upTo)) {
            const std::size_t i = 2 * std::size_t(group);
            return ClearanceRange{Length(row.um[i]) * kNanometresPerMicrometre,
                                  Length(row.um[i + 1]) * kNanometresPerMicrometre};
        }
    }
    return std::nullopt;
}

Raceways racewaysOf(Length bore, Length outside, bool roller) noexcept
{
    const int weight = roller ? 3 : 4;
    const int parts = weight + 1;
    return {(outside + weight * bore + parts / 2) / parts,
            (weight * outside + bore + parts / 2) / parts};
}

Reduction reductionOf(const Raceways& raceways, Length bore, Length outside, const Joints& joints,
                      double ringDifference) noexcept
{
    const auto effective = [](Length interference, Length smoothing) {
        return std::max<Length>(0, interference - smoothing);
    };
    Reduction r{};
    r.shaftInterferenceMin = effective(-joints.shaft.maximumClearance, joints.shaftSmoothing);
    r.shaftInterferenceMax = effective(-joints.shaft.minimumClearance, joints.shaftSmoothing);
    r.housingInterferenceMin = effective(-joints.housing.maximumClearance, joints.housingSmoothing);
    r.housingInterferenceMax = effective(-joints.housing.minimumClearance, joints.housingSmoothing);
    const double k = double(bore) / double(raceways.inner);
    const double h = double(raceways.outer) / double(outside);
    r.innerExpansionMin = scaled(r.shaftInterferenceMin, k);
    r.innerExpansionMax = scaled(r.shaftInterferenceMax, k);
    r.outerContractionMin = scaled(r.housingInterferenceMin, h);
    r.outerContractionMax = scaled(r.housingInterferenceMax, h);
    r.thermal = scaled(raceways.outer, kBearingSteelExpansion * 1e-6 * ringDifference);
    return r;
}

Length toTenthMicrometre(Length value) noexcept
{
    constexpr Length step = kNanometresPerMicrometre / 10;
    return (value >= 0 ? value + step / 2 : value - step / 2) / step * step;
}

ClearanceRange residualOf(const ClearanceRange& group, const Reduction& reduction) noexcept
{
    return {group.minimum - reduction.totalMax(), group.maximum - reduction.totalMin()};
}

} // namespace tolerance::bearing
