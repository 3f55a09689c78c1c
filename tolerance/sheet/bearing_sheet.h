// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/bearing/boundary.h"
#include "tolerance/bearing/mounting.h"
#include "tolerance/bearing/recommended.h"
#include "tolerance/editions.h"
#include "tolerance/sheet/sheet.h"
#include "tolerance/sheet/words.h"

#include <optional>
#include <string>

// The calculation sheet of a rolling bearing by its number: its rings after JIS B 1514-1, the
// fit of each ring with its seat, the classes the makers recommend for its load, and what both
// fits take of its internal clearance.
namespace tolerance::sheet {

// A ring's seat: the shaft under the inner ring or the housing round the outer ring.
struct SeatAsked
{
    std::optional<ClassCode> code; // nothing: the first the load's recommendation gives, if any
    std::string material;          // of the shaft or the housing
    double expansionPerMegaKelvin = 0;
    Length smoothing = 0; // 0.4 × the joint's Rz, off its interference
};

// What was typed, as typed; empty where nothing was.
struct BearingTyped
{
    std::string number;
    std::string accuracy;
    std::string shaft;
    std::string housing;
    std::string temperatures;
    std::string materials;
    std::string roughness;
};

struct BearingAsked
{
    bearing::Bearing bearing; // as the core reads its number
    bearing::AccuracyClass accuracy = bearing::AccuracyClass::Class0;
    SeatAsked shaft;
    SeatAsked housing;
    std::optional<bearing::LoadCase> load; // with its size, for the recommended classes
    bearing::LoadSize loadSize = bearing::LoadSize::Normal;
    std::optional<bearing::MountingTemperatures> temperatures;
    bool roughnessGiven = false;
    Edition edition = Edition::Jis1984;
    BearingTyped typed;
};

Sheet bearingSheet(const BearingAsked& asked, const Stamp& stamp, const Words& words = japanese());

} // namespace tolerance::sheet
