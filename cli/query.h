// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"
#include "cli/sizes.h"

#include "tolerance/editions.h"

#include <string_view>

namespace cli {

// CLASS SIZE: the class's two texts for the range in the edition asked for, where they come from
// and, for a diameter, its limits of size.
Record describeClass(const tolerance::ClassCode& code, const Size& size,
                     tolerance::Edition edition);

// HOLE/SHAFT SIZE: both classes as above, then the clearances and the type of fit; where either
// class has no value for the range, a note instead of any figure.
Record describeFit(const tolerance::ClassCode& hole, const tolerance::ClassCode& shaft,
                   const Size& size, tolerance::Edition edition);

// Reads CLASS or HOLE/SHAFT and SIZE as typed; throws InputError on anything it cannot use.
Record describe(std::string_view classOrFit, std::string_view size,
                tolerance::Edition edition = tolerance::Edition::Jis1984);

} // namespace cli
