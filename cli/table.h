// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/editions.h"

#include <iosfwd>

namespace cli {

// Every entry of both tables, holes then shafts, each class in list order and its 25 ranges in
// order: side, class, range, the two display texts, and the two deviations in micrometres
// ("±" over m as +m and -m; empty or null where the entry is "  ---"), and their source.
// With allClasses, every class of the standard at every size step where it has a value.
struct TableChoice
{
    tolerance::Edition edition = tolerance::Edition::Jis1984;
    bool allClasses = false;
};
void writeTableCsv(std::ostream& out, const TableChoice& choice = {});
void writeTableJson(std::ostream& out, const TableChoice& choice = {});

} // namespace cli
