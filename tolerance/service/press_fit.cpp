// SPDX-License-Identifier: MIT
#include "tolerance/service/press_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolerance::service {

namespace {

double ratio(Length a, Length b) noexcept
{
    return double(a) / double(b);
}

// Q_A: the joint over the hub's outer diameter; Q_I: the bore over the joint.
double hubRatio(const Joint& joint) noexcept
{
    return ratio(joint.diameter, joint.hubOuter);
}

double boreRatio(const Joint& joint) noexcept
{
    return ratio(joint.shaftBore, joint.diameter);
}

std::optional<double> safetyOf(double proof, double stress) noexcept
{
    return stress > 0 ? std::optional(proof / stress) : std::nullopt;
}

// Per-part stresses at the bores for a contact pressure.
struct Stresses
{
    double hubTangential;
    double hubEquivalent;
    double shaftEquivalent;
};

Stresses stressesAt(const Joint& joint, double pressure) noexcept
{
    const double qa2 = hubRatio(joint) * hubRatio(joint);
    const double qi2 = boreRatio(joint) * boreRatio(joint);
    // Hub bore: tangential p(1+Q²)/(1−Q²), radial −p; von Mises of the two in plane stress.
    const double hubTangential = pressure * (1 + qa2) / (1 - qa2);
    const double hubEquivalent = pressure * std::sqrt(3 + qa2 * qa2) / (1 - qa2);
    // A solid shaft is pressed evenly, −p both ways, so p; a hollow one's bore carries the
    // tangential −2p/(1−Q²) alone.
    const double shaftEquivalent = joint.shaftBore == 0 ? pressure : 2 * pressure / (1 - qi2);
    return {hubTangential, hubEquivalent, shaftEquivalent};
}

} // namespace

Length smoothingOf(const std::optional<Roughness>& roughness) noexcept
{
    if (!roughness)
        return 0;
    return Length(std::llround(0.4 * double(roughness->hole + roughness->shaft)));
}

Length joiningClearanceOf(const Joint& joint) noexcept
{
    return joint.joiningClearance.value_or(joint.diameter / 1000);
}

WallBounds wallBoundsOf(Length diameter, const Deviations& hole, const Deviations& shaft) noexcept
{
    return {diameter + hole.upper, diameter + shaft.lower};
}

bool wallsHold(const Joint& joint, const Deviations& hole, const Deviations& shaft) noexcept
{
    const WallBounds bounds = wallBoundsOf(joint.diameter, hole, shaft);
    return joint.hubOuter > bounds.hubOver &&
           (joint.shaftBore == 0 || joint.shaftBore < bounds.boreUnder);
}

double complianceOf(const Joint& joint, const Parts& parts) noexcept
{
    const double qa2 = hubRatio(joint) * hubRatio(joint);
    const double qi2 = boreRatio(joint) * boreRatio(joint);
    const MaterialFigures& hub = parts.hub;
    const MaterialFigures& shaft = parts.shaft;
    // For a solid shaft the second bracket is 1 − ν.
    return ((1 + qa2) / (1 - qa2) + hub.poissonsRatio) / hub.youngsModulusMpa +
           ((1 + qi2) / (1 - qi2) - shaft.poissonsRatio) / shaft.youngsModulusMpa;
}

PressState pressStateOf(const Joint& joint, const Parts& parts, double compliance, const Fit& fit,
                        Length smoothing) noexcept
{
    const auto effective = [&](Length interference) {
        return std::max<Length>(0, interference - smoothing);
    };
    const Length minimum = effective(-fit.maximumClearance);
    const Length maximum = effective(-fit.minimumClearance);
    const auto pressure = [&](Length u) { return ratio(u, joint.diameter) / compliance; };
    const double pMin = pressure(minimum);
    const double pMax = pressure(maximum);
    const double d = double(joint.diameter) / double(kNanometresPerMm);
    const double area = std::numbers::pi * d * double(joint.length) / double(kNanometresPerMm);
    const double heldMin = pMin * area * joint.friction;
    const Stresses atMax = stressesAt(joint, pMax);
    const Stresses atMin = stressesAt(joint, pMin);
    return {minimum,
            maximum,
            pMin,
            pMax,
            heldMin * d / 2 / 1000,
            heldMin,
            pMax * area * joint.friction,
            atMax.hubTangential,
            atMax.hubEquivalent,
            atMax.shaftEquivalent,
            safetyOf(parts.hub.proofStressMpa, atMax.hubEquivalent),
            safetyOf(parts.shaft.proofStressMpa, atMax.shaftEquivalent),
            minimum > 0,
            atMin.hubEquivalent >= parts.hub.proofStressMpa,
            atMin.shaftEquivalent >= parts.shaft.proofStressMpa};
}

PressFit pressFitOf(const Joint& joint, const Parts& parts, const Deviations& hole,
                    const Deviations& shaft, const std::optional<Temperatures>& working) noexcept
{
    PressFit answer{};
    answer.elastic = parts.hub.elastic && parts.shaft.elastic;
    answer.smoothing = smoothingOf(joint.roughness);
    answer.joiningClearance = joiningClearanceOf(joint);
    if (!answer.elastic)
        return answer;
    const double compliance = complianceOf(joint, parts);
    const Fit fit = fitOf(hole, shaft);
    answer.at20 = pressStateOf(joint, parts, compliance, fit, answer.smoothing);
    if (working) {
        const ThermalFit hot = fitAt(joint.diameter, hole, shaft, parts.hub.expansionPerMegaKelvin,
                                     parts.shaft.expansionPerMegaKelvin, *working);
        answer.atWorking = pressStateOf(joint, parts, compliance, hot.fit, answer.smoothing);
    }
    // The largest shaft must pass the smallest bore, roughness and all; a fit that clears by more
    // than the joining clearance goes together as it is.
    answer.assemblyOpening = answer.joiningClearance - fit.minimumClearance;
    if (answer.assemblyOpening > 0)
        answer.assemblyCelsius =
            kReferenceCelsius + double(answer.assemblyOpening) / (parts.hub.expansionPerMegaKelvin *
                                                                  1e-6 * double(joint.diameter));
    return answer;
}

} // namespace tolerance::service
