// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"
#include "tolerance/sheet/sheet.h"
#include "tolerance/sheet/words.h"

#include <optional>
#include <string>

// The tolerance zones of a fit to one scale in µm, as the workbench draws them: the zero line
// across, each side's zone a box with its deviations beside it, the zones at a working
// temperature dashed beside those at 20 °C. Hatched, so that it reads in black and white.
namespace tolerance::sheet::compose {

struct Zone
{
    std::string name; // "H7", "0/-0.009"
    Deviations deviations;
};

struct WarmZones
{
    Deviations hole;
    Deviations shaft;
    std::string caption; // "80 °C"
};

Drawing zoneDrawing(const Words& w, const Zone& hole, const Zone& shaft,
                    const std::optional<WarmZones>& warm, std::string_view fitType);

} // namespace tolerance::sheet::compose
