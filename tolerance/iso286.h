// SPDX-License-Identifier: MIT
#pragma once

// Any tolerance class of ISO 286-1:2010 at any nominal size up to 3150 mm, worked out from the
// standard's tables of tolerance grades and fundamental deviations by its rules. Nothing here
// reads the fixed 1625-entry table; editions.h sets the two side by side.
#include "tolerance/classes.h"
#include "tolerance/length.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tolerance {

inline constexpr int kGradeIT01 = -1; // IT01 is the grade before IT0
inline constexpr int kFinestGrade = kGradeIT01;
inline constexpr int kCoarsestGrade = 18;
inline constexpr Length kLargestSize = 3150 * kNanometresPerMm;

// A fundamental deviation and a grade: letters in capitals for a hole ("JS"), small for a shaft.
struct ClassCode
{
    Side side;
    std::string letters;
    int grade; // kGradeIT01 stands for "01"

    friend bool operator==(const ClassCode&, const ClassCode&) = default;
};

// "H7", "js16", "h01", "H0".
std::string textOf(const ClassCode& code);

// Why a text names no class; message is a sentence fragment such as
// "no tolerance class has the letter Q".
struct ClassCodeError
{
    enum class Kind
    {
        Empty,
        NoSuchLetter, // "Q7", "Hh7", "Js7"
        NoGrade,      // "h"
        NoSuchGrade,  // "H19", "H07", "H7x"
    };
    Kind kind;
    std::string message;
};

// A code as ISO 286 writes it: letters of one case, then 01, 0, 1 … 18. No spaces are skipped.
std::variant<ClassCode, ClassCodeError> parseClassCode(std::string_view text);

// The letters of every fundamental deviation of a side in the standard's order, "A" … "ZC".
std::span<const std::string_view> fundamentalDeviationLetters(Side side) noexcept;

// ITn for a nominal size over 0 up to 3150 mm; nothing where the standard gives no value
// (IT01 and IT0 over 500 mm, IT14 to IT18 up to 1 mm).
std::optional<Length> standardTolerance(int grade, Length diameter) noexcept;

// The limit deviations of a class at a nominal size, or nothing where the rules give none.
std::optional<Deviations> deviationsOf(const ClassCode& code, Length diameter) noexcept;

// JS and js: the class lies evenly about the zero line.
bool isPlusMinus(const ClassCode& code) noexcept;

// The nominal-size steps, over lower up to and including upper, fine enough that no
// fundamental deviation changes within one: the 25 ranges of the class table, then 16 to 3150 mm.
struct SizeStep
{
    Length lower;
    Length upper;
    std::string_view label; // "560～630"
};
inline constexpr std::size_t kSizeStepCount = 41;
std::span<const SizeStep> sizeSteps() noexcept;
std::optional<std::size_t> stepOf(Length diameter) noexcept;

// Every fundamental deviation of a side with every grade, in the standard's order of letters,
// then by grade from 01 to 18; many have no value at a given size.
std::vector<ClassCode> everyClass(Side side);

// Every class of a side with a value at a nominal size, in the standard's order of letters, then
// by grade from 01 to 18.
std::vector<ClassCode> classesAt(Side side, Length diameter);

} // namespace tolerance
