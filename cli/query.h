// SPDX-License-Identifier: MIT
#pragma once

#include "cli/record.h"
#include "cli/sizes.h"

#include "tolerance/editions.h"
#include "tolerance/fit_statistics.h"

#include <optional>

#include <string_view>

namespace cli {

// CLASS SIZE: the class's two texts for the range in the edition asked for, where they come from
// and, for a diameter, its limits of size.
Record describeClass(const tolerance::ClassCode& code, const Size& size,
                     tolerance::Edition edition);

// What a fit query may add to its classes: a side given by its limits instead of a class, and
// the spread the statistics assume.
struct FitQuery
{
    std::optional<tolerance::Deviations> holeLimits;
    std::optional<tolerance::Deviations> shaftLimits;
    tolerance::Distribution distribution = tolerance::Distribution::Normal;
};

// HOLE/SHAFT SIZE: both classes as above, then the clearances and the type of fit, the same fit
// in the other system and the statistics; where either class has no value for the range, a note
// instead of any figure.
Record describeFit(const tolerance::ClassCode& hole, const tolerance::ClassCode& shaft,
                   const Size& size, tolerance::Edition edition,
                   tolerance::Distribution distribution = tolerance::Distribution::Normal);

// Reads CLASS or HOLE/SHAFT and SIZE as typed; throws InputError on anything it cannot use. With
// limits for one side, CLASS is the other side's class; with limits for both, CLASS is empty.
Record describe(std::string_view classOrFit, std::string_view size,
                tolerance::Edition edition = tolerance::Edition::Jis1984,
                const FitQuery& query = {});

} // namespace cli
