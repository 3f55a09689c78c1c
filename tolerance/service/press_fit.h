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
    double hubSafety;     // proof stress over equivalent stress, at the maximum
    double shaftSafety;   // infinite when no interference presses at all
    bool holdsForCertain; // an interference at the minimum: friction holds something
    bool hubYieldsAtMin;
    bool shaftYieldsAtMin;
    bool hubYieldsAtMax() const { return hubSafety < 1.0; }
    bool shaftYieldsAtMax() const { return shaftSafety < 1.0; }
};

struct PressFit
{
    bool elastic; // false when either part is a plastic: then nothing below is worked out
    Length smoothing;
    Length joiningClearance;
    PressState at20;
    std::optional<PressState> atWorking;
    // The hub heated until it clears the largest shaft by the joining clearance, the shaft at
    // 20 °C.
    double assemblyCelsius;
};

// The constant of the joint: pressure = (interference / diameter) / compliance, in 1/MPa.
double complianceOf(const Joint& joint, const Parts& parts) noexcept;

PressState pressStateOf(const Joint& joint, const Parts& parts, double compliance, const Fit& fit,
                        Length smoothing) noexcept;

PressFit pressFitOf(const Joint& joint, const Parts& parts, const Deviations& hole,
                    const Deviations& shaft, const std::optional<Temperatures>& working) noexcept;

} // namespace tolerance::service
