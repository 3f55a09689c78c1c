// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/sheet/compose.h"
#include "tolerance/sheet/fit_sheet.h"

#include <string>
#include <string_view>
#include <vector>

// One fit's part of a sheet, for the sheet of a fit and for each of a bearing's two.
namespace tolerance::sheet::compose {

// The sections of one fit after the inputs, its summary and its subject; with a part named
// ("軸と内輪"), every heading and the summary say whose they are.
struct FitSections
{
    std::string subject;
    std::string summary; // empty where nothing is worked out
    std::vector<Section> sections;
};

FitSections fitSections(Composer& c, const FitAsked& asked, std::string_view part);

} // namespace tolerance::sheet::compose
