// SPDX-License-Identifier: MIT
#include "cli/service_answer.h"

#include "cli/input_error.h"

#include "tolerance/fit.h"
#include "tolerance/service/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>

namespace cli {

using tolerance::Deviations;
using tolerance::formatMillimetres;
using tolerance::Length;
using namespace tolerance::service;

namespace {

const std::string* fieldOf(const std::vector<Field>& fields, std::string_view key)
{
    for (const Field& f : fields)
        if (f.key == key)
            return &f.value;
    return nullptr;
}

// The record's exact decimals back into nanometres.
std::optional<Length> lengthIn(const std::vector<Field>& fields, std::string_view key)
{
    const std::string* text = fieldOf(fields, key);
    const auto decimal = text ? tolerance::splitDecimal(*text) : std::nullopt;
    const auto magnitude = decimal ? tolerance::magnitudeOf(*decimal) : std::nullopt;
    if (!magnitude)
        return std::nullopt;
    return decimal->negative ? -*magnitude : *magnitude;
}

std::optional<Deviations> deviationsIn(const Record& fit, const std::string& side)
{
    const auto upper = lengthIn(fit.figures, side + "_upper_mm");
    const auto lower = lengthIn(fit.figures, side + "_lower_mm");
    if (!upper || !lower)
        return std::nullopt;
    return Deviations{*upper, *lower};
}

double mmNumber(Length value)
{
    return double(value) / double(tolerance::kNanometresPerMm);
}

std::string mmText(Length value)
{
    return formatMillimetres(value) + " mm";
}

std::string materialText(const NamedMaterial& m)
{
    return m.name + " (" + std::string(m.condition) + ")";
}

// A part heated past what its material bears is no longer the part its figures describe.
bool beyondLimit(const NamedMaterial& material, double celsius)
{
    return material.heatLimit && celsius > material.heatLimit->celsius;
}

std::string heatWarning(const std::string& part, double celsius, const NamedMaterial& material)
{
    const HeatLimit& limit = *material.heatLimit;
    return part + " at " + formatCelsius(celsius) + " °C is above what " + material.name +
           " bears: " + formatCelsius(limit.celsius) + " °C, " + std::string(nameOf(limit.kind)) +
           " (--materials gives the source)";
}

void addTemperature(ServiceAnswer& answer, Length diameter, const Deviations& hole,
                    const Deviations& shaft, const ServiceOptions& options)
{
    const Temperatures& t = *options.temperature;
    const ThermalFit at = fitAt(diameter, hole, shaft, options.hole->figures.expansionPerMegaKelvin,
                                options.shaft->figures.expansionPerMegaKelvin, t);
    const tolerance::Limits holeLimits = tolerance::limitsOfSize(diameter, at.hole);
    const tolerance::Limits shaftLimits = tolerance::limitsOfSize(diameter, at.shaft);
    const bool changes = at.fit.type != at.typeAt20;
    Record& r = answer.lines;
    r.push_back({"temperature", "hole " + formatCelsius(t.holeCelsius) + " °C, shaft " +
                                    formatCelsius(t.shaftCelsius) + " °C"});
    r.push_back({"hole_maximum_at_temperature", mmText(holeLimits.maximum)});
    r.push_back({"hole_minimum_at_temperature", mmText(holeLimits.minimum)});
    r.push_back({"shaft_maximum_at_temperature", mmText(shaftLimits.maximum)});
    r.push_back({"shaft_minimum_at_temperature", mmText(shaftLimits.minimum)});
    r.push_back({"maximum_clearance_at_temperature", mmText(at.fit.maximumClearance)});
    r.push_back({"minimum_clearance_at_temperature", mmText(at.fit.minimumClearance)});
    r.push_back({"fit_at_temperature",
                 std::string(nameOf(at.fit.type)) +
                     (changes ? ", where at 20 °C it is " + std::string(nameOf(at.typeAt20)) +
                                    ": the fit changes type"
                              : "")});
    answer.temperature = JsonObject{{"hole_c", t.holeCelsius},
                                    {"shaft_c", t.shaftCelsius},
                                    {"hole_maximum", mmNumber(holeLimits.maximum)},
                                    {"hole_minimum", mmNumber(holeLimits.minimum)},
                                    {"shaft_maximum", mmNumber(shaftLimits.maximum)},
                                    {"shaft_minimum", mmNumber(shaftLimits.minimum)},
                                    {"maximum_clearance", mmNumber(at.fit.maximumClearance)},
                                    {"minimum_clearance", mmNumber(at.fit.minimumClearance)},
                                    {"fit", nameOf(at.fit.type)},
                                    {"fit_changes_type", changes},
                                    {"hole_above_heat_limit", false},
                                    {"shaft_above_heat_limit", false}};
    const struct
    {
        const char* part;
        const char* key;
        double celsius;
        const NamedMaterial& material;
    } parts[] = {{"the hole's part", "hole_above_heat_limit", t.holeCelsius, *options.hole},
                 {"the shaft", "shaft_above_heat_limit", t.shaftCelsius, *options.shaft}};
    for (const auto& part : parts) {
        if (!beyondLimit(part.material, part.celsius))
            continue;
        r.push_back({"warning", heatWarning(part.part, part.celsius, part.material)});
        (*answer.temperature)[part.key] = true;
    }
}

// Six significant digits: the model is no finer, and scripts get no binary noise.
double rounded(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return std::strtod(text, nullptr);
}

JsonObject numberOrNull(double value, bool shown)
{
    return shown && std::isfinite(value) ? JsonObject(rounded(value)) : JsonObject(nullptr);
}

JsonObject numberOrNull(const std::optional<double>& value, bool shown)
{
    return value ? numberOrNull(*value, shown) : JsonObject(nullptr);
}

// A part no interference presses has no stress and so no safety to give: said in words.
std::string stressLine(double stress, const std::optional<double>& safety, double proof)
{
    if (!safety)
        return formatFigure(stress) + " MPa, no stress: no safety to give against " +
               formatFigure(proof) + " MPa";
    return formatFigure(stress) + " MPa, safety " + formatFigure(*safety) + " against " +
           formatFigure(proof) + " MPa";
}

// One temperature's figures; a figure whose part has yielded is named as such, never given.
void addState(Record& lines, JsonObject& json, const PressState& s, const Parts& parts,
              const std::string& suffix)
{
    const bool maxHolds = !s.hubYieldsAtMax() && !s.shaftYieldsAtMax();
    const bool minHolds = !s.hubYieldsAtMin && !s.shaftYieldsAtMin;
    const auto line = [&](const std::string& key, const std::string& value) {
        lines.push_back({key + suffix, value});
    };
    line("interference_effective",
         "min " + mmText(s.interferenceMin) + ", max " + mmText(s.interferenceMax));
    if (!s.holdsForCertain)
        line("holding", "friction holds nothing for certain: no interference is left at the "
                        "fit's loosest");
    if (minHolds) {
        line("pressure_min", formatFigure(s.pressureMinMpa) + " MPa");
        line("torque_min", formatFigure(s.torqueMinNm) + " N·m");
        line("axial_force_min", formatFigure(s.axialForceMinN / 1000) + " kN");
    }
    std::string yields;
    if (s.hubYieldsAtMax())
        yields = "the hub's bore";
    if (s.shaftYieldsAtMax())
        yields += (yields.empty() ? "" : " and ") + std::string("the shaft's bore");
    if (!maxHolds) {
        const bool both = s.hubYieldsAtMax() && s.shaftYieldsAtMax();
        line("yields",
             yields + (both ? " yield" : " yields") +
                 (minHolds ? " at the maximum interference" : " even at the minimum interference") +
                 "; past yield the elastic figures do not hold, so none is given");
    } else {
        line("pressure_max", formatFigure(s.pressureMaxMpa) + " MPa");
        line("press_in_force_max", formatFigure(s.pressInForceMaxN / 1000) + " kN");
        line("hub_tangential_stress_max", formatFigure(s.hubTangentialMaxMpa) + " MPa");
        line("hub_equivalent_stress_max",
             stressLine(s.hubEquivalentMaxMpa, s.hubSafety, parts.hub.proofStressMpa));
        line("shaft_equivalent_stress_max",
             stressLine(s.shaftEquivalentMaxMpa, s.shaftSafety, parts.shaft.proofStressMpa));
    }
    JsonObject yieldsJson = JsonObject::array();
    if (s.hubYieldsAtMax())
        yieldsJson.push_back("hub");
    if (s.shaftYieldsAtMax())
        yieldsJson.push_back("shaft");
    json["interference_min_mm"] = mmNumber(s.interferenceMin);
    json["interference_max_mm"] = mmNumber(s.interferenceMax);
    json["holds_for_certain"] = s.holdsForCertain;
    json["pressure_min_mpa"] = numberOrNull(s.pressureMinMpa, minHolds);
    json["pressure_max_mpa"] = numberOrNull(s.pressureMaxMpa, maxHolds);
    json["torque_min_nm"] = numberOrNull(s.torqueMinNm, minHolds);
    json["axial_force_min_n"] = numberOrNull(s.axialForceMinN, minHolds);
    json["press_in_force_max_n"] = numberOrNull(s.pressInForceMaxN, maxHolds);
    json["hub_tangential_stress_max_mpa"] = numberOrNull(s.hubTangentialMaxMpa, maxHolds);
    json["hub_equivalent_stress_max_mpa"] = numberOrNull(s.hubEquivalentMaxMpa, maxHolds);
    json["shaft_equivalent_stress_max_mpa"] = numberOrNull(s.shaftEquivalentMaxMpa, maxHolds);
    json["hub_safety"] = numberOrNull(s.hubSafety, maxHolds);
    json["shaft_safety"] = numberOrNull(s.shaftSafety, maxHolds);
    json["yields"] = yieldsJson;
}

// The hub's heating for a shrink fit, none where the fit already clears by the joining clearance.
void addAssembly(Record& r, JsonObject& json, const PressFit& fit, const NamedMaterial& hub)
{
    const bool overheated = fit.assemblyCelsius && beyondLimit(hub, *fit.assemblyCelsius);
    if (fit.assemblyCelsius)
        r.push_back({"assembly_temperature", formatCelsius(*fit.assemblyCelsius) +
                                                 " °C, the hub heated, the shaft at 20 °C, "
                                                 "joining clearance " +
                                                 mmText(fit.joiningClearance)});
    else
        r.push_back({"assembly_temperature",
                     "none needed: the fit's least clearance, " +
                         mmText(fit.joiningClearance - fit.assemblyOpening) +
                         ", is at least the joining clearance, " + mmText(fit.joiningClearance)});
    if (overheated)
        r.push_back({"warning", heatWarning("the hub", *fit.assemblyCelsius, hub)});
    json["assembly_temperature_c"] =
        fit.assemblyCelsius ? JsonObject(rounded(*fit.assemblyCelsius)) : JsonObject(nullptr);
    json["joining_clearance_mm"] = mmNumber(fit.joiningClearance);
    json["hub_heat_limit_c"] =
        hub.heatLimit ? JsonObject(hub.heatLimit->celsius) : JsonObject(nullptr);
    json["assembly_above_heat_limit"] = overheated;
}

void addPressFit(ServiceAnswer& answer, Length diameter, const Deviations& hole,
                 const Deviations& shaft, const ServiceOptions& options)
{
    const Joint joint = jointAt(options, diameter);
    checkWalls(joint, hole, shaft);
    const Parts parts{options.hole->figures, options.shaft->figures};
    const PressFit fit = pressFitOf(joint, parts, hole, shaft, options.temperature);
    Record& r = answer.lines;
    JsonObject json = JsonObject::object();
    if (!fit.elastic) {
        const std::string note = "a plastic part is outside the elastic model of a press fit; "
                                 "nothing is worked out";
        r.push_back({"press_fit", note});
        answer.pressFit = JsonObject{{"note", note}};
        return;
    }
    r.push_back({"smoothing", joint.roughness
                                  ? mmText(fit.smoothing) +
                                        " taken off the interference, 0.4 × (Rz of both "
                                        "surfaces), after DIN 7190-1:2017"
                                  : std::string("none: no roughness given, nothing smoothed")});
    json["smoothing_mm"] = mmNumber(fit.smoothing);
    addState(r, json, fit.at20, parts, "");
    addAssembly(r, json, fit, *options.hole);
    if (fit.atWorking) {
        JsonObject hot = JsonObject::object();
        addState(r, hot, *fit.atWorking, parts, "_at_temperature");
        json["at_temperature"] = hot;
    }
    answer.pressFit = json;
}

} // namespace

ServiceAnswer answerService(const Record& fit, const ServiceOptions& options)
{
    if (!fieldOf(fit, "hole"))
        throw InputError("materials, temperatures and the press fit are for a fit HOLE/SHAFT, "
                         "such as H7/s6");
    const auto diameter = lengthIn(fit, "size");
    if (!diameter)
        throw InputError("a fit in service needs a diameter such as 50, not the range " +
                         *fieldOf(fit, "range"));
    ServiceAnswer answer;
    answer.lines.push_back({"materials", "hole " + materialText(*options.hole) + ", shaft " +
                                             materialText(*options.shaft)});
    const auto hole = deviationsIn(fit, "hole");
    const auto shaft = deviationsIn(fit, "shaft");
    if (!hole || !shaft)
        return answer; // the fit's note says why nothing is computed
    if (options.temperature)
        addTemperature(answer, *diameter, *hole, *shaft, options);
    if (options.pressFit)
        addPressFit(answer, *diameter, *hole, *shaft, options);
    return answer;
}

void writeServiceText(std::ostream& out, const Record& fit, const ServiceAnswer& answer)
{
    writeText(out, fit);
    writeText(out, answer.lines);
}

void writeServiceJson(std::ostream& out, const Record& fit, const ServiceAnswer& answer)
{
    // The fit's own object as the plain query writes it, then the objects of numbers.
    std::ostringstream plain;
    writeJson(plain, fit);
    JsonObject object = JsonObject::parse(plain.str());
    object["materials"] = *fieldOf(answer.lines, "materials");
    if (answer.temperature)
        object["temperature"] = *answer.temperature;
    if (answer.pressFit)
        object["press_fit"] = *answer.pressFit;
    writeJsonObject(out, object);
}

std::string materialLibraryText()
{
    std::string text = "Materials (figures at room temperature; alpha over 20-100 °C):\n";
    for (const Material& m : materialLibrary()) {
        const MaterialFigures& f = m.figures;
        text += '\n' + std::string(m.name) + " (" + std::string(m.condition) + ")" +
                (f.elastic ? "" : ", for the temperature only") + '\n';
        text += "  E " + formatFigure(f.youngsModulusMpa) +
                " MPa: " + std::string(m.modulusSource) + '\n';
        text +=
            "  nu " + formatFigure(f.poissonsRatio) + ": " + std::string(m.poissonSource) + '\n';
        text += "  alpha " + formatFigure(f.expansionPerMegaKelvin) +
                " × 10^-6/K: " + std::string(m.expansionSource) + '\n';
        text += "  0.2 % proof stress " + formatFigure(f.proofStressMpa) +
                " MPa: " + std::string(m.proofSource) + '\n';
        text += "  bears " + formatCelsius(m.heatLimit.celsius) + " °C, " +
                std::string(nameOf(m.heatLimit.kind)) + ": " + std::string(m.heatLimit.source) +
                '\n';
        if (!m.note.empty())
            text += "  note: " + std::string(m.note) + '\n';
    }
    return text;
}

std::string materialLibraryJson()
{
    JsonObject list = JsonObject::array();
    for (const Material& m : materialLibrary()) {
        const MaterialFigures& f = m.figures;
        list.push_back(JsonObject{{"name", m.name},
                                  {"condition", m.condition},
                                  {"press_fit", f.elastic},
                                  {"youngs_modulus_mpa", f.youngsModulusMpa},
                                  {"poissons_ratio", f.poissonsRatio},
                                  {"expansion_per_mega_kelvin", f.expansionPerMegaKelvin},
                                  {"proof_stress_mpa", f.proofStressMpa},
                                  {"heat_limit_c", m.heatLimit.celsius},
                                  {"heat_limit", nameOf(m.heatLimit.kind)},
                                  {"sources", JsonObject{{"youngs_modulus", m.modulusSource},
                                                         {"poissons_ratio", m.poissonSource},
                                                         {"expansion", m.expansionSource},
                                                         {"proof_stress", m.proofSource},
                                                         {"heat_limit", m.heatLimit.source}}},
                                  {"note", m.note}});
    }
    std::ostringstream out;
    writeJsonObject(out, list);
    return out.str();
}

tolerance::Requirement serviceRequirement(const tolerance::Requirement& requirement,
                                          const ServiceOptions& options)
{
    tolerance::Requirement tight = requirement;
    if (!options.pressFit)
        return tight;
    const Length bound = -smoothingOf(options.joint.roughness) - 1;
    tight.maximumClearance = std::min(requirement.maximumClearance.value_or(bound), bound);
    return tight;
}

void keepServiceFits(FitSearch& search, const Size& size, const ServiceOptions& options)
{
    if (!size.diameter)
        throw InputError("--fits in service needs a diameter such as 50, not the range " +
                         size.label());
    const Parts parts{options.hole->figures, options.shaft->figures};
    if (!parts.hub.elastic || !parts.shaft.elastic)
        throw InputError("a plastic part is outside the elastic model of a press fit");
    const ServiceSearch service{jointAt(options, *size.diameter), parts, options.temperature,
                                options.needs.value_or(ServiceNeeds{})};
    search.fits = tolerance::service::keepServiceFits(search.fits, service);
}

} // namespace cli
