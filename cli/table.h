// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>

namespace cli {

// Every entry of both tables, holes then shafts, each class in list order and its 25 ranges in
// order: side, class, range, the two display texts, and the two deviations in micrometres
// ("±" over m as +m and -m; empty or null where the entry is "  ---").
void writeTableCsv(std::ostream& out);
void writeTableJson(std::ostream& out);

} // namespace cli
