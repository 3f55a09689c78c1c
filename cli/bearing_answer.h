// SPDX-License-Identifier: MIT
#pragma once

#include "cli/bearing_options.h"
#include "cli/record.h"

#include "tolerance/editions.h"
#include "tolerance/fit_statistics.h"

#include <iosfwd>
#include <string_view>

// What the bearing options answer: a fit with a ring for a side, and a bearing by its number
// with both its fits and its clearance.
namespace cli {

// CLASS SIZE with --bearing-bore or --bearing-outside: the fit with the ring's deviations for
// that diameter as its side, named as the ring, with a group "bearing".
Record describeWithRing(std::string_view classCode, std::string_view size,
                        tolerance::Edition edition, const BearingOptions& options,
                        tolerance::Distribution distribution);

// --bearing NUMBER (with its shaft and housing) or --load alone.
void writeBearing(std::ostream& out, const BearingOptions& options, bool json,
                  tolerance::Edition edition);

} // namespace cli
