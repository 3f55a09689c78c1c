// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/editions.h"
#include "tolerance/fit_finder.h"

#include <vector>

namespace tolerance {

// Which classes a search for fits takes in: the 65 of our table, or every class of the standard.
enum class ClassScope
{
    Table,
    Every,
};

// The classes of one side that may take part in a fit, and where each one's deviations come from.
struct Candidates
{
    std::vector<Candidate> classes;
    std::vector<Source> sources; // one per class, in the same order
};

// The classes of a side in scope that have a value at the size in the edition, with those
// deviations: the table's in list order, or the standard's letters in order, each grade from 01
// to 18.
Candidates candidatesAt(Side side, Length diameter, Edition edition, ClassScope scope);

} // namespace tolerance
