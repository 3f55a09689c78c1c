// SPDX-License-Identifier: MIT
#include "tolerance/service/service_finder.h"

#include <algorithm>
#include <cmath>

namespace tolerance::service {

bool meetsNeeds(const ServiceNeeds& needs, const Joint& joint, const PressState& state) noexcept
{
    if (state.hubYieldsAtMax() || state.shaftYieldsAtMax())
        return false;
    // The torque asks a force round the joint, the axial load one along it; friction gives
    // one force in whatever direction, so the two add as vectors.
    const double radiusM = double(joint.diameter) / double(kNanometresPerMm) / 2 / 1000;
    const double round = needs.torqueNm / radiusM;
    const double needed = std::hypot(round, needs.axialForceN) * needs.safety;
    return state.holdsForCertain && state.axialForceMinN >= needed;
}

bool meetsNeeds(const ServiceNeeds& needs, const Joint& joint, const PressFit& fit) noexcept
{
    return fit.elastic && meetsNeeds(needs, joint, fit.at20) &&
           (!fit.atWorking || meetsNeeds(needs, joint, *fit.atWorking));
}

namespace {

bool meets(const ServiceSearch& search, double compliance, const Deviations& hole,
           const Deviations& shaft)
{
    const Length smoothing = smoothingOf(search.joint.roughness);
    const PressState at20 =
        pressStateOf(search.joint, search.parts, compliance, fitOf(hole, shaft), smoothing);
    if (!meetsNeeds(search.needs, search.joint, at20))
        return false;
    if (!search.working)
        return true;
    const ThermalFit hot =
        fitAt(search.joint.diameter, hole, shaft, search.parts.hub.expansionPerMegaKelvin,
              search.parts.shaft.expansionPerMegaKelvin, *search.working);
    return meetsNeeds(search.needs, search.joint,
                      pressStateOf(search.joint, search.parts, compliance, hot.fit, smoothing));
}

} // namespace

std::vector<FoundFit> keepServiceFits(std::span<const FoundFit> found, const ServiceSearch& search)
{
    std::vector<FoundFit> kept;
    if (!search.parts.hub.elastic || !search.parts.shaft.elastic)
        return kept;
    const double compliance = complianceOf(search.joint, search.parts);
    for (const FoundFit& f : found)
        if (meets(search, compliance, f.hole->deviations, f.shaft->deviations))
            kept.push_back(f);
    return kept;
}

std::vector<FoundFit> findServiceFits(std::span<const Candidate> holes,
                                      std::span<const Candidate> shafts,
                                      const Requirement& requirement, const ServiceSearch& search)
{
    // Only an interference left after smoothing holds anything at 20 °C: searching for that
    // alone spares sorting the hundreds of thousands of pairs that cannot qualify.
    Requirement tight = requirement;
    const Length bound = -smoothingOf(search.joint.roughness) - 1;
    tight.maximumClearance = std::min(requirement.maximumClearance.value_or(bound), bound);
    return keepServiceFits(findFits(holes, shafts, tight), search);
}

} // namespace tolerance::service
