// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/sheet/sheet.h"
#include "tolerance/sheet/words.h"
#include "tolerance/stack/chain.h"
#include "tolerance/stack/monte_carlo.h"

#include <optional>

// The calculation sheet of a tolerance stack-up: its members as typed and as read, the closing
// dimension by worst case, by the statistical spread and by the Monte Carlo check, each member's
// share as a chart, and whether the requirement holds.
namespace tolerance::sheet {

struct StackAsked
{
    stack::ChainText typed; // the members, the requirement and the spread as typed
    stack::Chain chain;     // as read
    std::optional<stack::MonteCarlo> monteCarlo;
};

Sheet stackSheet(const StackAsked& asked, const Stamp& stamp, const Words& words = japanese());

} // namespace tolerance::sheet
