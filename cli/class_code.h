// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/iso286.h"

#include <optional>
#include <string_view>

namespace cli {

// The class a code names, written as ISO 286 writes it (letters, then 01, 0, 1 … 18). With a
// side (the halves of HOLE/SHAFT) only that side's codes are accepted; without one, either
// side's. Throws InputError, with a suggestion where a code differs from a class only in case or
// in spaces around it.
tolerance::ClassCode resolveClass(std::string_view code, std::optional<tolerance::Side> side);

// The 65 classes of the table, in list order, holes then shafts.
std::vector<tolerance::ClassCode> tableClassCodes(tolerance::Side side);

std::string_view nameOf(tolerance::Side side) noexcept;

} // namespace cli
