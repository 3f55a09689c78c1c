#pragma once

#include "cli/fit.h"
#include "cli/requirement.h"

#include "tolerance/classes.h"

#include <cstddef>
#include <vector>

namespace cli {

struct FoundFit
{
    const tolerance::ToleranceClass* hole;
    const tolerance::ToleranceClass* shaft;
    Fit fit;
};

// Every hole class with every shaft class, both defined for the range, whose fit meets the
// requirement. The widest fit tolerance (maximum less minimum clearance) comes first, as the
// cheapest to make that still does the job; ties keep the lists' order, hole first, then shaft.
std::vector<FoundFit> findFits(std::size_t range, const Requirement& requirement);

} // namespace cli
