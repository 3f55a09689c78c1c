// SPDX-License-Identifier: MIT
#include "cli/service_options.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <charconv>
#include <cmath>

namespace cli {

using tolerance::Length;
using namespace tolerance::service;

namespace {

// "1e4": read by nothing here, and said so rather than called no number.
bool hasExponent(std::string_view text)
{
    const std::size_t e = text.find_first_of("eE");
    return e != std::string_view::npos && e > 0 && e + 1 < text.size() &&
           text.find_first_of("0123456789") < e;
}

void refuseExponent(std::string_view text, std::string_view option)
{
    if (hasExponent(text))
        throw InputError(std::string(option) + " " + quote(text) +
                         " is in exponent notation; write it as a plain decimal, such as 10000 "
                         "or 0.0001");
}

// A plain decimal, as splitDecimal reads it: no exponent, no "+", no spaces.
double numberOf(std::string_view text, std::string_view option)
{
    double value = 0;
    refuseExponent(text, option);
    const auto decimal = tolerance::splitDecimal(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!decimal || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        throw InputError(std::string(option) + " " + quote(text) + " is not a number");
    return value;
}

// Millimetres, exactly, at most to the nanometre; what says what the option takes.
Length lengthOf(std::string_view text, std::string_view option,
                std::string_view what = "a length in mm such as 80 or 12.5")
{
    refuseExponent(text, option);
    const auto decimal = tolerance::splitDecimal(text);
    const auto magnitude = decimal ? tolerance::magnitudeOf(*decimal) : std::nullopt;
    if (!magnitude)
        throw InputError(std::string(option) + " " + quote(text) + " is not " + std::string(what));
    if (decimal->negative && *magnitude != 0)
        throw InputError(std::string(option) + " " + quote(text) + " is below 0");
    return *magnitude;
}

std::pair<std::string_view, std::string_view> splitPair(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return {text, text};
    return {text.substr(0, slash), text.substr(slash + 1)};
}

double celsiusOf(std::string_view text)
{
    const double value = numberOf(text, "--temperature");
    if (value < kAbsoluteZeroCelsius)
        throw InputError("--temperature " + quote(text) + " is below absolute zero, -273.15 °C");
    if (value > kHighestCelsius)
        throw InputError("--temperature " + quote(text) +
                         " is above 1000 °C, the highest working temperature taken");
    return value;
}

// "E=205000,nu=0.3,alpha=11.7,yield=490", each key once, in any order.
NamedMaterial givenFigures(std::string_view text, std::string_view option)
{
    double figures[4] = {-1, -1, -1, -1};
    constexpr std::string_view keys[4] = {"E", "nu", "alpha", "yield"};
    for (std::string_view rest = text; !rest.empty();) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        const std::size_t equals = item.find('=');
        std::size_t k = 0;
        while (k < 4 && item.substr(0, equals) != keys[k])
            ++k;
        if (equals == std::string_view::npos || k == 4 || figures[k] >= 0)
            throw InputError(std::string(option) + " " + quote(text) +
                             " is neither a material of --materials nor E=…,nu=…,alpha=…,yield=…");
        figures[k] =
            numberOf(item.substr(equals + 1), std::string(option) + " " + std::string(keys[k]));
    }
    // A part that does not grow with heat could not be shrunk on: its heating would be infinite.
    const bool complete =
        figures[0] > 0 && figures[1] >= 0 && figures[1] < 0.5 && figures[2] > 0 && figures[3] > 0;
    if (!complete)
        throw InputError(std::string(option) + " " + quote(text) +
                         " needs E over 0 (MPa), nu from 0 to under 0.5, alpha over 0 (1e-6/K) "
                         "and yield over 0 (MPa)");
    return {"given", "figures given", {figures[0], figures[1], figures[2], figures[3]}, {}};
}

NamedMaterial materialNamed(std::string_view text, std::string_view option)
{
    if (text.find('=') != std::string_view::npos)
        return givenFigures(text, option);
    const Material* found = findMaterial(text);
    if (!found)
        throw InputError("unknown material " + quote(text) +
                         "; --materials alone lists the library, or give "
                         "E=…,nu=…,alpha=…,yield=…");
    return {std::string(found->name), found->condition, found->figures, found->heatLimit};
}

const std::string* valueOf(const std::map<std::string_view, std::string>& given,
                           std::string_view name)
{
    const auto found = given.find(name);
    return found == given.end() ? nullptr : &found->second;
}

void readMaterials(const std::map<std::string_view, std::string>& given, ServiceOptions& options)
{
    const std::string* both = valueOf(given, "--materials");
    const std::string* hole = valueOf(given, "--hole-material");
    const std::string* shaft = valueOf(given, "--shaft-material");
    if (both && (hole || shaft))
        throw InputError(std::string(hole ? "--hole-material" : "--shaft-material") +
                         " and --materials do not go together");
    if (both) {
        const auto [h, s] = splitPair(*both);
        if (both->find('/') == std::string::npos)
            throw InputError("--materials " + quote(*both) +
                             " names one material; write HOLE/SHAFT, such as A5052/S45C");
        options.hole = materialNamed(h, "--materials");
        options.shaft = materialNamed(s, "--materials");
    } else if (hole || shaft) {
        if (!hole || !shaft)
            throw InputError(std::string(hole ? "--shaft-material" : "--hole-material") +
                             " is needed as well: both parts' materials");
        options.hole = materialNamed(*hole, "--hole-material");
        options.shaft = materialNamed(*shaft, "--shaft-material");
    }
}

void readJoint(const std::map<std::string_view, std::string>& given, ServiceOptions& options)
{
    constexpr std::string_view needed[] = {"--hub-diameter", "--length", "--friction"};
    constexpr std::string_view optional[] = {"--shaft-bore", "--roughness", "--joining-clearance"};
    bool any = false;
    for (const auto names : {std::span(needed), std::span(optional)})
        for (const std::string_view name : names)
            any = any || valueOf(given, name);
    if (!any)
        return;
    for (const std::string_view name : needed)
        if (!valueOf(given, name))
            throw InputError("a press fit needs --hub-diameter, --length and --friction; " +
                             std::string(name) + " is missing");
    Joint& joint = options.joint;
    joint.hubOuter = lengthOf(*valueOf(given, "--hub-diameter"), "--hub-diameter");
    joint.length = lengthOf(*valueOf(given, "--length"), "--length");
    if (joint.length == 0)
        throw InputError("--length " + quote(*valueOf(given, "--length")) + " is not over 0");
    joint.friction = numberOf(*valueOf(given, "--friction"), "--friction");
    // A friction of 0 holds nothing whatever the pressure: no press fit to work out.
    if (joint.friction <= 0 || joint.friction > 1)
        throw InputError("--friction " + quote(*valueOf(given, "--friction")) +
                         " is outside 0 to 1: over 0, at most 1");
    if (const std::string* bore = valueOf(given, "--shaft-bore"))
        joint.shaftBore = lengthOf(*bore, "--shaft-bore");
    if (const std::string* clearance = valueOf(given, "--joining-clearance"))
        joint.joiningClearance = lengthOf(*clearance, "--joining-clearance");
    if (const std::string* rz = valueOf(given, "--roughness")) {
        // One Rz could be either surface's or, as some write it, their sum: both are asked for.
        if (rz->find('/') == std::string::npos)
            throw InputError("--roughness " + quote(*rz) +
                             " gives one Rz; give the bore's and the shaft's, RZH/RZS in µm, "
                             "such as 6.3/4 (or 4/4)");
        const auto [h, s] = splitPair(*rz);
        // µm read as mm, then a thousandth of it: exact to the nanometre.
        constexpr std::string_view rzWanted = "an Rz in µm such as 6.3";
        joint.roughness = Roughness{lengthOf(h, "--roughness", rzWanted) / 1000,
                                    lengthOf(s, "--roughness", rzWanted) / 1000};
    }
    options.pressFit = true;
}

void readNeeds(const std::map<std::string_view, std::string>& given, ServiceOptions& options)
{
    const std::string* torque = valueOf(given, "--torque");
    const std::string* axial = valueOf(given, "--axial-force");
    const std::string* safety = valueOf(given, "--safety");
    if (!torque && !axial && !safety)
        return;
    ServiceNeeds needs;
    const auto atLeastZero = [](const std::string& text, const char* option) {
        const double value = numberOf(text, option);
        if (value < 0)
            throw InputError(std::string(option) + " " + quote(text) + " is below 0");
        return value;
    };
    needs.torqueNm = torque ? atLeastZero(*torque, "--torque") : 0;
    needs.axialForceN = axial ? atLeastZero(*axial, "--axial-force") : 0;
    needs.safety = safety ? atLeastZero(*safety, "--safety") : 1;
    if (needs.safety <= 0)
        throw InputError("--safety " + quote(*safety) + " is not over 0");
    options.needs = needs;
}

} // namespace

ServiceOptions readServiceOptions(const std::map<std::string_view, std::string>& given,
                                  bool forFits)
{
    ServiceOptions options;
    readMaterials(given, options);
    if (const std::string* t = valueOf(given, "--temperature")) {
        const auto [h, s] = splitPair(*t);
        options.temperature = Temperatures{celsiusOf(h), celsiusOf(s)};
    }
    readJoint(given, options);
    readNeeds(given, options);
    if (given.empty())
        return options;
    if (!options.hole)
        throw InputError(std::string(given.begin()->first) +
                         " needs the materials: --materials HOLE/SHAFT");
    if (options.needs && !forFits)
        throw InputError("--torque, --axial-force and --safety are for --fits");
    if (forFits && !options.pressFit)
        throw InputError("--fits in service needs a press fit: --hub-diameter, --length and "
                         "--friction");
    return options;
}

bool wantsMaterialList(std::span<const std::string_view> args) noexcept
{
    for (std::size_t i = 0; i < args.size(); ++i)
        if (args[i] == "--materials")
            return i + 1 == args.size() || args[i + 1].starts_with("--");
    return false;
}

Joint jointAt(const ServiceOptions& options, Length diameter)
{
    Joint joint = options.joint;
    joint.diameter = diameter;
    const auto mm = [](Length value) { return tolerance::formatDiameter(value) + " mm"; };
    if (joint.hubOuter <= diameter)
        throw InputError("--hub-diameter " + mm(joint.hubOuter) + " is not over the size, " +
                         mm(diameter));
    if (joint.shaftBore >= diameter)
        throw InputError("--shaft-bore " + mm(joint.shaftBore) + " is not under the size, " +
                         mm(diameter));
    return joint;
}

void checkWalls(const Joint& joint, const tolerance::Deviations& hole,
                const tolerance::Deviations& shaft)
{
    const WallBounds bounds = wallBoundsOf(joint.diameter, hole, shaft);
    const auto mm = [](Length value) { return tolerance::formatMillimetres(value) + " mm"; };
    if (joint.hubOuter <= bounds.hubOver)
        throw InputError("--hub-diameter " + mm(joint.hubOuter) +
                         " is not over the bore's greatest size, " + mm(bounds.hubOver));
    if (joint.shaftBore != 0 && joint.shaftBore >= bounds.boreUnder)
        throw InputError("--shaft-bore " + mm(joint.shaftBore) +
                         " is not under the shaft's least size, " + mm(bounds.boreUnder));
}

} // namespace cli

namespace cli {

std::string_view serviceHelpText() noexcept
{
    return R"(In service (after HOLE/SHAFT SIZE with a diameter, or with --fits):
  --materials HOLE/SHAFT
               the hole's part and the shaft from the library, such as
               A5052/S45C; --materials alone lists the library with the source
               of every figure; the plastics POM and PA66 serve the temperature
               only
  --hole-material M, --shaft-material M
               each part by name, or by its figures: E=205000,nu=0.3,alpha=11.7,
               yield=490 (MPa, -, 10^-6/K, MPa; alpha over 0)
  --temperature T or TH/TS
               the working temperature in °C, -273.15 to 1000, one for both
               parts or the hole's part's and the shaft's: the limits of size
               and the clearances there, each size grown by alpha × (T - 20 °C)
               × the nominal size; a part above what its material bears is
               warned of
  --hub-diameter D, --length L, --friction MU
               a press fit, elastic, after DIN 7190-1 (thick-walled cylinders):
               the hub's outer diameter (over the bore's greatest size) and the
               joint's length in mm, and the coefficient of friction, over 0 and
               at most 1 (steel on steel about 0.15 dry and 0.10
               oiled; steel in cast iron about 0.12 dry, 0.08 oiled; steel in
               aluminium or bronze about 0.10 dry, 0.06 oiled; shrunk by heat a
               little more than pressed)
  --shaft-bore D
               a hollow shaft's bore in mm, under the shaft's least size (0, the
               default: solid)
  --roughness RZH/RZS
               Rz of the bore and of the shaft in µm, both: 0.4 × their sum is
               taken off the interference (DIN 7190-1:2017); without it nothing
               is
  --joining-clearance C
               the clearance in mm when the heated hub goes on (default 0.001 ×
               the diameter); the shaft is at 20 °C; a fit that clears by that
               much needs no heating, and a heating above what the hub's
               material bears is warned of
  --torque N·m, --axial-force N, --safety S
               for --fits: the pairs that hold the torque and the axial force
               together, times S, at their minimum interference and keep both
               parts below their proof stress at the maximum, at 20 °C and at
               the working temperature
)";
}

} // namespace cli
