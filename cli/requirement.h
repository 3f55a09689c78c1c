// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_finder.h"

#include <string_view>

// The words of --clearance, --type and --basis, read into the core's requirement.
namespace cli {

// "MIN..MAX" in mm with at most 4 decimals, either bound left out at will ("0.010..",
// "..0.040", "-0.060..-0.020"); sets both bounds of requirement. Throws InputError.
void parseClearanceRange(std::string_view text, tolerance::Requirement& requirement);

// "clearance", "transition" or "interference"; "hole" or "shaft". Throw InputError otherwise.
tolerance::FitType fitTypeNamed(std::string_view name);
tolerance::Basis basisNamed(std::string_view name);

} // namespace cli
