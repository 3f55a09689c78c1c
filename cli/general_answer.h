// SPDX-License-Identifier: MIT
#pragma once

#include "cli/general_options.h"

#include <iosfwd>

namespace cli {

// "key: value" lines: the standard, the class, the kind, the size and its step, the tolerance as
// the table prints it, each limit, a size's limits of size, and a note where one is due.
void writeGeneralText(std::ostream& out, const GeneralQuery& query);

// The same keys in an object "general", figures as numbers (null for the table's "—").
void writeGeneralJson(std::ostream& out, const GeneralQuery& query);

} // namespace cli
