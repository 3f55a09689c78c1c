// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit.h"
#include "tolerance/sheet/compose.h"
#include "tolerance/sheet/fit_sheet.h"
#include "tolerance/sheet/zone_drawing.h"

#include <optional>
#include <vector>

// The sections of a fit in service: the materials and where their figures come from, the sizes
// and clearances at the working temperature, the press fit at 20 °C and there.
namespace tolerance::sheet::compose {

struct FitFigures
{
    Length diameter;
    Deviations hole;
    Deviations shaft;
};

struct ServiceSections
{
    std::vector<Section> sections;
    std::optional<WarmZones> warm; // for the picture: the zones at the working temperature
};

ServiceSections serviceSections(Composer& c, const ServiceAsked& asked, const FitFigures& fit);

// "80 °C", or "穴 60 °C・軸 90 °C" where the parts differ.
std::string temperatureText(const Words& w, const service::Temperatures& working);

std::string_view typeName(const Words& w, FitType type);

} // namespace tolerance::sheet::compose
