// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/given_limits.h"
#include "tolerance/iso286.h"
#include "tolerance/length.h"

#include <optional>
#include <string>
#include <variant>

// One member of a dimension chain as a designer gives it, and as the chain's arithmetic needs it.
namespace tolerance::stack {

// The largest nominal size a member may have; a class of ISO 286 stops at 3150 mm.
inline constexpr Length kLargestNominal = 10'000 * kNanometresPerMm;
inline constexpr std::size_t kNominalDecimals = 4;

// A member as typed, every field UTF-8 text: the window's cells, or a chain file's values.
struct MemberText
{
    std::string name;
    std::string direction;   // "+" lengthens the closing dimension, "-" shortens it
    std::string nominal;     // mm
    std::string tolerance;   // "H8", "h7", "+0.1/-0.05", "±0.05", "m", "bearing:0 6204"
    std::string material;    // a name of the library; empty: none
    std::string temperature; // °C; empty: 20 °C
    // The member's object in the file it came from, whose keys of its own a save keeps.
    std::string keptJson;

    friend bool operator==(const MemberText&, const MemberText&) = default;
};

enum class ToleranceKind
{
    Class,   // an ISO 286 class: capitals for an inner feature, small letters for an outer one
    Limits,  // limit deviations in mm, as a catalogue gives them
    General, // a drawing's general tolerance for sizes, JIS B 0405 f, m, c or v alone
    Bearing, // a rolling bearing's width: ΔBs of its class by its bore (JIS B 1514-1, ISO 492)
};

struct Member
{
    std::string name;
    int sign = 1; // +1: lengthens the closing dimension; -1: shortens it
    Length nominal = 0;
    Deviations deviations{0, 0}; // at 20 °C
    ToleranceKind kind = ToleranceKind::Limits;
    std::string tolerance;         // as typed, read as ASCII: "h9", "bearing:0 6204"
    std::string material;          // the library's spelling; empty without
    std::optional<double> celsius; // the working temperature; nothing: 20 °C
    Length growth = 0;             // how much the member grows at its temperature

    // Tolerance width at its temperature (the same as at 20 °C: the zone moves, it keeps its size).
    Length width() const { return deviations.upper - deviations.lower; }
};

enum class Field
{
    Direction,
    Nominal,
    Tolerance,
    Material,
    Temperature,
};

enum class Fault
{
    Empty,            // a field that must be given is empty
    NotADirection,    // neither "+" nor "-"
    NotANumber,       // not a decimal such as 12.5
    TooManyDecimals,  // a nominal finer than 0.0001 mm
    Negative,         // a nominal below 0
    TooLarge,         // a nominal over kLargestNominal, a temperature beyond 10 000 °C
    NoSuchClass,      // a code ISO 286 does not have: classError says why
    ClassNeedsSize,   // a class on a nominal of 0 or over 3150 mm
    NoValueAtSize,    // a class the standard gives no value at this size ("K9" over 3 mm)
    BadLimits,        // limits that do not read: limits says why
    GeneralOutside,   // a general class on a nominal outside its table's 0.5 to 4000 mm
    GeneralNoValue,   // a general class whose table has "—" at this nominal ("v" up to 3 mm)
    BearingNeedsBore, // "bearing:0" alone: ΔBs goes by the bore ("bearing:0 d20", "bearing:0 6204")
    BearingClass,     // no accuracy class of JIS B 1514-1 ("bearing:7 d20")
    BearingNumber,    // a bearing number we do not know, or no number
    BearingOutside,   // a bore the class's table has no step for
    BearingWidth,     // the nominal is not the width of the bearing named: expected holds B
    BearingTapered,   // a tapered roller bearing's assembled width T has a tolerance of its own
    UnknownMaterial,
    BelowAbsoluteZero,
    TemperatureWithoutMaterial,
};

struct MemberFault
{
    Field field;
    Fault fault;
    std::optional<ClassCodeError> classError;
    std::optional<LimitsFault> limits;
    std::optional<Length> expected; // BearingWidth: the width the bearing has
};

// The member a text describes, or its first fault in the order of the fields.
std::variant<Member, MemberFault> readMember(const MemberText& text);

// The tolerance alone at a nominal: what a table shows beside the cell as it is typed.
std::variant<Deviations, MemberFault> readTolerance(std::string_view tolerance, Length nominal);

// "+" or "-" as typed, full-width and the minus sign included: +1 or -1, or nothing.
std::optional<int> readDirection(std::string_view direction);

// A nominal as typed: mm over or at 0 up to kLargestNominal, at most four decimals.
std::variant<Length, MemberFault> readNominal(std::string_view nominal);

} // namespace tolerance::stack
