// SPDX-License-Identifier: MIT
#pragma once

// The tables of JIS B 0405 and JIS B 0419, all in one place (tables.cpp).
#include "tolerance/general/general_tolerance.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tolerance::general::tables {

inline constexpr std::int32_t kNone = -1; // "—": the class gives no value at this step
inline constexpr std::size_t kMostSteps = 8;

// A class's value at each of its table's steps, in the table's unit; cells past the table's
// steps stay 0 and are never read.
struct Row
{
    GeneralClass generalClass;
    std::array<std::int32_t, kMostSteps> cells;
};

struct Table
{
    std::span<const Step> steps;
    std::span<const Row> rows;
    std::int64_t unit; // what one of a cell is: a micrometre in nanometres, or a minute of arc
};

const Table& tableOf(Kind kind) noexcept;

} // namespace tolerance::general::tables
