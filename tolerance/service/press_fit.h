// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit.h"
#include "tolerance/length.h"
#include "tolerance/service/materials.h"
#include "tolerance/service/thermal.h"

#include <optional>

// A press fit as DIN 7190-1 reckons it: two thick-walled cylinders of equal length, elastic,
// in plane stress. Lengths are exact; pressures, stresses and forces are physics and doubles.
namespace tolerance::service {

// The peaks of both surfaces, Rz, that the joint flattens.
struct Roughness
{
    Length hole;
    Length shaft;
};

struct Joint
{
    Length diameter;  // the nominal size of the fit
    Length hubOuter;  // over the diameter
    Length shaftBore; // 0 for a solid shaft, else under the diameter
    Length length;    // over 0
    double friction;  // 0 to 1
    std::optional<Roughness> roughness;
    std::optional<Length> joiningClearance; // nothing: 0.001 × the diameter
};

struct Parts
{
    MaterialFigures hub;
    MaterialFigures shaft;
};

// DIN 7190-1:2017 takes 0.4 × (Rz of the hole + Rz of the shaft) off the interference on the
// diameter; its earlier edition took 0.8 ×. Nothing without roughness.
Length smoothingOf(const std::optional<Roughness>& roughness) noexcept;

Length joiningClearanceOf(const Joint& joint) noexcept;

// What the joint's walls must clear: the hub's outer diameter over the bore's greatest size, a
// hollow shaft's bore under the shaft's least size. Checked against the nominal size alone, a hub
// of 50.01 would be taken for a bore that may be 50.025.
struct WallBounds
{
    Length hubOver;   // the hole's maximum size
    Length boreUnder; // the shaft's minimum size
};
WallBounds wallBoundsOf(Length diameter, const Deviations& hole, const Deviations& shaft) noexcept;
bool wallsHold(const Joint& joint, const Deviations& hole, const Deviations& shaft) noexcept;

// The elastic answer at one temperature. A figure at an end whose part yields is left out by
// the reader: past yield the elastic model no longer holds.
struct PressState
{
    Length interferenceMin; // effective: smoothed, never below 0
    Length interferenceMax;
    double pressureMinMpa;
    double pressureMaxMpa;
    double torqueMinNm;
    double axialForceMinN;
    double pressInForceMaxN;
    double hubTangentialMaxMpa; // at the hub's bore
    double hubEquivalentMaxMpa; // von Mises
    double shaftEquivalentMaxMpa;
    // Proof stress over equivalent stress, at the maximum; nothing where no interference presses
    // at all: a part under no stress has no safety to give, and "infinite" is no figure.
    std::optional<double> hubSafety;
    std::optional<double> shaftSafety;
    bool holdsForCertain; // an interference at the minimum: friction holds something
    bool hubYieldsAtMin;
    bool shaftYieldsAtMin;
    bool hubYieldsAtMax() const { return hubSafety && *hubSafety < 1.0; }
    bool shaftYieldsAtMax() const { return shaftSafety && *shaftSafety < 1.0; }
};

struct PressFit
{
    bool elastic; // false when either part is a plastic: then nothing below is worked out
    Length smoothing;
    Length joiningClearance;
    PressState at20;
    std::optional<PressState> atWorking;
    // How much the hub's bore must grow for the largest shaft to pass the smallest bore with the
    // joining clearance: the joining clearance less the fit's least clearance (an interference
    // counted negative). Nothing to grow, and no heating, where the fit clears by that much.
    Length assemblyOpening;
    // The hub heated until the bore has grown so, the shaft at 20 °C; nothing when no heating
    // is needed.
    std::optional<double> assemblyCelsius;
};

// The constant of the joint: pressure = (interference / diameter) / compliance, in 1/MPa.
double complianceOf(const Joint& joint, const Parts& parts) noexcept;

PressState pressStateOf(const Joint& joint, const Parts& parts, double compliance, const Fit& fit,
                        Length smoothing) noexcept;

PressFit pressFitOf(const Joint& joint, const Parts& parts, const Deviations& hole,
                    const Deviations& shaft, const std::optional<Temperatures>& working) noexcept;

} // namespace tolerance::service
