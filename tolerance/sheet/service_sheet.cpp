// SPDX-License-Identifier: MIT
#include "tolerance/sheet/service_sheet.h"

#include "tolerance/service/figures.h"
#include "tolerance/service/thermal.h"

#include <cmath>

namespace tolerance::sheet::compose {

namespace {

using namespace tolerance::service;

std::string number(double value)
{
    return formatFigure(value);
}

std::string celsius(const Words& w, double value)
{
    return fill(w.celsius, {formatCelsius(value)});
}

std::string materialText(const Words& w, const MaterialAsked& m)
{
    return m.library ? fill(w.materialName, {m.name, m.library->condition})
                     : fill(w.materialName, {m.name, w.givenMaterial});
}

Section materialsSection(const Words& w, const ServiceAsked& asked)
{
    Table t = table({text(w.part), text(w.material), figure(std::string(w.youngsModulus)),
                     figure(std::string(w.poissonsRatio)), figure(std::string(w.expansion)),
                     figure(std::string(w.proofStress))},
                    {0.12, 0.28, 0.15, 0.13, 0.16, 0.16});
    for (const auto& [part, m] : {std::pair{w.holePart, &asked.hole}, {w.shaftPart, &asked.shaft}})
        t.rows.push_back({text(part), text(materialText(w, *m)),
                          figure(number(m->figures.youngsModulusMpa)),
                          figure(number(m->figures.poissonsRatio)),
                          figure(number(m->figures.expansionPerMegaKelvin)),
                          figure(number(m->figures.proofStressMpa))});
    return {std::string(w.materials), {t}};
}

// Each figure's source once per material, its note after them.
Section sourcesSection(const Words& w, const ServiceAsked& asked)
{
    Table t = table({text(w.item), text(w.origin)}, {0.35, 0.65});
    for (const MaterialAsked* m : {&asked.hole, &asked.shaft}) {
        if (m == &asked.shaft && asked.shaft.name == asked.hole.name &&
            asked.shaft.library == asked.hole.library)
            break;
        const Material* l = m->library;
        const std::pair<std::string_view, std::string_view> figures[] = {
            {w.youngsModulus, l ? l->modulusSource : w.givenMaterial},
            {w.poissonsRatio, l ? l->poissonSource : w.givenMaterial},
            {w.expansion, l ? l->expansionSource : w.givenMaterial},
            {w.proofStress, l ? l->proofSource : w.givenMaterial},
        };
        for (const auto& [figureName, source] : figures)
            t.rows.push_back({text(fill(w.figureOf, {m->name, figureName})), text(source)});
        if (l && !l->note.empty())
            t.rows.push_back({text(fill(w.materialNote, {m->name})), text(l->note)});
    }
    return {std::string(w.materialSources), {t}};
}

Section thermalSection(Composer& c, const ServiceAsked& asked, const FitFigures& fit,
                       const ThermalFit& at)
{
    const Words& w = c.w;
    Table t = table({text(w.item), figure(std::string(w.at20)),
                     figure(temperatureText(w, *asked.working)), text(w.unit), text(w.source)},
                    {0.34, 0.15, 0.17, 0.08, 0.26});
    const Limits hole = limitsOfSize(fit.diameter, fit.hole);
    const Limits shaft = limitsOfSize(fit.diameter, fit.shaft);
    const Limits holeAt = limitsOfSize(fit.diameter, at.hole);
    const Limits shaftAt = limitsOfSize(fit.diameter, at.shaft);
    const Fit cold = fitOf(fit.hole, fit.shaft);
    const std::string thermal = c.cite(w.thermal);
    const std::string clearances = c.cite(w.clearances);
    const auto row = [&](std::string_view name, Length at20, Length atWorking,
                         const std::string& how) {
        t.rows.push_back({text(name), figure(formatMillimetres(at20)),
                          figure(formatMillimetres(atWorking)), text("mm"), text(how)});
    };
    row(w.holeMaximumSize, hole.maximum, holeAt.maximum, thermal);
    row(w.holeMinimumSize, hole.minimum, holeAt.minimum, thermal);
    row(w.shaftMaximumSize, shaft.maximum, shaftAt.maximum, thermal);
    row(w.shaftMinimumSize, shaft.minimum, shaftAt.minimum, thermal);
    row(w.clearanceSigned, cold.maximumClearance, at.fit.maximumClearance, clearances);
    row(w.minimumClearanceSigned, cold.minimumClearance, at.fit.minimumClearance, clearances);
    t.rows.push_back({text(w.fitType), figure(std::string(typeName(w, cold.type))),
                      figure(std::string(typeName(w, at.fit.type))), text(""), text(clearances)});
    if (at.fit.type != at.typeAt20)
        c.warn(fill(w.changesType, {temperatureText(w, *asked.working), typeName(w, at.typeAt20),
                                    typeName(w, at.fit.type)}));
    return {std::string(w.temperature), {t}};
}

// One temperature's figures in the order of kStateRows; where its end of the fit has yielded,
// the mark that none is given.
std::vector<std::string> stateFigures(const PressState& s, std::string_view none,
                                      std::string_view noStress)
{
    const bool minHolds = !s.hubYieldsAtMin && !s.shaftYieldsAtMin;
    const bool maxHolds = !s.hubYieldsAtMax() && !s.shaftYieldsAtMax();
    const auto shown = [&](bool holds, double value) {
        return holds && std::isfinite(value) ? number(value) : std::string(none);
    };
    // A part under no stress has no safety to give: said in words.
    const auto safety = [&](const std::optional<double>& value) {
        return !maxHolds ? std::string(none) : value ? number(*value) : std::string(noStress);
    };
    return {formatMillimetres(s.interferenceMin),       formatMillimetres(s.interferenceMax),
            shown(minHolds, s.pressureMinMpa),          shown(minHolds, s.torqueMinNm),
            shown(minHolds, s.axialForceMinN / 1000),   shown(maxHolds, s.pressureMaxMpa),
            shown(maxHolds, s.pressInForceMaxN / 1000), shown(maxHolds, s.hubTangentialMaxMpa),
            shown(maxHolds, s.hubEquivalentMaxMpa),     safety(s.hubSafety),
            shown(maxHolds, s.shaftEquivalentMaxMpa),   safety(s.shaftSafety)};
}

struct StateRow
{
    std::string_view Words::*name;
    std::string_view unit;
    FormulaWords Words::*formula;
};

// After the two interferences come the ratios of the diameters, which the pressure needs.
constexpr std::size_t kInterferenceRows = 2;
constexpr StateRow kStateRows[] = {
    {&Words::interferenceMin, "mm", &Words::smoothed},
    {&Words::interferenceMax, "mm", &Words::smoothed},
    {&Words::pressureMin, "MPa", &Words::pressure},
    {&Words::torqueMin, "N·m", &Words::holding},
    {&Words::axialForceMin, "kN", &Words::holding},
    {&Words::pressureMax, "MPa", &Words::pressure},
    {&Words::pressInForceMax, "kN", &Words::holding},
    {&Words::hubTangential, "MPa", &Words::stresses},
    {&Words::hubEquivalent, "MPa", &Words::stresses},
    {&Words::hubSafety, "", &Words::stresses},
    {&Words::shaftEquivalent, "MPa", &Words::stresses},
    {&Words::shaftSafety, "", &Words::stresses},
};

std::string_view limitWords(const Words& w, HeatLimitKind kind)
{
    switch (kind) {
    case HeatLimitKind::Tempering:
        return w.tempering;
    case HeatLimitKind::Transformation:
        return w.transformation;
    case HeatLimitKind::Sensitisation:
        return w.sensitisation;
    case HeatLimitKind::Decomposition:
        return w.decomposition;
    case HeatLimitKind::Stabilising:
        return w.stabilising;
    case HeatLimitKind::Ageing:
        return w.ageing;
    case HeatLimitKind::Annealing:
        return w.annealing;
    case HeatLimitKind::MeltingOnset:
        return w.meltingOnset;
    case HeatLimitKind::Mechanical:
        return w.mechanical;
    case HeatLimitKind::ContinuousUse:
        break;
    }
    return w.continuousUse;
}

// A part heated past what its material bears is no longer the part its figures describe.
void warnHeat(Composer& c, std::string_view what, double value, const MaterialAsked& material)
{
    if (!material.library || value <= material.library->heatLimit.celsius)
        return;
    const HeatLimit& limit = material.library->heatLimit;
    c.warn(fill(c.w.beyondHeatLimit, {what, celsius(c.w, value), material.name,
                                      limitWords(c.w, limit.kind), celsius(c.w, limit.celsius)}));
}

void warnState(Composer& c, const PressState& s, const std::string& where)
{
    const Words& w = c.w;
    if (!s.holdsForCertain)
        c.warn(fill(w.notCertain, {where}));
    std::string bores;
    if (s.hubYieldsAtMax() && s.shaftYieldsAtMax())
        bores = fill(w.bothBores, {w.hubBore, w.shaftBore});
    else if (s.hubYieldsAtMax() || s.shaftYieldsAtMax())
        bores = s.hubYieldsAtMax() ? w.hubBore : w.shaftBore;
    if (bores.empty())
        return;
    const bool atMin = s.hubYieldsAtMin || s.shaftYieldsAtMin;
    c.warn(fill(atMin ? w.yieldsAtMin : w.yieldsAtMax, {where, bores}));
}

Table pressTable(Composer& c, const ServiceAsked& asked, const PressFit& press)
{
    const Words& w = c.w;
    const Joint& joint = *asked.joint;
    const bool warm = press.atWorking.has_value();
    std::vector<Cell> head{text(w.item), figure(std::string(w.at20))};
    if (warm)
        head.push_back(figure(temperatureText(w, *asked.working)));
    head.insert(head.end(), {text(w.unit), text(w.source)});
    Table t = table(head, warm ? std::vector{0.34, 0.15, 0.17, 0.08, 0.26}
                               : std::vector{0.40, 0.20, 0.10, 0.30});
    const auto add = [&](std::string_view name, std::string cold, std::string hot,
                         std::string_view unit, const FormulaWords& formula) {
        std::vector<Cell> row{text(name), figure(std::move(cold))};
        if (warm)
            row.push_back(figure(std::move(hot)));
        row.insert(row.end(), {text(unit), text(c.cite(formula))});
        t.rows.push_back(std::move(row));
    };
    if (joint.roughness)
        add(w.smoothing, formatMillimetres(press.smoothing), "", "mm", w.smoothed);
    const std::vector<std::string> cold = stateFigures(press.at20, w.notWorkedOut, w.noStress);
    const std::vector<std::string> hot =
        warm ? stateFigures(*press.atWorking, w.notWorkedOut, w.noStress)
             : std::vector<std::string>(cold.size());
    for (std::size_t i = 0; i < std::size(kStateRows); ++i) {
        if (i == kInterferenceRows) {
            add(w.hubRatio, number(double(joint.diameter) / double(joint.hubOuter)), "", "",
                w.pressure);
            if (joint.shaftBore > 0)
                add(w.boreRatio, number(double(joint.shaftBore) / double(joint.diameter)), "", "",
                    w.pressure);
        }
        const StateRow& row = kStateRows[i];
        add(w.*row.name, cold[i], hot[i], row.unit, w.*row.formula);
    }
    add(w.assemblyTemperature,
        press.assemblyCelsius ? formatCelsius(*press.assemblyCelsius) : std::string(w.notNeeded),
        "", press.assemblyCelsius ? "°C" : "", w.shrinking);
    add(w.joiningClearance, formatMillimetres(press.joiningClearance), "", "mm", w.shrinking);
    return t;
}

std::optional<Section> pressSection(Composer& c, const ServiceAsked& asked, const FitFigures& fit)
{
    const Words& w = c.w;
    const Parts parts{asked.hole.figures, asked.shaft.figures};
    const PressFit press = pressFitOf(*asked.joint, parts, fit.hole, fit.shaft, asked.working);
    if (!press.elastic) {
        c.warn(std::string(w.plastic));
        return std::nullopt;
    }
    Section section{std::string(w.pressFit), {pressTable(c, asked, press)}};
    if (press.assemblyCelsius)
        warnHeat(c, w.assemblyTemperatureWarned, *press.assemblyCelsius, asked.hole);
    else
        section.blocks.emplace_back(Paragraph{
            fill(w.noHeating, {formatMillimetres(press.joiningClearance - press.assemblyOpening),
                               formatMillimetres(press.joiningClearance)})});
    if (!asked.joint->roughness)
        section.blocks.emplace_back(Paragraph{std::string(w.noRoughness)});
    warnState(c, press.at20, std::string(w.at20));
    if (press.atWorking)
        warnState(c, *press.atWorking, temperatureText(w, *asked.working));
    return section;
}

} // namespace

std::string temperatureText(const Words& w, const Temperatures& working)
{
    if (working.holeCelsius == working.shaftCelsius)
        return celsius(w, working.holeCelsius);
    return fill(w.temperatures,
                {celsius(w, working.holeCelsius), celsius(w, working.shaftCelsius)});
}

std::string_view typeName(const Words& w, FitType type)
{
    switch (type) {
    case FitType::Clearance:
        return w.clearanceFit;
    case FitType::Transition:
        return w.transitionFit;
    case FitType::Interference:
        break;
    }
    return w.interferenceFit;
}

ServiceSections serviceSections(Composer& c, const ServiceAsked& asked, const FitFigures& fit)
{
    ServiceSections answer;
    answer.sections.push_back(materialsSection(c.w, asked));
    answer.sections.push_back(sourcesSection(c.w, asked));
    if (asked.working) {
        warnHeat(c, c.w.holePartTemperature, asked.working->holeCelsius, asked.hole);
        warnHeat(c, c.w.shaftTemperature, asked.working->shaftCelsius, asked.shaft);
        const ThermalFit at =
            fitAt(fit.diameter, fit.hole, fit.shaft, asked.hole.figures.expansionPerMegaKelvin,
                  asked.shaft.figures.expansionPerMegaKelvin, *asked.working);
        answer.sections.push_back(thermalSection(c, asked, fit, at));
        answer.warm = WarmZones{at.hole, at.shaft, temperatureText(c.w, *asked.working)};
    }
    if (asked.joint)
        if (auto press = pressSection(c, asked, fit))
            answer.sections.push_back(std::move(*press));
    return answer;
}

} // namespace tolerance::sheet::compose
