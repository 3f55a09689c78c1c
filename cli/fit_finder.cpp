#include "cli/fit_finder.h"

#include <algorithm>

namespace cli {

using tolerance::Side;
using tolerance::ToleranceClass;

std::vector<FoundFit> findFits(std::size_t range, const Requirement& requirement)
{
    std::vector<FoundFit> found;
    for (const ToleranceClass& hole : tolerance::classesOf(Side::Hole)) {
        const auto holeDeviations = deviationsOf(hole.entries[range]);
        if (!holeDeviations)
            continue;
        for (const ToleranceClass& shaft : tolerance::classesOf(Side::Shaft)) {
            const auto shaftDeviations = deviationsOf(shaft.entries[range]);
            if (!shaftDeviations)
                continue;
            const Fit fit = fitOf(*holeDeviations, *shaftDeviations);
            if (admits(requirement, hole, shaft, fit))
                found.push_back({&hole, &shaft, fit});
        }
    }
    const auto width = [](const FoundFit& f) {
        return f.fit.maximumClearance - f.fit.minimumClearance;
    };
    std::stable_sort(found.begin(), found.end(),
                     [&](const FoundFit& a, const FoundFit& b) { return width(a) > width(b); });
    return found;
}

} // namespace cli
