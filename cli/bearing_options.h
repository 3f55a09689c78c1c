// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/bearing/mounting.h"
#include "tolerance/bearing/recommended.h"
#include "tolerance/bearing/ring_tolerances.h"
#include "tolerance/length.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The options of a rolling bearing: a ring as a side of a fit, a bearing by its number with its
// shaft and housing, the load case the makers' tables recommend classes for, and the seats'
// temperatures, materials and roughness.
namespace cli {

struct BearingOptionName
{
    const char* name;
    const char* wants; // for "needs a value"
};

inline constexpr std::array<BearingOptionName, 11> kBearingOptions{{
    {"--bearing-bore", "a bearing class, 0, 6, 5, 4 or 2: the hole is its inner ring"},
    {"--bearing-outside", "a bearing class, 0, 6, 5, 4 or 2: the shaft is its outer ring"},
    {"--bearing", "a bearing number such as 6206, NU2206 or 30206"},
    {"--shaft", "the shaft's class for the bearing's inner ring, such as k5"},
    {"--housing", "the housing's class for the bearing's outer ring, such as H7"},
    {"--bearing-class", "the bearing's class: 0 (the default), 6X, 6, 5, 4 or 2"},
    {"--load", "rotating-inner, rotating-outer or indeterminate"},
    {"--load-size", "light, normal or heavy"},
    {"--seat-temperatures", "SHAFT/INNER/OUTER/HOUSING in °C, such as 60/60/50/40"},
    {"--seat-materials", "SHAFT/HOUSING from --materials, such as S45C/FC250"},
    {"--seat-roughness", "SHAFT/HOUSING in µm: each joint's two Rz together, such as 4.8/6.4"},
}};

struct BearingOptions
{
    // --bearing-bore or --bearing-outside: a ring as a side of the fit CLASS SIZE.
    std::optional<tolerance::bearing::Ring> ring;
    tolerance::bearing::AccuracyClass accuracy = tolerance::bearing::AccuracyClass::Class0;
    std::optional<std::string> number;
    std::optional<std::string> shaft;
    std::optional<std::string> housing;
    std::optional<tolerance::bearing::LoadCase> load;
    std::optional<tolerance::bearing::LoadSize> loadSize;
    std::optional<tolerance::bearing::MountingTemperatures> temperatures;
    std::string shaftMaterial = "S45C"; // a steel shaft and housing unless told otherwise
    std::string housingMaterial = "S45C";
    double shaftExpansion = 0;
    double housingExpansion = 0;
    tolerance::Length shaftSmoothing = 0;
    tolerance::Length housingSmoothing = 0;
    bool roughnessGiven = false;

    // --bearing NUMBER, or --load alone: an answer of its own, with no CLASS and SIZE.
    bool ownAnswer() const { return number.has_value() || load.has_value(); }
};

// The texts of the options given, by name. Throws InputError for a value it cannot use or
// options that do not go together.
BearingOptions readBearingOptions(const std::map<std::string_view, std::string>& given);

// The --help paragraph of the options above.
std::string_view bearingHelpText() noexcept;

} // namespace cli
