// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/length.h"
#include "tolerance/service/press_fit.h"
#include "tolerance/service/service_finder.h"

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The options of a fit in service: materials, temperatures, the press fit's joint and the
// finder's load, read into the core's terms.
namespace cli {

struct ServiceOptionName
{
    const char* name;
    const char* wants; // for "needs a value"
};

inline constexpr std::array<ServiceOptionName, 13> kServiceOptions{{
    {"--materials", "HOLE/SHAFT from the library, such as A5052/S45C (alone: the library)"},
    {"--hole-material", "a name from --materials, or E=MPa,nu=…,alpha=1e-6/K,yield=MPa"},
    {"--shaft-material", "a name from --materials, or E=MPa,nu=…,alpha=1e-6/K,yield=MPa"},
    {"--temperature", "T or TH/TS in °C, such as 80 or 60/90"},
    {"--hub-diameter", "the hub's outer diameter in mm"},
    {"--shaft-bore", "the shaft's bore in mm, 0 for a solid shaft"},
    {"--length", "the joint's length in mm"},
    {"--friction", "the coefficient of friction, over 0 and at most 1, such as 0.12"},
    {"--roughness", "RZH/RZS in µm, such as 6.3/4"},
    {"--joining-clearance", "the clearance in mm left when joining by heat"},
    {"--torque", "the torque to hold in N·m"},
    {"--axial-force", "the axial force to hold in N"},
    {"--safety", "the safety against slipping, such as 1.5"},
}};

struct NamedMaterial
{
    std::string name; // the library's, or "given" for figures typed
    std::string_view condition;
    tolerance::service::MaterialFigures figures;
    std::optional<tolerance::service::HeatLimit> heatLimit; // none known for figures typed
};

struct ServiceOptions
{
    std::optional<NamedMaterial> hole;
    std::optional<NamedMaterial> shaft;
    std::optional<tolerance::service::Temperatures> temperature;
    bool pressFit = false;             // --hub-diameter, --length and --friction were given
    tolerance::service::Joint joint{}; // its diameter comes with the size
    std::optional<tolerance::service::ServiceNeeds> needs; // the finder's load

    bool wanted() const { return hole.has_value(); }
};

// The texts of the options given, by name. Throws InputError for a value it cannot use or
// options that do not go together; forFits says whether they come with --fits.
ServiceOptions readServiceOptions(const std::map<std::string_view, std::string>& given,
                                  bool forFits);

// "--materials" without a value (last, or followed by another option): the library is wanted.
bool wantsMaterialList(std::span<const std::string_view> args) noexcept;

// The joint with the nominal size, checked against it: the hub over it, the bore under it.
tolerance::service::Joint jointAt(const ServiceOptions& options, tolerance::Length diameter);

// The same against a fit's limits: the hub over the bore's greatest size, the bore under the
// shaft's least size.
void checkWalls(const tolerance::service::Joint& joint, const tolerance::Deviations& hole,
                const tolerance::Deviations& shaft);

} // namespace cli

namespace cli {

// The --help paragraph of the options above, with friction figures to start from.
std::string_view serviceHelpText() noexcept;

} // namespace cli
