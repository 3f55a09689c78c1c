// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/classes.h"

#include <optional>
#include <string_view>

namespace cli {

// The class a code names, exactly as the class lists write it. With a side (the halves of
// HOLE/SHAFT) only that side's codes are accepted; without one, either side's. Throws InputError
// with a suggestion where a code differs from a class only in case or grade.
const tolerance::ToleranceClass& resolveClass(std::string_view code,
                                              std::optional<tolerance::Side> side);

std::string_view nameOf(tolerance::Side side) noexcept;

} // namespace cli
