// SPDX-License-Identifier: MIT
#include "cli/fit_search.h"

#include "cli/answer.h"

#include "tolerance/candidates.h"

#include <algorithm>

namespace cli {

using tolerance::Side;

namespace {

void addCandidates(Side side, const Size& size, tolerance::Edition edition, bool allClasses,
                   std::vector<tolerance::Candidate>& candidates,
                   std::vector<tolerance::Source>& sources)
{
    tolerance::Candidates found = tolerance::candidatesAt(
        side, size.nominal(), edition,
        allClasses ? tolerance::ClassScope::Every : tolerance::ClassScope::Table);
    candidates = std::move(found.classes);
    sources = std::move(found.sources);
}

} // namespace

std::string FitSearch::sourceOf(const tolerance::FoundFit& fit) const
{
    const auto hole = holeSources[std::size_t(fit.hole - holes.data())];
    const auto shaft = shaftSources[std::size_t(fit.shaft - shafts.data())];
    if (hole == shaft)
        return std::string(nameOf(hole));
    return "hole: " + std::string(nameOf(hole)) + "; shaft: " + std::string(nameOf(shaft));
}

namespace {

FitSearch searchStep(const Size& size, const tolerance::Requirement& requirement,
                     tolerance::Edition edition, bool allClasses)
{
    FitSearch search{size.label(), {}, {}, {}, {}, {}};
    addCandidates(Side::Hole, size, edition, allClasses, search.holes, search.holeSources);
    addCandidates(Side::Shaft, size, edition, allClasses, search.shafts, search.shaftSources);
    search.fits = tolerance::findFits(search.holes, search.shafts, requirement);
    return search;
}

bool sameFits(const FitSearch& a, const FitSearch& b)
{
    return std::ranges::equal(a.fits, b.fits, [](const auto& x, const auto& y) {
        return x.hole->code == y.hole->code && x.shaft->code == y.shaft->code &&
               x.fit.maximumClearance == y.fit.maximumClearance &&
               x.fit.minimumClearance == y.fit.minimumClearance;
    });
}

} // namespace

FitSearch searchFits(const Size& size, const tolerance::Requirement& requirement,
                     tolerance::Edition edition, bool allClasses)
{
    FitSearch search = searchStep(size, requirement, edition, allClasses);
    if (size.first != size.range)
        for (const Size& step : stepsOf(size))
            if (!sameFits(search, searchStep(step, requirement, edition, allClasses)))
                throwNotOneAnswer(size, "the fits found");
    return search;
}

} // namespace cli
