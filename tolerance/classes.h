// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/deviation_text.h"
#include "tolerance/size_ranges.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tolerance {

enum class Side
{
    Hole,
    Shaft
};

// A tolerance class with its 25 entries, one per size range in list order. Hole codes are
// written in capitals ("H7"), shaft codes in small letters ("h7"); the side is part of the class.
struct ToleranceClass
{
    std::string_view code;   // "H7", as the class list shows it
    std::string_view module; // "M_H07A": the name the class is known by in the program
    Side side;
    std::array<DeviationPair, kSizeRangeCount> entries;
};

// The 34 hole classes, "B10" to "X7", and the 31 shaft classes, "b9" to "x6", in list order.
std::span<const ToleranceClass> holeClasses() noexcept;
std::span<const ToleranceClass> shaftClasses() noexcept;
std::span<const ToleranceClass> classesOf(Side side) noexcept;

// Indices into classesOf(side) in the order the dispatch tests the codes. It differs from the
// list order only on the shaft side, where "d9" is tried before "d8"; as the codes are distinct
// the outcome is the same.
std::span<const std::size_t> dispatchOrder(Side side) noexcept;

// The class whose code equals code exactly (case-sensitive, whole text), or nullptr.
const ToleranceClass* findClass(Side side, std::string_view code) noexcept;

// What a class writes for the side's current range text: its entry for the first label equal to
// rangeText, or nothing when no label is equal (the boxes then keep what they show).
std::optional<DeviationPair> ShowDeviations(const ToleranceClass& cls,
                                            std::string_view rangeText) noexcept;

} // namespace tolerance
