// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit.h"
#include "tolerance/length.h"

#include <optional>
#include <string_view>

// A radial bearing's internal clearance and what its fits take of it: an interference on the
// shaft widens the inner ring's raceway, one in the housing narrows the outer ring's, and an
// inner ring warmer than the outer ring grows more.
namespace tolerance::bearing {

// Bearing steel (SUJ2, 52100) grows 12.5 × 10⁻⁶ per K: NSK "Rolling Bearings" eq. (9.6) and
// NTN's "Bearing internal clearance", eq. (8.3), alike.
inline constexpr double kBearingSteelExpansion = 12.5;

enum class ClearanceGroup
{
    C2,
    CN,
    C3,
    C4,
};

std::string_view nameOf(ClearanceGroup group) noexcept;

struct ClearanceRange
{
    Length minimum;
    Length maximum;
};

// The radial internal clearance of a deep groove ball bearing by its bore (JIS B 1520 / ISO
// 5753-1), before mounting; nothing for a bore outside the table (6 to 400 mm).
std::optional<ClearanceRange> radialClearance(ClearanceGroup group, Length bore) noexcept;

// The raceway diameters a bearing's d and D let one estimate, where its own drawing is not at
// hand: the outer raceway De ≈ (4D + d)/5 for ball bearings, (3D + d)/4 for roller bearings
// (NSK eq. (9.7), (9.8); FBJ eq. (5.4), (5.5)); the inner raceway Di by the same weights from
// the bore's side, (D + 4d)/5 and (D + 3d)/4.
struct Raceways
{
    Length inner; // Di
    Length outer; // De
};
Raceways racewaysOf(Length bore, Length outside, bool roller) noexcept;

// What the two fits take of the clearance, at their loosest and their tightest. The interference
// is the fit's, less the smoothing of each joint (never below 0); the inner raceway widens by
// Δd·d/Di on a solid shaft, the outer raceway narrows by ΔD·De/D in a housing of ample wall (NSK
// Table 15.1, shaft and housing of steel like the rings).
struct Reduction
{
    Length shaftInterferenceMin; // effective, never below 0
    Length shaftInterferenceMax;
    Length housingInterferenceMin;
    Length housingInterferenceMax;
    Length innerExpansionMin;
    Length innerExpansionMax;
    Length outerContractionMin;
    Length outerContractionMax;
    Length thermal; // α·(Ti − To)·De; 0 at 20 °C
    Length totalMin() const { return innerExpansionMin + outerContractionMin + thermal; }
    Length totalMax() const { return innerExpansionMax + outerContractionMax + thermal; }
};

struct Joints
{
    Fit shaft;   // the inner ring as the hole, the shaft as the shaft
    Fit housing; // the housing as the hole, the outer ring as the shaft
    Length shaftSmoothing = 0;
    Length housingSmoothing = 0;
};

// ringDifference: the inner ring's temperature less the outer ring's, in K.
Reduction reductionOf(const Raceways& raceways, Length bore, Length outside, const Joints& joints,
                      double ringDifference = 0) noexcept;

// The reduction is an estimate of elastic rings on estimated raceways: a tenth of a micrometre is
// all it can tell, and so it is written.
Length toTenthMicrometre(Length value) noexcept;

// The clearance left of a group: its minimum less the largest reduction, its maximum less the
// smallest. A negative minimum is a preload: the clearance may vanish.
ClearanceRange residualOf(const ClearanceRange& group, const Reduction& reduction) noexcept;

} // namespace tolerance::bearing
