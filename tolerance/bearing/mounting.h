// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/bearing/clearance.h"
#include "tolerance/fit.h"

#include <optional>

// A bearing mounted: its inner ring on the shaft, its outer ring in the housing, both fits at
// 20 °C and, given them, with each of the four parts at its own temperature.
namespace tolerance::bearing {

struct MountingTemperatures
{
    double shaft;
    double inner;
    double outer;
    double housing;
};

struct Seat
{
    Deviations ring;               // the inner ring's bore, or the outer ring's outside diameter
    Deviations mating;             // the shaft, or the housing's bore
    double expansionPerMegaKelvin; // of the shaft's or the housing's material
    Length smoothing = 0;          // taken off the interference: DIN 7190-1's 0.4 × ΣRz
};

struct Mounting
{
    Joints at20;
    std::optional<Joints> atWorking;
    double ringDifference = 0; // inner ring less outer ring, K, at the working temperatures
};

Mounting mountingOf(Length bore, Length outside, const Seat& shaft, const Seat& housing,
                    const std::optional<MountingTemperatures>& working);

} // namespace tolerance::bearing
