// SPDX-License-Identifier: MIT
#include "tolerance/fit_finder.h"

#include "tolerance/preferred_fits.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace tolerance {

namespace {

// The places of the candidates of one side the basis lets through, in their order.
std::vector<std::size_t> onBasis(std::span<const Candidate> candidates, Side side, Basis basis)
{
    const bool filtered = (basis == Basis::Hole && side == Side::Hole) ||
                          (basis == Basis::Shaft && side == Side::Shaft);
    std::vector<std::size_t> kept;
    kept.reserve(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (!filtered || isBasisClass(candidates[i].code, side))
            kept.push_back(i);
    }
    return kept;
}

// The distinct tolerances among the kept candidates of a side, and each one's place among them.
// At one size a side has about one tolerance a grade, whatever its number of classes.
struct Widths
{
    std::vector<Length> distinct; // ascending
    std::vector<std::size_t> of;  // per kept candidate
};

Widths widthsOf(std::span<const Candidate> candidates, std::span<const std::size_t> kept)
{
    Widths widths;
    for (const std::size_t i : kept)
        widths.distinct.push_back(toleranceOf(candidates[i].deviations));
    std::sort(widths.distinct.begin(), widths.distinct.end());
    widths.distinct.erase(std::unique(widths.distinct.begin(), widths.distinct.end()),
                          widths.distinct.end());
    widths.of.reserve(kept.size());
    for (const std::size_t i : kept)
        widths.of.push_back(
            std::size_t(std::lower_bound(widths.distinct.begin(), widths.distinct.end(),
                                         toleranceOf(candidates[i].deviations)) -
                        widths.distinct.begin()));
    return widths;
}

// The search and the order findFits promises, each pair written as make(hole, shaft, fit,
// preferred) straight into its place in found. A fit's tolerance is the sum of its two classes'
// (fit.h), so the widths a search can meet are the few sums of the sides' distinct tolerances:
// the pairs are counted by rank in one pass and written where they belong in a second, with no
// list of every pair to sort and no room taken beyond the answer's own. Each rank keeps the order
// the pairs are met in, hole first, then shaft: the ties' order a stable sort would keep.
template <typename Found, typename Make>
void rankedFits(std::span<const Candidate> holes, std::span<const Candidate> shafts,
                const Requirement& requirement, std::vector<Found>& found, Make make)
{
    const auto keptHoles = onBasis(holes, Side::Hole, requirement.basis);
    const auto keptShafts = onBasis(shafts, Side::Shaft, requirement.basis);
    const Widths holeWidths = widthsOf(holes, keptHoles);
    const Widths shaftWidths = widthsOf(shafts, keptShafts);
    std::vector<Length> sums;
    sums.reserve(holeWidths.distinct.size() * shaftWidths.distinct.size());
    for (const Length hole : holeWidths.distinct)
        for (const Length shaft : shaftWidths.distinct)
            sums.push_back(hole + shaft);
    std::sort(sums.begin(), sums.end(), std::greater<>());
    sums.erase(std::unique(sums.begin(), sums.end()), sums.end());
    // rankOf[hole width × shaft widths + shaft width]: 0 for the widest sum.
    std::vector<std::size_t> rankOf;
    rankOf.reserve(holeWidths.distinct.size() * shaftWidths.distinct.size());
    for (const Length hole : holeWidths.distinct)
        for (const Length shaft : shaftWidths.distinct)
            rankOf.push_back(std::size_t(
                std::lower_bound(sums.begin(), sums.end(), hole + shaft, std::greater<>()) -
                sums.begin()));
    // The commonly used pairs take the first ranks, the rest the next as many.
    const std::size_t ranks = sums.size();
    const auto placeOf = [ranks](bool preferred, std::size_t rank) {
        return preferred ? rank : ranks + rank;
    };

    // Only a pair with a basis class can be commonly used, and most pairs have none: the table
    // is asked about those alone, and in the first pass only; the second follows its list.
    std::vector<bool> shaftIsBasis;
    shaftIsBasis.reserve(keptShafts.size());
    for (const std::size_t shaft : keptShafts)
        shaftIsBasis.push_back(isBasisClass(shafts[shaft].code, Side::Shaft));
    std::vector<std::pair<std::size_t, std::size_t>> preferredMet; // kept hole, kept shaft
    // One more than the places: counted one on, each becomes where its rank starts.
    std::vector<std::size_t> next(2 * ranks + 1, 0);
    for (std::size_t h = 0; h < keptHoles.size(); ++h) {
        const Candidate& hole = holes[keptHoles[h]];
        const bool holeIsBasis = isBasisClass(hole.code, Side::Hole);
        const std::size_t* rankRow = rankOf.data() + holeWidths.of[h] * shaftWidths.distinct.size();
        for (std::size_t s = 0; s < keptShafts.size(); ++s) {
            const Candidate& shaft = shafts[keptShafts[s]];
            const Fit fit = fitOf(hole.deviations, shaft.deviations);
            if (!admits(requirement, fit))
                continue;
            const bool preferred =
                (holeIsBasis || shaftIsBasis[s]) && isPreferredFit(hole.code, shaft.code);
            if (preferred)
                preferredMet.emplace_back(h, s);
            ++next[placeOf(preferred, rankRow[shaftWidths.of[s]]) + 1];
        }
    }
    for (std::size_t place = 1; place < next.size(); ++place)
        next[place] += next[place - 1];
    found.clear();
    found.resize(next.back());
    std::size_t preferredSeen = 0;
    for (std::size_t h = 0; h < keptHoles.size(); ++h) {
        const Candidate& hole = holes[keptHoles[h]];
        const std::size_t* rankRow = rankOf.data() + holeWidths.of[h] * shaftWidths.distinct.size();
        for (std::size_t s = 0; s < keptShafts.size(); ++s) {
            const Candidate& shaft = shafts[keptShafts[s]];
            const Fit fit = fitOf(hole.deviations, shaft.deviations);
            if (!admits(requirement, fit))
                continue;
            const bool preferred = preferredSeen < preferredMet.size() &&
                                   preferredMet[preferredSeen] == std::pair(h, s);
            if (preferred)
                ++preferredSeen;
            found[next[placeOf(preferred, rankRow[shaftWidths.of[s]])]++] =
                make(keptHoles[h], keptShafts[s], fit, preferred);
        }
    }
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
    std::vector<FoundFit> found;
    rankedFits(holes, shafts, requirement, found,
               [&](std::size_t hole, std::size_t shaft, const Fit& fit, bool preferred) {
                   return FoundFit{&holes[hole], &shafts[shaft], fit, preferred};
               });
    return found;
}

void findFitsAt(std::span<const Candidate> holes, std::span<const Candidate> shafts,
                const Requirement& requirement, std::vector<FitAt>& found)
{
    rankedFits(holes, shafts, requirement, found,
               [](std::size_t hole, std::size_t shaft, const Fit& fit, bool preferred) {
                   return FitAt{int(hole), int(shaft), fit, preferred};
               });
}

} // namespace tolerance
