// SPDX-License-Identifier: MIT
#include "tolerance/other_basis.h"

#include "tolerance/classes.h"

#include <cstdlib>
#include <utility>
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

namespace {

// A pair of the other system, its deviations at the size, in the order it is preferred.
struct Offer
{
    ClassPair pair;
    Deviations hole;
    Deviations shaft;
};

// Our classes of a side with their deviations at the size, each looked up once.
using Known = std::vector<std::pair<ClassCode, Deviations>>;

Known oursAt(Side side, bool basisOnly, Length diameter, Edition edition)
{
    Known known;
    for (const ToleranceClass& cls : classesOf(side)) {
        const auto parsed = parseClassCode(cls.code);
        const auto* code = std::get_if<ClassCode>(&parsed);
        if (!code || (basisOnly && !isBasis(*code)))
            continue;
        if (const auto deviations = deviationsAt(*code, diameter, edition))
            known.push_back({*code, *deviations});
    }
    return known;
}

const Deviations* find(const Known& known, const ClassCode& code)
{
    for (const auto& [c, deviations] : known)
        if (c == code)
            return &deviations;
    return nullptr;
}

// The mirrored grades, the swapped grades, then every pair of our classes in the other system.
std::vector<Offer> offersFor(const ClassPair& mirrored, Length diameter, Edition edition)
{
    const bool shaftBasis = isBasis(mirrored.shaft) && !isBasis(mirrored.hole);
    const ClassPair swapped{{mirrored.hole.side, mirrored.hole.letters, mirrored.shaft.grade},
                            {mirrored.shaft.side, mirrored.shaft.letters, mirrored.hole.grade}};
    const Known bases = oursAt(shaftBasis ? Side::Shaft : Side::Hole, true, diameter, edition);
    const Known others = oursAt(shaftBasis ? Side::Hole : Side::Shaft, false, diameter, edition);
    const Known& holes = shaftBasis ? others : bases;
    const Known& shafts = shaftBasis ? bases : others;
    std::vector<Offer> offers;
    for (const ClassPair& pair : {mirrored, swapped}) {
        const Deviations* hole = find(holes, pair.hole);
        const Deviations* shaft = find(shafts, pair.shaft);
        if (hole && shaft)
            offers.push_back({pair, *hole, *shaft});
    }
    for (const auto& [basis, basisDeviations] : bases)
        for (const auto& [other, otherDeviations] : others)
            offers.push_back(shaftBasis ? Offer{{other, basis}, otherDeviations, basisDeviations}
                                        : Offer{{basis, other}, basisDeviations, otherDeviations});
    return offers;
}

} // namespace

std::optional<OtherBasisFit> otherBasisFit(const ClassCode& hole, const ClassCode& shaft,
                                           Length diameter, Edition edition)
{
    const auto mirrored = mirroredPair(hole, shaft);
    const auto holeDeviations = deviationsAt(hole, diameter, edition);
    const auto shaftDeviations = deviationsAt(shaft, diameter, edition);
    if (!mirrored || !holeDeviations || !shaftDeviations)
        return std::nullopt;
    if (isBasis(hole) && isBasis(shaft))
        return OtherBasisFit{{hole, shaft}, 0, 0, true};
    const Fit target = fitOf(*holeDeviations, *shaftDeviations);
    // Nearest first; on a tie the letters of the mirrored class (C10/h9 rather than B10/h9 for
    // H11/c11), then the order of the offers.
    const auto rank = [&](const OtherBasisFit& f) {
        const bool sameLetters = f.pair.hole.letters == mirrored->hole.letters &&
                                 f.pair.shaft.letters == mirrored->shaft.letters;
        return std::pair(std::abs(f.maximumShift) + std::abs(f.minimumShift), !sameLetters);
    };
    std::optional<OtherBasisFit> best;
    for (const Offer& offer : offersFor(*mirrored, diameter, edition)) {
        const Fit fit = fitOf(offer.hole, offer.shaft);
        const OtherBasisFit candidate{offer.pair, fit.maximumClearance - target.maximumClearance,
                                      fit.minimumClearance - target.minimumClearance, false};
        if (!best || rank(candidate) < rank(*best))
            best = candidate;
        if (best->same())
            break;
    }
    return best;
}

} // namespace tolerance
