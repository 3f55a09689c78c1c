// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/editions.h"
#include "tolerance/fit.h"
#include "tolerance/iso286.h"

#include <cstddef>
#include <optional>
#include <span>

// The same fit in the other system: a hole-basis H(m)/x(n) becomes the shaft-basis X(m)/h(n)
// and back. ISO 286-1 gives the holes J to ZC their Δ so that the two have the same clearances
// where the hole is one grade coarser (H7/p6 and P7/h6); elsewhere they may differ by a few µm.
namespace tolerance {

struct ClassPair
{
    ClassCode hole;
    ClassCode shaft;
};

// The pair of the other system, or nothing when neither class is the basis of its side. A pair
// of both systems (H7/h6) is its own.
std::optional<ClassPair> mirroredPair(const ClassCode& hole, const ClassCode& shaft);

// How a candidate's fit differs from the one it stands for: its clearances less the given ones.
struct BasisMatch
{
    std::size_t index; // into the candidates
    Length maximumShift;
    Length minimumShift;

    bool same() const noexcept { return maximumShift == 0 && minimumShift == 0; }
};

// The candidate of the other side whose fit with the fixed basis class comes nearest to target:
// the least sum of both shifts, the earlier candidate on a tie. Nothing for no candidates.
std::optional<BasisMatch> nearestFit(const Fit& target, std::span<const Deviations> candidates,
                                     const Deviations& fixed, Side candidatesSide) noexcept;

// The same fit in the other system at a size, always a pair of our table's 65 classes: a pair
// with the same clearances wherever one exists (the mirrored grades first, H7/g6 as G7/h6, then
// the grades swapped, H7/js6 as JS6/h7, then any other), else the pair nearest to it, by the
// least sum of how far its maximum and its minimum clearance differ; on a tie the one with the
// mirrored letters (C10/h9 for H11/c11), then the mirrored grades, then the swapped ones, then the
// table's order, basis class first.
struct OtherBasisFit
{
    ClassPair pair;
    Length maximumShift; // its clearances less the given pair's
    Length minimumShift;
    bool ownPair; // a pair of both systems, such as H7/h6

    bool same() const noexcept { return maximumShift == 0 && minimumShift == 0; }
};

// Nothing when neither class is a basis, when a class has no value at the size, or when no pair
// of our classes in the other system has one.
std::optional<OtherBasisFit> otherBasisFit(const ClassCode& hole, const ClassCode& shaft,
                                           Length diameter, Edition edition);

} // namespace tolerance
