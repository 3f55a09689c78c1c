// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

// General tolerances: what a drawing's note "JIS B 0405-m" or "JIS B 0419-K" allows every size,
// broken edge, angle and form that carries no tolerance of its own. The figures are the tables'
// (general/tables.cpp, each row with its sources); nothing here is worked out by a formula.
namespace tolerance::general {

// The classes by the standards' own letters: f, m, c, v of JIS B 0405 (= ISO 2768-1) for sizes,
// edges and angles; H, K, L of JIS B 0419 (= ISO 2768-2) for form and orientation.
enum class GeneralClass : std::uint8_t
{
    f, // fine, 精級
    m, // medium, 中級
    c, // coarse, 粗級
    v, // very coarse, 極粗級
    H,
    K,
    L,
};

// What the tolerance is for, and by which length its table is entered.
enum class Kind : std::uint8_t
{
    Linear,           // a length other than a broken edge, by itself (JIS B 0405 table 1)
    Chamfer,          // a broken edge: a chamfer's height or an edge's radius (table 2)
    Angle,            // by the length of the angle's shorter side (table 3)
    Straightness,     // by the line's length (JIS B 0419 table 1)
    Flatness,         // the same table, by a rectangle's longer side or a circle's diameter
    Perpendicularity, // by the shorter of the two sides, the longer the datum (table 2)
    Symmetry,         // by the length of the shorter feature (table 3)
    Runout,           // circular run-out: one value a class, whatever the size (table 4)
};

enum class Standard : std::uint8_t
{
    JisB0405, // = ISO 2768-1
    JisB0419, // = ISO 2768-2, which ISO withdrew (ISO 22081 replaces it); the JIS stands
};

// The letter exactly as the standard writes it ("m", "K"); nothing for anything else.
std::optional<GeneralClass> generalClassNamed(std::string_view letter) noexcept;
std::string_view nameOf(GeneralClass generalClass) noexcept;

// "linear", "chamfer", "angle", "straightness", "flatness", "perpendicularity", "symmetry",
// "runout".
std::optional<Kind> kindNamed(std::string_view name) noexcept;
std::string_view nameOf(Kind kind) noexcept;

Standard standardOf(Kind kind) noexcept;
Standard standardOf(GeneralClass generalClass) noexcept;
// "JIS B 0405:1991 (ISO 2768-1:1989)", "JIS B 0419:1991 (ISO 2768-2:1989)".
std::string_view designationOf(Standard standard) noexcept;

inline constexpr Length kNoEnd = std::numeric_limits<Length>::max();

// One size step of a table: every size over `over` up to and including `upTo`, as the standards
// word their steps ("30 を超え 120 以下"). The first step of JIS B 0405's sizes and edges holds
// its lower bound too ("0.5 以上 3 以下"); a last step without an upper bound ends at kNoEnd.
struct Step
{
    Length over;
    Length upTo;
    bool holdsOver = false;

    bool holds(Length size) const noexcept
    {
        return (size > over || (holdsOver && size == over)) && size <= upTo;
    }
};

// A kind's steps, smallest first (one step over all sizes for run-out).
std::span<const Step> stepsOf(Kind kind) noexcept;

// What the table says for a class and a size.
struct GeneralTolerance
{
    GeneralClass generalClass;
    Kind kind;
    Step step;
    // Nothing where the table has "—": the class gives no value at this step. Otherwise ±value
    // in nanometres for a size or an edge, ±value in minutes of arc for an angle, and the width
    // of the tolerance zone in nanometres for a geometrical tolerance.
    std::optional<std::int64_t> value;
};

enum class GeneralFault : std::uint8_t
{
    OtherStandard, // f, m, c, v asked for form or orientation, or H, K, L for a size or an angle
    BelowTable,    // under the first step: under 0.5 mm for a size or an edge, 0 for the rest
    AboveTable,    // over the last step: over 4000 mm for a size, over 3000 mm for form
    NoValue,       // only from linearLimits: "—" in the table
};

std::variant<GeneralTolerance, GeneralFault> generalTolerance(GeneralClass generalClass, Kind kind,
                                                              Length size) noexcept;

// A member of a chain written as a bare class (f, m, c, v): the symmetric limit deviations of
// JIS B 0405's linear sizes at its nominal size, or why there are none (a class of JIS B 0419,
// a size outside 0.5 to 4000 mm, "—" in the table).
std::variant<Deviations, GeneralFault> linearLimits(GeneralClass generalClass,
                                                    Length nominal) noexcept;

// The deviations of a size or an edge (+value/−value), and of a geometrical tolerance, whose
// zone is its value wide (+value/0); nothing for an angle or a "—".
std::optional<Deviations> deviationsOf(const GeneralTolerance& tolerance) noexcept;

// "0.5～3", "30～120", "～10" (up to 10), "400～" (over 400); empty for the one step of all sizes.
std::string stepLabel(const Step& step);

// As the tables print the figure: "±0.3", "±0°30′", "±1°", "0.4" (a zone's width), "—".
std::string toleranceText(const GeneralTolerance& tolerance);

// Each limit alone: "+0.3" and "-0.3", "+0°30′" and "-0°30′", "0.4" and "0"; "—" for none.
std::string upperText(const GeneralTolerance& tolerance);
std::string lowerText(const GeneralTolerance& tolerance);

} // namespace tolerance::general
