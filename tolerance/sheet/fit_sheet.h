// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/bearing/ring_tolerances.h"
#include "tolerance/editions.h"
#include "tolerance/fit_statistics.h"
#include "tolerance/service/materials.h"
#include "tolerance/service/press_fit.h"
#include "tolerance/sheet/sheet.h"
#include "tolerance/sheet/words.h"

#include <optional>
#include <string>
#include <variant>

// The calculation sheet of a fit, of one side alone, or of a fit in service: every figure worked
// out here from what was asked, so that each front end hands over its inputs and nothing more.
namespace tolerance::sheet {

// A rolling bearing's ring as a side: its bore as the hole, or its outside diameter as the shaft.
struct RingAsked
{
    bearing::Ring ring;
    bearing::AccuracyClass accuracy;
    bearing::Construction construction = bearing::Construction::Radial;
};

// A side as asked: a class of ISO 286, the limit deviations a catalogue gives for a bought part,
// or a bearing's ring.
using SideAsked = std::variant<ClassCode, Deviations, RingAsked>;

struct SizeAsked
{
    std::optional<Length> diameter; // nothing for a range alone: deviations, but no limits of size
    Length nominal;                 // what the classes are looked up at
    std::string range;              // the range's label, "40～50"
};

// What was typed, as typed, for the sheet's table of inputs; empty where nothing was.
struct TypedInputs
{
    std::string size;
    std::string hole;
    std::string shaft;
    std::string holeMaterial;
    std::string shaftMaterial;
    std::string holeCelsius;
    std::string shaftCelsius;
    std::string hubOuter;
    std::string shaftBore;
    std::string length;
    std::string friction;
    std::string holeRz;
    std::string shaftRz;
    std::string joiningClearance;
};

struct MaterialAsked
{
    std::string name;                           // the library's, or as figures were typed
    const service::Material* library = nullptr; // its condition and sources; nothing: typed
    service::MaterialFigures figures;
};

struct ServiceAsked
{
    MaterialAsked hole;
    MaterialAsked shaft;
    std::optional<service::Temperatures> working;
    std::optional<service::Joint> joint; // its diameter is the size's
};

struct FitAsked
{
    SizeAsked size;
    std::optional<SideAsked> hole; // one side alone: that side's limits, and no fit
    std::optional<SideAsked> shaft;
    Edition edition = Edition::Jis1984;
    Distribution distribution = Distribution::Normal;
    std::optional<ServiceAsked> service; // only with both sides and a diameter
    TypedInputs typed;
};

Sheet fitSheet(const FitAsked& asked, const Stamp& stamp, const Words& words = japanese());

// Today's date where the program runs, as a sheet is dated: "2026-12-09".
std::string localDate();

} // namespace tolerance::sheet
