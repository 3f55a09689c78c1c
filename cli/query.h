// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"
#include "cli/sizes.h"

#include "tolerance/classes.h"

#include <string_view>

namespace cli {

// CLASS SIZE: the class's two texts for the range and, for a diameter, its limits of size.
Record describeClass(const tolerance::ToleranceClass& cls, const Size& size);

// HOLE/SHAFT SIZE: both classes as above, then the clearances and the type of fit; where either
// class has no value for the range, a note instead of any figure.
Record describeFit(const tolerance::ToleranceClass& hole, const tolerance::ToleranceClass& shaft,
                   const Size& size);

// Reads CLASS or HOLE/SHAFT and SIZE as typed; throws InputError on anything it cannot use.
Record describe(std::string_view classOrFit, std::string_view size);

} // namespace cli
