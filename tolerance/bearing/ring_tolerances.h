// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"

#include <optional>
#include <string_view>
#include <variant>

// A rolling bearing's rings as a side of a fit: the single-plane mean bore deviation Δdmp of the
// inner ring, the mean outside-diameter deviation ΔDmp of the outer ring and the ring width
// deviation ΔBs (ΔCs), after JIS B 1514-1 (= ISO 492). Every upper deviation is 0.
namespace tolerance::bearing {

// JIS writes the classes 0, 6, 5, 4, 2 (0 is ISO's "Normal"); 6X exists for tapered roller
// bearings only, with class 0's diameters and narrower widths.
enum class AccuracyClass
{
    Class0,
    Class6X,
    Class6,
    Class5,
    Class4,
    Class2,
};

// "0", "6X", "6", "5", "4", "2"; also "P0" … "P2", "P6X" and "normal", letter case ignored.
std::optional<AccuracyClass> accuracyClassNamed(std::string_view text) noexcept;

// "0", "6X", "6" …, as JIS writes the class.
std::string_view nameOf(AccuracyClass accuracy) noexcept;

enum class Ring
{
    Inner,
    Outer,
};

// Radial bearings of every type but tapered roller bearings, which have tables of their own.
enum class Construction
{
    Radial,
    TaperedRoller,
};

enum class TableFault
{
    ClassNotInTable, // 6X for a radial bearing, or 2 for a tapered roller bearing
    SizeOutside,     // a diameter the class's table has no step for
};

using RingAnswer = std::variant<Deviations, TableFault>;

// Δdmp of an inner ring (by its bore d) or ΔDmp of an outer ring (by its outside diameter D).
RingAnswer meanDiameterDeviation(Construction construction, Ring ring, AccuracyClass accuracy,
                                 Length diameter) noexcept;

// ΔBs of a single radial bearing's inner ring, by its bore; its outer ring's ΔCs is the same.
// What a chain of dimensions takes for the width of a bearing of that class.
RingAnswer widthDeviation(AccuracyClass accuracy, Length bore) noexcept;

// A tapered roller bearing's ΔBs (inner ring) or ΔCs (outer ring), both by the bore.
RingAnswer taperedWidthDeviation(Ring ring, AccuracyClass accuracy, Length bore) noexcept;

// The diameters a class's table covers, for a message: over `from` up to and including `to`.
struct Coverage
{
    Length from;
    Length to;
};
std::optional<Coverage> coverageOf(Construction construction, Ring ring,
                                   AccuracyClass accuracy) noexcept;

// "JIS B 1514-1 (ISO 492) radial bearings" or "… tapered roller bearings".
std::string_view standardOf(Construction construction) noexcept;

} // namespace tolerance::bearing
