// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/bearing/ring_tolerances.h"
#include "tolerance/length.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

// A bearing by its number: the type and series its number names and its boundary dimensions
// after JIS B 1512 (ISO 15; ISO 355 for tapered roller bearings).
namespace tolerance::bearing {

enum class BearingType
{
    DeepGrooveBall,
    AngularContactBall,
    SelfAligningBall,
    CylindricalRoller,
    TaperedRoller,
};

// "deep groove ball", "cylindrical roller" …
std::string_view nameOf(BearingType type) noexcept;

constexpr bool isRoller(BearingType type) noexcept
{
    return type == BearingType::CylindricalRoller || type == BearingType::TaperedRoller;
}

constexpr Construction constructionOf(BearingType type) noexcept
{
    return type == BearingType::TaperedRoller ? Construction::TaperedRoller : Construction::Radial;
}

struct Bearing
{
    std::string number; // as the table writes it: "6206", "NU2206", "30206"
    BearingType type;
    std::string series;               // "62", "NU22", "302" …
    std::string_view dimensionSeries; // "02", "22" … of ISO 15 (ISO 355's for tapered)
    Length bore;                      // d
    Length outside;                   // D
    Length width;                     // B: the inner ring's width
    std::optional<Length> totalWidth; // T of a tapered roller bearing
    std::optional<Length> cupWidth;   // C of a tapered roller bearing: its outer ring's
    std::string_view source;
};

enum class NumberFault
{
    NotANumber,    // no series and bore code we read
    UnknownSeries, // a series we have no dimensions of
    SizeOutside,   // a bore code the series' table has no row for
};

// "6206", "6206ZZ" (the suffix after the bore code is left aside), "NU 2206", "30206J",
// letter case and spaces ignored.
std::variant<Bearing, NumberFault> bearingNamed(std::string_view number);

// "60, 62, 63, 160, 70, 72, 73, NU2, NU3, NU22 (and N, NJ), 302, 303, 322, 12, 13, 22".
std::string_view knownSeries() noexcept;

} // namespace tolerance::bearing
