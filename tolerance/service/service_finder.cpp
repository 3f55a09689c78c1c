// SPDX-License-Identifier: MIT
#include "tolerance/service/service_finder.h"

#include "tolerance/preferred_fits.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tolerance::service {

namespace {

// The torque asks a force round the joint, the axial load one along it; friction gives one
// force in whatever direction, so the two add as vectors.
double neededForce(const ServiceNeeds& needs, const Joint& joint) noexcept
{
    const double radiusM = double(joint.diameter) / double(kNanometresPerMm) / 2 / 1000;
    return std::hypot(needs.torqueNm / radiusM, needs.axialForceN) * needs.safety;
}

// Everything in the model is in proportion to the effective interference, so what a search
// asks of every pair comes down to two bounds on it, worked out once: enough at the loosest to
// hold the load, no more at the tightest than keeps both bores below their proof stress.
struct Window
{
    double leastMinimum; // nm
    double mostMaximum;  // nm
};

Window windowOf(const ServiceSearch& search) noexcept
{
    const Joint& joint = search.joint;
    const double compliance = complianceOf(joint, search.parts);
    const double perMpa = compliance * double(joint.diameter); // nm of interference per MPa
    const double d = double(joint.diameter) / double(kNanometresPerMm);
    const double grip = std::numbers::pi * d * double(joint.length) / double(kNanometresPerMm) *
                        joint.friction; // N per MPa
    const double force = neededForce(search.needs, joint);
    const double least = force == 0 ? 0
                         : grip > 0 ? force / grip * perMpa
                                    : std::numeric_limits<double>::infinity();
    const double qa2 = std::pow(double(joint.diameter) / double(joint.hubOuter), 2);
    const double qi2 = std::pow(double(joint.shaftBore) / double(joint.diameter), 2);
    const double hubLimit = search.parts.hub.proofStressMpa * (1 - qa2) / std::sqrt(3 + qa2 * qa2);
    const double shaftLimit = joint.shaftBore == 0
                                  ? search.parts.shaft.proofStressMpa
                                  : search.parts.shaft.proofStressMpa * (1 - qi2) / 2;
    // Some interference must be left at the loosest for friction to hold anything at all.
    return {std::max(least, 1.0), std::min(hubLimit, shaftLimit) * perMpa};
}

bool inWindow(const Window& window, const Fit& fit, Length smoothing) noexcept
{
    const Length minimum = std::max<Length>(0, -fit.maximumClearance - smoothing);
    const Length maximum = std::max<Length>(0, -fit.minimumClearance - smoothing);
    return double(minimum) >= window.leastMinimum && double(maximum) <= window.mostMaximum;
}

// What a working temperature does to every pair alike: both clearances move by the hole's
// growth less the shaft's.
Length clearanceShift(const ServiceSearch& search) noexcept
{
    const Length d = search.joint.diameter;
    return growthAt(d, search.parts.hub.expansionPerMegaKelvin, search.working->holeCelsius) -
           growthAt(d, search.parts.shaft.expansionPerMegaKelvin, search.working->shaftCelsius);
}

struct Test
{
    Window window;
    Length smoothing;
    std::optional<Length> shift;

    bool passes(const Fit& fit) const noexcept
    {
        if (!inWindow(window, fit, smoothing))
            return false;
        if (!shift)
            return true;
        const Fit warm{fit.maximumClearance + *shift, fit.minimumClearance + *shift, fit.type};
        return inWindow(window, warm, smoothing);
    }
};

std::optional<Test> testOf(const ServiceSearch& search) noexcept
{
    if (!search.parts.hub.elastic || !search.parts.shaft.elastic)
        return std::nullopt;
    return Test{windowOf(search), smoothingOf(search.joint.roughness),
                search.working ? std::optional(clearanceShift(search)) : std::nullopt};
}

bool onBasis(const Candidate& candidate, Side side, Basis basis) noexcept
{
    const bool wanted = (side == Side::Hole && basis == Basis::Hole) ||
                        (side == Side::Shaft && basis == Basis::Shaft);
    return !wanted || isBasisClass(candidate.code, side);
}

} // namespace

bool meetsNeeds(const ServiceNeeds& needs, const Joint& joint, const PressState& state) noexcept
{
    if (state.hubYieldsAtMax() || state.shaftYieldsAtMax())
        return false;
    return state.holdsForCertain && state.axialForceMinN >= neededForce(needs, joint);
}

bool meetsNeeds(const ServiceNeeds& needs, const Joint& joint, const PressFit& fit) noexcept
{
    return fit.elastic && meetsNeeds(needs, joint, fit.at20) &&
           (!fit.atWorking || meetsNeeds(needs, joint, *fit.atWorking));
}

std::vector<FoundFit> keepServiceFits(std::span<const FoundFit> found, const ServiceSearch& search)
{
    std::vector<FoundFit> kept;
    const std::optional<Test> test = testOf(search);
    if (!test)
        return kept;
    for (const FoundFit& f : found)
        if (test->passes(f.fit) && wallsHold(search.joint, f.hole->deviations, f.shaft->deviations))
            kept.push_back(f);
    return kept;
}

std::vector<FoundFit> findServiceFits(std::span<const Candidate> holes,
                                      std::span<const Candidate> shafts,
                                      const Requirement& requirement, const ServiceSearch& search)
{
    // The load's test comes before the sort: of a whole standard's 250 000 pairs only a few
    // thousand do the job.
    std::vector<FoundFit> found;
    const std::optional<Test> test = testOf(search);
    if (!test)
        return found;
    for (const Candidate& hole : holes) {
        if (!onBasis(hole, Side::Hole, requirement.basis))
            continue;
        for (const Candidate& shaft : shafts) {
            const Fit fit = fitOf(hole.deviations, shaft.deviations);
            if (onBasis(shaft, Side::Shaft, requirement.basis) && admits(requirement, fit) &&
                test->passes(fit) && wallsHold(search.joint, hole.deviations, shaft.deviations))
                found.push_back({&hole, &shaft, fit, isPreferredFit(hole.code, shaft.code)});
        }
    }
    // Found in list order, hole first, so a stable sort keeps ties in it: the commonly used pairs
    // first, then the widest, as findFits gives them.
    std::stable_sort(found.begin(), found.end(), [](const FoundFit& a, const FoundFit& b) {
        if (a.preferred != b.preferred)
            return a.preferred;
        return fitTolerance(a.fit) > fitTolerance(b.fit);
    });
    return found;
}

} // namespace tolerance::service
