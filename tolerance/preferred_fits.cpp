// SPDX-License-Identifier: MIT
#include "tolerance/preferred_fits.h"

#include <array>

namespace tolerance {

namespace {

// The commonly used fits of JIS B 0401 (常用する穴基準はめあい, 常用する軸基準はめあい), hole
// basis first, each basis class's mates in letter order. Taken from MISUMI's technical data
// "Dimensional Tolerances and Fitting" (excerpted from JIS B 0401-1, -2:1998) and checked against
// Sumitomo Electric's "Dimensional Tolerances for Regularly Used Fits" (from JIS B 0401:1999),
// whose 31 shafts are the hole-basis mates below, and DME's "Commonly used hole-basis /
// shaft-basis system of fits", which agrees on the H6, h5 and h6 rows.
constexpr std::array kGroups{
    PreferredGroup{"H6", "f6 g5 g6 h5 h6 js5 js6 k5 k6 m5 m6 n6 p6"},
    PreferredGroup{"H7", "e7 f6 f7 g6 h6 h7 js6 js7 k6 m6 n6 p6 r6 s6 t6 u6 x6"},
    PreferredGroup{"H8", "d9 e8 e9 f7 f8 h7 h8"},
    PreferredGroup{"H9", "c9 d8 d9 e8 e9 h8 h9"},
    PreferredGroup{"H10", "b9 c9 d9"},
    PreferredGroup{"h5", "H6 JS6 K6 M6 N6 P6"},
    PreferredGroup{"h6", "F6 F7 G6 G7 H6 H7 JS6 JS7 K6 K7 M6 M7 N6 N7 P6 P7 R7 S7 T7 U7 X7"},
    PreferredGroup{"h7", "E7 F7 F8 H7 H8"},
    PreferredGroup{"h8", "D8 D9 E8 E9 F8 H8 H9"},
    PreferredGroup{"h9", "B10 C9 C10 D8 D9 D10 E8 E9 H8 H9"},
};

bool listed(std::string_view mates, std::string_view code) noexcept
{
    while (!mates.empty()) {
        const std::size_t space = mates.find(' ');
        if (mates.substr(0, space) == code)
            return true;
        mates = space == std::string_view::npos ? std::string_view() : mates.substr(space + 1);
    }
    return false;
}

} // namespace

std::span<const PreferredGroup> preferredGroups() noexcept
{
    return kGroups;
}

bool isPreferredFit(std::string_view hole, std::string_view shaft) noexcept
{
    for (const PreferredGroup& group : kGroups) {
        const bool holeBasis = group.basis.front() == 'H';
        if (holeBasis ? group.basis == hole && listed(group.mates, shaft)
                      : group.basis == shaft && listed(group.mates, hole))
            return true;
    }
    return false;
}

} // namespace tolerance
