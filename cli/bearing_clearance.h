// SPDX-License-Identifier: MIT
#pragma once

#include "cli/bearing_options.h"
#include "cli/json_out.h"
#include "cli/record.h"

#include "tolerance/bearing/boundary.h"

// What a bearing's two fits take of its radial internal clearance, as lines for the text and an
// object of numbers for JSON.
namespace cli {

struct ClearanceAnswer
{
    Record lines;
    JsonObject json;
};

// From the bearing, its rings' deviations and both fits' records (the ring as a side of each).
ClearanceAnswer clearanceOf(const tolerance::bearing::Bearing& bearing,
                            const tolerance::Deviations& inner, const tolerance::Deviations& outer,
                            const Record& shaftFit, const Record& housingFit,
                            const BearingOptions& options);

} // namespace cli
