// SPDX-License-Identifier: MIT
#pragma once

// The figures of ISO 286-1:2010 that the rules work from, all in one place (tables.cpp).
#include "tolerance/iso286.h"

#include <array>
#include <climits>
#include <cstddef>
#include <string_view>

namespace tolerance::tables {

inline constexpr int kNone = INT_MIN; // the standard gives no value here

// The main size steps of the tolerance grades: to 3, 6, 10, 18, 30, 50 … 2500, 3150 mm.
inline constexpr std::size_t kMainStepCount = 21;
inline constexpr std::size_t kGradeCount = 20; // IT01, IT0, IT1 … IT18
inline constexpr std::size_t kStepsTo500 = 25; // the steps of the class table

// A value in µm for each of the 41 size steps.
using StepRow = std::array<int, kSizeStepCount>;

struct LetterRow
{
    std::string_view letters; // as a shaft writes them
    StepRow micrometres;
};

struct GradesRow
{
    int firstGrade;
    int lastGrade;
    StepRow micrometres;
};

extern const std::array<SizeStep, kSizeStepCount> kSteps;
extern const std::array<std::size_t, kSizeStepCount> kMainStepOf;
extern const std::array<std::array<Length, kMainStepCount>, kGradeCount> kStandardTolerances;
extern const std::array<LetterRow, 11> kShaftUpperDeviations;
extern const std::array<LetterRow, 14> kShaftLowerDeviations;
extern const StepRow kShaftKLowerIT4ToIT7;
extern const std::array<GradesRow, 3> kShaftJLowerDeviations;
extern const std::array<GradesRow, 3> kHoleJUpperDeviations;
extern const std::array<std::array<Length, 6>, 13> kDeltas;

inline constexpr int kFirstDeltaGrade = 3;
inline constexpr int kLastDeltaGrade = 8;

inline constexpr std::size_t gradeIndex(int grade) noexcept
{
    return static_cast<std::size_t>(grade - kGradeIT01);
}

} // namespace tolerance::tables
