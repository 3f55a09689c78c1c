// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"

#include <optional>
#include <string_view>
#include <vector>

// The shaft and housing classes the makers' tables recommend for a radial bearing's load case:
// which ring the load turns with, how heavy it is, and the rolling elements.
namespace tolerance::bearing {

enum class LoadCase
{
    RotatingInner, // the load turns with the inner ring (or stands while the outer ring turns)
    RotatingOuter, // the load turns with the outer ring: a wheel on a standing axle
    Indeterminate, // its direction unknown or changing
};

// Light: P ≤ 0.06 Cr, normal: 0.06 Cr to 0.13 Cr, heavy or shock: over 0.13 Cr (Cr the basic
// dynamic load rating).
enum class LoadSize
{
    Light,
    Normal,
    Heavy,
};

// "rotating-inner", "rotating-outer", "indeterminate"; "light", "normal", "heavy".
std::optional<LoadCase> loadCaseNamed(std::string_view text) noexcept;
std::optional<LoadSize> loadSizeNamed(std::string_view text) noexcept;
std::string_view nameOf(LoadCase load) noexcept;
std::string_view nameOf(LoadSize size) noexcept;

struct Recommendation
{
    std::vector<std::string_view> shaft;   // the first the table's first choice: "k5", "k6"
    std::vector<std::string_view> housing; // "H7", "H8"
    std::string_view source;
    std::string_view note; // what the tables add: where the sources differ, what to watch
};

// For a solid steel shaft and a solid cast iron or steel housing, as the tables are made.
// Nothing where they have no row: a heavy load on a ball bearing, a roller bearing under 50 mm
// under a heavy load, a bore past the table.
std::optional<Recommendation> recommendedFits(LoadCase load, LoadSize size, bool roller,
                                              Length bore);

// The housing's classes, the source and the note of a load case, whatever the bearing: the
// shaft's are left empty.
Recommendation housingRecommendation(LoadCase load, LoadSize size, bool roller);

// One shaft row of a load case, for a listing without a bearing: bores over `over` up to
// `upTo` mm (0 and 0 for every bore), the classes one space between each.
struct ShaftRow
{
    bool roller;
    double over;
    double upTo;
    std::string_view classes;
};
std::vector<ShaftRow> shaftRows(LoadCase load, LoadSize size);

} // namespace tolerance::bearing
