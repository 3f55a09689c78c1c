// SPDX-License-Identifier: MIT
#include "cli/bearing_options.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include "tolerance/service/materials.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace cli {

using namespace tolerance::bearing;
using tolerance::Length;

namespace {

const std::string* valueOf(const std::map<std::string_view, std::string>& given,
                           std::string_view name)
{
    const auto found = given.find(name);
    return found == given.end() ? nullptr : &found->second;
}

AccuracyClass classNamed(const std::string& text, std::string_view option)
{
    if (const auto accuracy = accuracyClassNamed(text))
        return *accuracy;
    throw InputError(std::string(option) + " " + quote(text) +
                     " is not a bearing class; use 0, 6X, 6, 5, 4 or 2 (JIS B 1514-1)");
}

std::vector<std::string_view> slashParts(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t slash = text.find('/');
        parts.push_back(text.substr(0, slash));
        if (slash == std::string_view::npos)
            return parts;
        text = text.substr(slash + 1);
    }
}

double numberOf(std::string_view text, std::string_view option)
{
    double value = 0;
    const auto decimal = tolerance::splitDecimal(text);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (!decimal || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        throw InputError(std::string(option) + " " + quote(text) + " is not a number");
    return value;
}

void readSeats(const std::map<std::string_view, std::string>& given, BearingOptions& options)
{
    if (const std::string* t = valueOf(given, "--seat-temperatures")) {
        const auto parts = slashParts(*t);
        if (parts.size() != 4)
            throw InputError("--seat-temperatures " + quote(*t) +
                             " is not SHAFT/INNER/OUTER/HOUSING in °C, such as 60/60/50/40");
        double c[4];
        for (std::size_t i = 0; i < 4; ++i) {
            c[i] = numberOf(parts[i], "--seat-temperatures");
            if (c[i] < -273.15)
                throw InputError("--seat-temperatures " + quote(*t) +
                                 " is below absolute zero, -273.15 °C");
        }
        options.temperatures = MountingTemperatures{c[0], c[1], c[2], c[3]};
    }
    if (const std::string* m = valueOf(given, "--seat-materials")) {
        const auto parts = slashParts(*m);
        if (parts.size() != 2)
            throw InputError("--seat-materials " + quote(*m) +
                             " is not SHAFT/HOUSING, such as S45C/FC250");
        options.shaftMaterial = std::string(parts[0]);
        options.housingMaterial = std::string(parts[1]);
    }
    for (std::string* name : {&options.shaftMaterial, &options.housingMaterial}) {
        const auto* found = tolerance::service::findMaterial(*name);
        if (!found)
            throw InputError("unknown material " + quote(*name) +
                             "; --materials alone lists the library");
        *name = std::string(found->name);
        (name == &options.shaftMaterial ? options.shaftExpansion : options.housingExpansion) =
            found->figures.expansionPerMegaKelvin;
    }
    if (const std::string* r = valueOf(given, "--seat-roughness")) {
        const auto parts = slashParts(*r);
        if (parts.size() != 2)
            throw InputError("--seat-roughness " + quote(*r) +
                             " is not SHAFT/HOUSING in µm, such as 4.8/6.4");
        Length rz[2];
        for (std::size_t i = 0; i < 2; ++i) {
            const auto decimal = tolerance::splitDecimal(parts[i]);
            const auto magnitude = decimal ? tolerance::magnitudeOf(*decimal) : std::nullopt;
            if (!magnitude || decimal->negative)
                throw InputError("--seat-roughness " + quote(*r) +
                                 " is not SHAFT/HOUSING in µm, such as 4.8/6.4");
            rz[i] = *magnitude / 1000; // µm read as mm, a thousandth of it
        }
        // DIN 7190-1:2017: 0.4 × the joint's Rz together, as a press fit is smoothed.
        options.shaftSmoothing = Length(std::llround(0.4 * double(rz[0])));
        options.housingSmoothing = Length(std::llround(0.4 * double(rz[1])));
        options.roughnessGiven = true;
    }
}

void checkTogether(const std::map<std::string_view, std::string>& given,
                   const BearingOptions& options)
{
    const bool bore = valueOf(given, "--bearing-bore");
    const bool outside = valueOf(given, "--bearing-outside");
    if (bore && outside)
        throw InputError("--bearing-bore and --bearing-outside do not go together; for both "
                         "rings give --bearing NUMBER --shaft C --housing C");
    if ((bore || outside) && options.ownAnswer())
        throw InputError(std::string(bore ? "--bearing-bore" : "--bearing-outside") +
                         " makes a side of CLASS SIZE; with --bearing or --load leave it out");
    for (const char* name :
         {"--shaft", "--housing", "--seat-temperatures", "--seat-materials", "--seat-roughness"})
        if (valueOf(given, name) && !options.number)
            throw InputError(std::string(name) + " is for --bearing NUMBER");
    if (valueOf(given, "--bearing-class") && !options.number)
        throw InputError("--bearing-class is for --bearing NUMBER; with --bearing-bore or "
                         "--bearing-outside the class is their value");
    if (options.load.has_value() != options.loadSize.has_value())
        throw InputError(options.load ? "--load needs --load-size light, normal or heavy"
                                      : "--load-size needs --load rotating-inner, "
                                        "rotating-outer or indeterminate");
}

} // namespace

BearingOptions readBearingOptions(const std::map<std::string_view, std::string>& given)
{
    BearingOptions options;
    if (given.empty())
        return options;
    if (const std::string* c = valueOf(given, "--bearing-bore")) {
        options.ring = Ring::Inner;
        options.accuracy = classNamed(*c, "--bearing-bore");
    }
    if (const std::string* c = valueOf(given, "--bearing-outside")) {
        options.ring = Ring::Outer;
        options.accuracy = classNamed(*c, "--bearing-outside");
    }
    if (const std::string* c = valueOf(given, "--bearing-class"))
        options.accuracy = classNamed(*c, "--bearing-class");
    if (const std::string* n = valueOf(given, "--bearing")) {
        if (n->empty())
            throw InputError("empty --bearing; give a bearing number such as 6206");
        options.number = *n;
    }
    if (const std::string* s = valueOf(given, "--shaft"))
        options.shaft = *s;
    if (const std::string* h = valueOf(given, "--housing"))
        options.housing = *h;
    if (const std::string* l = valueOf(given, "--load")) {
        options.load = loadCaseNamed(*l);
        if (!options.load)
            throw InputError("--load " + quote(*l) +
                             " is not a load case; use rotating-inner, rotating-outer or "
                             "indeterminate");
    }
    if (const std::string* s = valueOf(given, "--load-size")) {
        options.loadSize = loadSizeNamed(*s);
        if (!options.loadSize)
            throw InputError("--load-size " + quote(*s) + " is not light, normal or heavy");
    }
    checkTogether(given, options);
    readSeats(given, options);
    return options;
}

std::string_view bearingHelpText() noexcept
{
    return R"(Rolling bearings (JIS B 1514-1 = ISO 492, JIS B 1512 = ISO 15):
  --bearing-bore K
               the hole is a radial bearing's inner ring of class K (0, 6, 5, 4,
               2): its bore's deviations Δdmp for the diameter SIZE; the one
               CLASS is the shaft's (tessaly-cli k5 30 --bearing-bore 0)
  --bearing-outside K
               the shaft is an outer ring of class K: its ΔDmp for SIZE; the one
               CLASS is the housing's (tessaly-cli H7 62 --bearing-outside 0)
  --bearing N --shaft C --housing C [--bearing-class K]
               a bearing by its number (series 60, 62, 63, 160, 70, 72, 73, 12,
               13, 22, NU2, NU3, NU22 with N and NJ, 302, 303, 322): d, D and B,
               both rings' tolerances and both fits at once, and what the fits
               take of its radial internal clearance: the inner raceway widens
               by the effective interference × d/Di, the outer narrows by
               × De/D, Di and De estimated from d and D (NSK's catalogue), and
               for deep groove ball bearings the groups C2 to C4 (JIS B 1520)
               compared with it; class 6X is a tapered roller bearing's
  --load L --load-size S
               the classes JIS B 1566 recommends (as NSK's and SKF's tables
               give them) for a load turning with the inner ring
               (rotating-inner), with the outer ring (rotating-outer) or in no
               fixed direction (indeterminate), light (P up to 0.06 Cr), normal
               or heavy; with --bearing the row of its type and bore, whose
               first classes stand in for --shaft and --housing not given
  --seat-temperatures TS/TI/TO/TH
               with --bearing: the shaft, the inner ring, the outer ring and the
               housing each at its own temperature (°C): the fits and the
               clearance there, the rings of bearing steel (12.5 × 10^-6/K)
  --seat-materials S/H
               the shaft's and the housing's material from --materials (S45C
               both unless given)
  --seat-roughness RS/RH
               each joint's Rz of both surfaces together in µm: 0.4 × it is
               taken off that joint's interference (DIN 7190-1:2017)
)";
}

} // namespace cli
