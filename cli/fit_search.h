// SPDX-License-Identifier: MIT
#pragma once

#include "cli/sizes.h"

#include "tolerance/editions.h"
#include "tolerance/fit_finder.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

// What --fits found at one size: the candidates of both sides with where each came from, and
// the fits that meet the requirement, pointing into them.
struct FitSearch
{
    std::string label;
    std::vector<tolerance::Candidate> holes;
    std::vector<tolerance::Candidate> shafts;
    std::vector<tolerance::Source> holeSources;
    std::vector<tolerance::Source> shaftSources;
    std::vector<tolerance::FoundFit> fits;

    // One source for the pair, or what each side's came from.
    std::string sourceOf(const tolerance::FoundFit& fit) const;
};

// The table's 65 classes, or with allClasses every class of the standard with a value at the
// size, in the edition asked for.
FitSearch searchFits(const Size& size, const tolerance::Requirement& requirement,
                     tolerance::Edition edition, bool allClasses);

} // namespace cli
