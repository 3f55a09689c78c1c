// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

namespace tolerance {

// One limit deviation in mm exactly as the window shows it. Nothing formats these at run time:
// each is a fixed text of the tables.
using DeviationText = std::string_view;

inline constexpr DeviationText kZeroText = " 0";
inline constexpr DeviationText kPlusMinusText = "±";
inline constexpr DeviationText kUndefinedText = "  ---";

// An entry of a class table: what goes into the upper box, then the lower box.
struct DeviationPair
{
    DeviationText upper;
    DeviationText lower;

    friend constexpr bool operator==(const DeviationPair&, const DeviationPair&) = default;
};

enum class DeviationForm
{
    Signed,    // "+0.025", "-0.009", "+1.090": whole µm, never zero
    Zero,      // " 0"
    PlusMinus, // "±", the upper text of a JS/js entry
    Magnitude, // "0.003", "0.0045": the lower text of a JS/js entry
    Undefined, // "  ---"
    Invalid,   // anything else
};

// Which of the shapes a text has; strict, so a slip in a table shows up as Invalid.
DeviationForm formOf(DeviationText text) noexcept;

// The value of a Signed, Zero or Magnitude text in half micrometres (the finest step any text
// carries), read exactly from its digits; nothing for the other forms.
std::optional<int> halfMicrometres(DeviationText text) noexcept;

// A pair is both Signed/Zero with upper not below lower, or "±" over a Magnitude, or both
// Undefined.
bool isWellFormed(const DeviationPair& pair) noexcept;

} // namespace tolerance
