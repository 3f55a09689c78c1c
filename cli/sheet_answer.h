// SPDX-License-Identifier: MIT
#pragma once

#include "cli/options.h"

#include "tolerance/sheet/sheet.h"
#include "tolerance/sheet/words.h"

#include <iosfwd>

// --format html: the calculation sheet of a query, composed by the core as the windows compose
// it, from the options as they were read and as they were typed.
namespace cli {

// A class, a fit, a side by its limits, with or without service conditions. The query has been
// answered already, so that its faults were said in the words of the other formats.
// In the words given: Japanese, as the windows' own, unless told; tessaly-cli's are English
// unless --lang ja.
tolerance::sheet::Sheet
fitSheetOf(const Options& options, const tolerance::sheet::Stamp& stamp,
           const tolerance::sheet::Words& words = tolerance::sheet::japanese());

void writeFitSheet(std::ostream& out, const Options& options);

// --bearing NUMBER: the bearing's sheet, its faults said first as the other formats say them.
tolerance::sheet::Sheet
bearingSheetOf(const Options& options, const tolerance::sheet::Stamp& stamp,
               const tolerance::sheet::Words& words = tolerance::sheet::japanese());

void writeBearingSheet(std::ostream& out, const Options& options);

// --stack FILE: the chain's sheet, with its Monte Carlo check when --samples asks one.
tolerance::sheet::Sheet
stackSheetOf(const StackRequest& request, const tolerance::sheet::Stamp& stamp,
             const tolerance::sheet::Words& words = tolerance::sheet::japanese());

void writeStackSheet(std::ostream& out, const Options& options);

} // namespace cli
