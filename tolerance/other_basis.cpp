// SPDX-License-Identifier: MIT
#include "tolerance/other_basis.h"

#include <cstdlib>

namespace tolerance {

namespace {

bool isBasis(const ClassCode& code)
{
    return code.letters == (code.side == Side::Hole ? "H" : "h");
}

// The same letters for the other side at a grade: "JS" for "js", "g" for "G".
ClassCode mirrored(const ClassCode& code, int grade)
{
    ClassCode other{code.side == Side::Hole ? Side::Shaft : Side::Hole, code.letters, grade};
    for (char& c : other.letters)
        c = other.side == Side::Hole ? char(c - 'a' + 'A') : char(c - 'A' + 'a');
    return other;
}

} // namespace

std::optional<ClassPair> mirroredPair(const ClassCode& hole, const ClassCode& shaft)
{
    if (isBasis(hole) && isBasis(shaft))
        return ClassPair{hole, shaft};
    // Each side keeps its grade; only the letters change places.
    if (isBasis(hole))
        return ClassPair{mirrored(shaft, hole.grade), ClassCode{Side::Shaft, "h", shaft.grade}};
    if (isBasis(shaft))
        return ClassPair{ClassCode{Side::Hole, "H", hole.grade}, mirrored(hole, shaft.grade)};
    return std::nullopt;
}

std::optional<BasisMatch> nearestFit(const Fit& target, std::span<const Deviations> candidates,
                                     const Deviations& fixed, Side candidatesSide) noexcept
{
    std::optional<BasisMatch> best;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Fit fit = candidatesSide == Side::Hole ? fitOf(candidates[i], fixed)
                                                     : fitOf(fixed, candidates[i]);
        const BasisMatch match{i, fit.maximumClearance - target.maximumClearance,
                               fit.minimumClearance - target.minimumClearance};
        const auto distance = [](const BasisMatch& m) {
            return std::abs(m.maximumShift) + std::abs(m.minimumShift);
        };
        if (!best || distance(match) < distance(*best))
            best = match;
    }
    return best;
}

} // namespace tolerance
