// SPDX-License-Identifier: MIT
#include "tolerance/fit_finder.h"

#include "tolerance/preferred_fits.h"

#include <algorithm>

namespace tolerance {

namespace {

// The candidates of one side the basis lets through, in their order.
std::vector<const Candidate*> onBasis(std::span<const Candidate> candidates, Side side, Basis basis)
{
    const bool filtered = (basis == Basis::Hole && side == Side::Hole) ||
                          (basis == Basis::Shaft && side == Side::Shaft);
    std::vector<const Candidate*> kept;
    kept.reserve(candidates.size());
    for (const Candidate& candidate : candidates) {
        if (!filtered || isBasisClass(candidate.code, side))
            kept.push_back(&candidate);
    }
    return kept;
}

} // namespace

bool admits(const Requirement& requirement, const Fit& fit) noexcept
{
    if (requirement.type && fit.type != *requirement.type)
        return false;
    return (!requirement.minimumClearance ||
            fit.minimumClearance >= *requirement.minimumClearance) &&
           (!requirement.maximumClearance || fit.maximumClearance <= *requirement.maximumClearance);
}

bool isBasisClass(std::string_view code, Side side) noexcept
{
    const char letter = side == Side::Hole ? 'H' : 'h';
    return code.size() > 1 && code[0] == letter && code[1] >= '0' && code[1] <= '9';
}

std::vector<Candidate> tableCandidates(Side side, std::size_t range)
{
    std::vector<Candidate> candidates;
    for (const ToleranceClass& cls : classesOf(side)) {
        if (const auto deviations = deviationsOf(cls.entries[range]))
            candidates.push_back({std::string(cls.code), *deviations});
    }
    return candidates;
}

std::vector<FoundFit> findFits(std::span<const Candidate> holes, std::span<const Candidate> shafts,
                               const Requirement& requirement)
{
    const auto keptHoles = onBasis(holes, Side::Hole, requirement.basis);
    const auto keptShafts = onBasis(shafts, Side::Shaft, requirement.basis);
    // Only a pair with a basis class can be commonly used, and most pairs have none: the table
    // is asked about those alone.
    std::vector<bool> shaftIsBasis;
    for (const Candidate* shaft : keptShafts)
        shaftIsBasis.push_back(isBasisClass(shaft->code, Side::Shaft));
    std::vector<FoundFit> found;
    for (const Candidate* hole : keptHoles) {
        const bool holeIsBasis = isBasisClass(hole->code, Side::Hole);
        for (std::size_t i = 0; i < keptShafts.size(); ++i) {
            const Candidate* shaft = keptShafts[i];
            const Fit fit = fitOf(hole->deviations, shaft->deviations);
            if (!admits(requirement, fit))
                continue;
            const bool preferred =
                (holeIsBasis || shaftIsBasis[i]) && isPreferredFit(hole->code, shaft->code);
            found.push_back({hole, shaft, fit, preferred});
        }
    }
    // Found in list order, hole first, so a stable sort on the rank alone keeps ties in it.
    std::stable_sort(found.begin(), found.end(), [](const FoundFit& a, const FoundFit& b) {
        if (a.preferred != b.preferred)
            return a.preferred;
        return fitTolerance(a.fit) > fitTolerance(b.fit);
    });
    return found;
}

} // namespace tolerance
