// SPDX-License-Identifier: MIT
#include "tolerance/other_basis.h"

#include "tolerance/classes.h"

#include <cstdlib>
#include <vector>

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

std::optional<Deviations> deviationsAt(const ClassCode& code, Length diameter, Edition edition)
{
    return lookUp(code, diameter, edition).deviations;
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

std::optional<OtherBasisFit> otherBasisFit(const ClassCode& hole, const ClassCode& shaft,
                                           Length diameter, Edition edition)
{
    const auto mirrored = mirroredPair(hole, shaft);
    const auto holeDeviations = deviationsAt(hole, diameter, edition);
    const auto shaftDeviations = deviationsAt(shaft, diameter, edition);
    if (!mirrored || !holeDeviations || !shaftDeviations)
        return std::nullopt;
    // The basis class stays; the mirrored class is tried first, then every class of the table.
    const bool holeBasis = mirrored->shaft.letters == "h" && !(hole == mirrored->hole);
    const Side varied = holeBasis ? Side::Hole : Side::Shaft;
    const ClassCode& basis = holeBasis ? mirrored->shaft : mirrored->hole;
    const auto fixed = deviationsAt(basis, diameter, edition);
    std::vector<ClassCode> codes{holeBasis ? mirrored->hole : mirrored->shaft};
    for (const ToleranceClass& cls : classesOf(varied)) {
        const auto parsed = parseClassCode(cls.code);
        if (const auto* code = std::get_if<ClassCode>(&parsed); code && !(*code == codes.front()))
            codes.push_back(*code);
    }
    std::vector<ClassCode> kept;
    std::vector<Deviations> candidates;
    for (const ClassCode& code : codes) {
        if (const auto deviations = deviationsAt(code, diameter, edition)) {
            kept.push_back(code);
            candidates.push_back(*deviations);
        }
    }
    if (!fixed || candidates.empty())
        return std::nullopt;
    const auto match =
        nearestFit(fitOf(*holeDeviations, *shaftDeviations), candidates, *fixed, varied);
    const ClassPair found =
        holeBasis ? ClassPair{kept[match->index], basis} : ClassPair{basis, kept[match->index]};
    return OtherBasisFit{found, match->maximumShift, match->minimumShift,
                         found.hole == hole && found.shaft == shaft};
}

} // namespace tolerance
