// SPDX-License-Identifier: MIT
#include "tolerance/editions.h"

#include "tolerance/fit.h"

#include <algorithm>

namespace tolerance {

namespace {

constexpr Length k500mm = 500 * kNanometresPerMm;

using Kind = EditionDifference::Kind;

// The two editions' differences over the 1625 entries of the class table: 90 entries without a
// value in 1984 and 22 JS7/js7 entries whose odd IT7 the 1984 table halved downwards.
constexpr EditionDifference kDifferences[] = {
    {Side::Hole, "S7", "250～280", "450～500", Kind::NoValueIn1984},
    {Side::Hole, "T7", "180～200", "450～500", Kind::NoValueIn1984},
    {Side::Hole, "U7", "120～140", "450～500", Kind::NoValueIn1984},
    {Side::Hole, "X7", "30～40", "450～500", Kind::NoValueIn1984},
    {Side::Shaft, "s6", "250～280", "450～500", Kind::NoValueIn1984},
    {Side::Shaft, "t6", "180～200", "450～500", Kind::NoValueIn1984},
    {Side::Shaft, "u6", "120～140", "450～500", Kind::NoValueIn1984},
    {Side::Shaft, "x6", "30～40", "450～500", Kind::NoValueIn1984},
    {Side::Hole, "JS7", "6～10", "6～10", Kind::HalfRoundedDown},
    {Side::Hole, "JS7", "18～24", "40～50", Kind::HalfRoundedDown},
    {Side::Hole, "JS7", "80～100", "100～120", Kind::HalfRoundedDown},
    {Side::Hole, "JS7", "315～355", "450～500", Kind::HalfRoundedDown},
    {Side::Shaft, "js7", "6～10", "6～10", Kind::HalfRoundedDown},
    {Side::Shaft, "js7", "18～24", "40～50", Kind::HalfRoundedDown},
    {Side::Shaft, "js7", "80～100", "100～120", Kind::HalfRoundedDown},
    {Side::Shaft, "js7", "315～355", "450～500", Kind::HalfRoundedDown},
};

} // namespace

std::span<const EditionDifference> editionDifferences() noexcept
{
    return kDifferences;
}

EditionAnswer lookUp(const ClassCode& code, Length diameter, Edition edition)
{
    if (edition == Edition::Jis1984 && diameter > 0 && diameter <= k500mm) {
        if (const ToleranceClass* cls = findClass(code.side, textOf(code)))
            return {deviationsOf(cls->entries[*stepOf(diameter)]), Source::Table1984};
    }
    return {deviationsOf(code, diameter), Source::Iso2010};
}

} // namespace tolerance
