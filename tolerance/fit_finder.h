// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/classes.h"
#include "tolerance/fit.h"
#include "tolerance/length.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tolerance {

// The system of fits a drawing keeps to: any pair, the hole basis (the H holes) or the shaft
// basis (the h shafts).
enum class Basis
{
    Any,
    Hole,
    Shaft,
};

// What a fit must guarantee. Either clearance bound may be open; a negative clearance is an
// interference.
struct Requirement
{
    std::optional<Length> minimumClearance;
    std::optional<Length> maximumClearance;
    std::optional<FitType> type;
    Basis basis = Basis::Any;
};

// Whether the fit is of the type asked for and every clearance it allows, from its minimum to
// its maximum, lies within the bounds. The basis is a matter of the classes, not of the fit.
bool admits(const Requirement& requirement, const Fit& fit) noexcept;

// Whether a code is the basis of its side: the letter alone, then the grade ("H7", "h01").
bool isBasisClass(std::string_view code, Side side) noexcept;

// A class that may take part in a fit, with its deviations at the size searched.
struct Candidate
{
    std::string code;
    Deviations deviations;
};

// The classes of our table with a value for the range, in list order.
std::vector<Candidate> tableCandidates(Side side, std::size_t range);

// Points into the lists given to findFits.
struct FoundFit
{
    const Candidate* hole;
    const Candidate* shaft;
    Fit fit;
    bool preferred = false; // one of the commonly used pairs (preferred_fits.h)
};

// Every hole with every shaft whose fit meets the requirement. The commonly used pairs come
// first, as a designer looks there before anywhere else; within each part the widest fit
// tolerance first, as the cheapest to make that still does the job; ties keep the lists' order,
// hole first, then shaft.
std::vector<FoundFit> findFits(std::span<const Candidate> holes, std::span<const Candidate> shafts,
                               const Requirement& requirement);

// A pair found, by its places in the lists searched, for a caller that keeps lists of its own.
struct FitAt
{
    int hole;
    int shaft;
    Fit fit;
    bool preferred = false;
};

// findFits' answer, in its order, written over what found held. A caller that searches again and
// again hands back the same list: over every class of the standard an answer is some 200 000
// pairs, and memory already in use costs nothing to fill again, where fresh memory is paid for
// page by page.
void findFitsAt(std::span<const Candidate> holes, std::span<const Candidate> shafts,
                const Requirement& requirement, std::vector<FitAt>& found);

} // namespace tolerance
