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
                                    {"fit_changes_type", changes}};
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
        line("yields", yields +
                           (minHolds ? " yields at the maximum interference"
                                     : " yields even at the minimum interference") +
                           "; past yield the elastic figures do not hold, so none is given");
    } else {
        line("pressure_max", formatFigure(s.pressureMaxMpa) + " MPa");
        line("press_in_force_max", formatFigure(s.pressInForceMaxN / 1000) + " kN");
        line("hub_tangential_stress_max", formatFigure(s.hubTangentialMaxMpa) + " MPa");
        line("hub_equivalent_stress_max", formatFigure(s.hubEquivalentMaxMpa) + " MPa, safety " +
                                              formatFigure(s.hubSafety) + " against " +
                                              formatFigure(parts.hub.proofStressMpa) + " MPa");
        line("shaft_equivalent_stress_max",
             formatFigure(s.shaftEquivalentMaxMpa) + " MPa, safety " + formatFigure(s.shaftSafety) +
                 " against " + formatFigure(parts.shaft.proofStressMpa) + " MPa");
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

void addPressFit(ServiceAnswer& answer, Length diameter, const Deviations& hole,
                 const Deviations& shaft, const ServiceOptions& options)
{
    const Joint joint = jointAt(options, diameter);
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
    r.push_back({"assembly_temperature", formatCelsius(fit.assemblyCelsius) +
                                             " °C, the hub heated, the shaft at 20 °C, "
                                             "joining clearance " +
                                             mmText(fit.joiningClearance)});
    json["assembly_temperature_c"] = rounded(fit.assemblyCelsius);
    json["joining_clearance_mm"] = mmNumber(fit.joiningClearance);
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
    // The fit's own fields as the plain query writes them, then the objects of numbers.
    JsonObject object = JsonObject::object();
    for (const Field& field : fit)
        object[field.key] = field.value;
    for (const Field& field : fit.figures)
        object[field.key] = field.value;
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
        if (!m.note.empty())
            text += "  note: " + std::string(m.note) + '\n';
    }
    return text;
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
