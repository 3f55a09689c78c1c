// SPDX-License-Identifier: MIT
#include "tolerance/sheet/bearing_sheet.h"

#include "tolerance/bearing/clearance.h"
#include "tolerance/service/figures.h"
#include "tolerance/sheet/compose.h"
#include "tolerance/sheet/fit_sections.h"

#include <array>

namespace tolerance::sheet {

namespace {

using namespace compose;
using namespace bearing;

std::string_view typeWords(const Words& w, BearingType type)
{
    switch (type) {
    case BearingType::DeepGrooveBall:
        return w.deepGrooveBall;
    case BearingType::AngularContactBall:
        return w.angularContactBall;
    case BearingType::SelfAligningBall:
        return w.selfAligningBall;
    case BearingType::CylindricalRoller:
        return w.cylindricalRoller;
    case BearingType::TaperedRoller:
        break;
    }
    return w.taperedRoller;
}

std::string_view loadWords(const Words& w, LoadCase load)
{
    return load == LoadCase::RotatingInner   ? w.rotatingInner
           : load == LoadCase::RotatingOuter ? w.rotatingOuter
                                             : w.indeterminate;
}

std::string_view sizeWords(const Words& w, LoadSize size)
{
    return size == LoadSize::Light    ? w.lightLoad
           : size == LoadSize::Normal ? w.normalLoad
                                      : w.heavyLoad;
}

// The reduction is an estimate, written to the tenth of a micrometre it can tell.
std::string estimate(Length value)
{
    return formatMillimetres(toTenthMicrometre(value));
}

std::string celsius(double value)
{
    return service::formatCelsius(value) + " °C";
}

std::string joined(const std::vector<std::string_view>& codes)
{
    std::string text;
    for (const std::string_view code : codes)
        text += (text.empty() ? "" : " ") + std::string(code);
    return text;
}

// The classes of both seats: as asked, else the first the load's recommendation gives.
struct Seats
{
    std::optional<ClassCode> shaft;
    std::optional<ClassCode> housing;
    std::optional<Recommendation> recommended;
};

Seats seatsOf(const BearingAsked& asked)
{
    Seats seats{asked.shaft.code, asked.housing.code, std::nullopt};
    if (asked.load)
        seats.recommended = recommendedFits(*asked.load, asked.loadSize,
                                            isRoller(asked.bearing.type), asked.bearing.bore);
    const auto first = [](const std::vector<std::string_view>& codes) -> std::optional<ClassCode> {
        if (codes.empty())
            return std::nullopt;
        const auto parsed = parseClassCode(codes.front());
        const auto* code = std::get_if<ClassCode>(&parsed);
        return code ? std::optional(*code) : std::nullopt;
    };
    if (seats.recommended && !seats.shaft)
        seats.shaft = first(seats.recommended->shaft);
    if (seats.recommended && !seats.housing)
        seats.housing = first(seats.recommended->housing);
    return seats;
}

Section inputsSection(const BearingAsked& asked, const Words& w)
{
    Table t = table({text(w.item), text(w.typed)}, {0.4, 0.6});
    const auto add = [&](std::string_view label, std::string_view typed) {
        if (!typed.empty())
            t.rows.push_back({text(label), text(typed)});
    };
    const BearingTyped& typed = asked.typed;
    add(w.bearingNumberInput, typed.number);
    add(w.accuracyInput, typed.accuracy);
    add(w.shaftClassInput, typed.shaft);
    add(w.housingClassInput, typed.housing);
    if (asked.load) {
        add(w.loadInput, loadWords(w, *asked.load));
        add(w.loadSizeInput, sizeWords(w, asked.loadSize));
    }
    add(w.seatTemperaturesInput, typed.temperatures);
    add(w.seatMaterialsInput, typed.materials);
    add(w.seatRoughnessInput, typed.roughness);
    add(w.editionInput, asked.edition == Edition::Jis1984 ? w.edition1984 : w.edition2016);
    return {std::string(w.inputs), {t}};
}

Section bearingSection(const BearingAsked& asked, const Words& w)
{
    const Bearing& b = asked.bearing;
    const Construction construction = constructionOf(b.type);
    const std::string standard(standardOf(construction));
    Table t = table({text(w.item), figure(std::string(w.value)), text(w.unit), text(w.origin)},
                    {0.34, 0.18, 0.08, 0.40});
    t.rows.push_back(
        {text(w.bearingType), figure(std::string(typeWords(w, b.type))), text(""), text(b.source)});
    std::vector<std::pair<std::string_view, Length>> sizes{
        {w.bore, b.bore}, {w.outside, b.outside}, {w.width, b.width}};
    if (b.totalWidth)
        sizes.emplace_back(w.totalWidth, *b.totalWidth);
    for (const auto& [name, size] : sizes)
        t.rows.push_back({text(name), figure(formatDiameter(size)), text("mm"), text(b.source)});
    t.rows.push_back({text(w.accuracyInput), figure(fill(w.accuracy, {nameOf(asked.accuracy)})),
                      text(""), text(standard)});
    const RingAnswer width = construction == Construction::Radial
                                 ? widthDeviation(asked.accuracy, b.bore)
                                 : taperedWidthDeviation(Ring::Inner, asked.accuracy, b.bore);
    if (const auto* deviations = std::get_if<Deviations>(&width))
        for (const auto& [name, value] : {std::pair{w.widthUpper, deviations->upper},
                                          std::pair{w.widthLower, deviations->lower}})
            t.rows.push_back(
                {text(name), figure(signedMillimetres(value)), text("mm"), text(standard)});
    return {std::string(w.bearing), {t}};
}

FitAsked seatFit(const BearingAsked& asked, Ring ring, const ClassCode& code)
{
    const Length diameter = ring == Ring::Inner ? asked.bearing.bore : asked.bearing.outside;
    const auto step = stepOf(diameter);
    FitAsked fit;
    fit.size = {diameter, diameter, step ? std::string(sizeSteps()[*step].label) : std::string()};
    const RingAsked side{ring, asked.accuracy, constructionOf(asked.bearing.type)};
    fit.hole = ring == Ring::Inner ? SideAsked(side) : SideAsked(code);
    fit.shaft = ring == Ring::Inner ? SideAsked(code) : SideAsked(side);
    fit.edition = asked.edition;
    return fit;
}

std::optional<Deviations> deviationsOf(const SideAsked& side, const FitAsked& fit)
{
    if (const auto* code = std::get_if<ClassCode>(&side))
        return lookUp(*code, fit.size.nominal, fit.edition).deviations;
    const auto& ring = std::get<RingAsked>(side);
    const RingAnswer found =
        meanDiameterDeviation(ring.construction, ring.ring, ring.accuracy, fit.size.nominal);
    const auto* deviations = std::get_if<Deviations>(&found);
    return deviations ? std::optional(*deviations) : std::nullopt;
}

// One temperature's reduction, as a column: the order of kReductionRows.
std::vector<std::string> reductionColumn(const Reduction& r)
{
    return {estimate(r.shaftInterferenceMin),
            estimate(r.shaftInterferenceMax),
            estimate(r.housingInterferenceMin),
            estimate(r.housingInterferenceMax),
            estimate(r.innerExpansionMin),
            estimate(r.innerExpansionMax),
            estimate(r.outerContractionMin),
            estimate(r.outerContractionMax),
            estimate(r.thermal),
            estimate(r.totalMin()),
            estimate(r.totalMax())};
}

constexpr std::array<std::string_view Words::*, 11> kReductionRows{
    &Words::shaftInterferenceMin,   &Words::shaftInterferenceMax, &Words::housingInterferenceMin,
    &Words::housingInterferenceMax, &Words::innerExpansionMin,    &Words::innerExpansionMax,
    &Words::outerContractionMin,    &Words::outerContractionMax,  &Words::ringsThermal,
    &Words::reductionMin,           &Words::reductionMax};

// The clearance of each group before and after mounting; a group that may lose it all warned of.
Table groupsTable(Composer& c, const Bearing& b, const Reduction& r, const std::string& where)
{
    const Words& w = c.w;
    Table t =
        table({text(w.group), figure(std::string(w.beforeMin)), figure(std::string(w.beforeMax)),
               figure(std::string(w.mountedMin)), figure(std::string(w.mountedMax))},
              {0.16, 0.21, 0.21, 0.21, 0.21});
    for (const ClearanceGroup group :
         {ClearanceGroup::C2, ClearanceGroup::CN, ClearanceGroup::C3, ClearanceGroup::C4}) {
        const auto range = radialClearance(group, b.bore);
        if (!range)
            continue;
        const ClearanceRange left = residualOf(*range, r);
        t.rows.push_back({text(nameOf(group)), figure(estimate(range->minimum)),
                          figure(estimate(range->maximum)), figure(estimate(left.minimum)),
                          figure(estimate(left.maximum))});
        if (left.minimum < 0)
            c.warn(fill(w.mayVanish, {nameOf(group), where, estimate(-left.minimum)}));
    }
    return t;
}

Section clearanceSection(Composer& c, const BearingAsked& asked, const Seat& shaft,
                         const Seat& housing)
{
    const Words& w = c.w;
    const Bearing& b = asked.bearing;
    const Mounting mounting = mountingOf(b.bore, b.outside, shaft, housing, asked.temperatures);
    const Raceways raceways = racewaysOf(b.bore, b.outside, isRoller(b.type));
    const Reduction cold = reductionOf(raceways, b.bore, b.outside, mounting.at20);
    const std::optional<Reduction> hot =
        mounting.atWorking
            ? std::optional(reductionOf(raceways, b.bore, b.outside, *mounting.atWorking,
                                        mounting.ringDifference))
            : std::nullopt;
    const MountingTemperatures* t = asked.temperatures ? &*asked.temperatures : nullptr;
    const std::string warm = t ? fill(w.seatTemperatures, {celsius(t->shaft), celsius(t->inner),
                                                           celsius(t->outer), celsius(t->housing)})
                               : std::string();
    std::vector<Cell> head{text(w.item), figure(std::string(w.at20))};
    if (hot)
        head.push_back(figure(warm));
    head.insert(head.end(), {text(w.unit), text(w.source)});
    Table table = compose::table(head, hot ? std::vector{0.32, 0.14, 0.2, 0.08, 0.26}
                                           : std::vector{0.4, 0.2, 0.1, 0.3});
    const auto add = [&](std::string_view name, std::string cold, std::string hotText,
                         const FormulaWords& formula) {
        std::vector<Cell> row{text(name), figure(std::move(cold))};
        if (hot)
            row.push_back(figure(std::move(hotText)));
        row.insert(row.end(), {text("mm"), text(c.cite(formula))});
        table.rows.push_back(std::move(row));
    };
    add(w.innerRaceway, estimate(raceways.inner), "", w.raceways);
    add(w.outerRaceway, estimate(raceways.outer), "", w.raceways);
    const std::vector<std::string> coldColumn = reductionColumn(cold);
    const std::vector<std::string> hotColumn =
        hot ? reductionColumn(*hot) : std::vector<std::string>(coldColumn.size());
    for (std::size_t i = 0; i < kReductionRows.size(); ++i)
        add(w.*kReductionRows[i], coldColumn[i], hotColumn[i],
            i < 4 && asked.roughnessGiven ? w.smoothed : w.reduction);
    Section section{std::string(w.clearance), {table}};
    if (b.type != BearingType::DeepGrooveBall) {
        section.blocks.emplace_back(Paragraph{std::string(w.groupsBallOnly)});
        return section;
    }
    const std::string residual = c.cite(w.residual);
    section.blocks.emplace_back(Paragraph{fill(w.groups, {w.at20, residual})});
    section.blocks.emplace_back(groupsTable(c, b, cold, std::string(w.at20)));
    if (hot) {
        section.blocks.emplace_back(Paragraph{fill(w.groups, {warm, residual})});
        section.blocks.emplace_back(groupsTable(c, b, *hot, warm));
    }
    return section;
}

} // namespace

Sheet bearingSheet(const BearingAsked& asked, const Stamp& stamp, const Words& w)
{
    Composer c{w, {}, {}};
    const Seats seats = seatsOf(asked);
    std::string subject = fill(w.bearingSubject, {asked.bearing.number});
    if (seats.shaft && seats.housing)
        subject += fill(w.seatsSubject, {textOf(*seats.shaft), textOf(*seats.housing)});
    Sheet sheet = c.sheet(subject, stamp);
    sheet.sections.push_back(inputsSection(asked, w));
    std::vector<Section> body{bearingSection(asked, w)};
    if (seats.recommended) {
        const Recommendation& r = *seats.recommended;
        body.push_back(
            {std::string(w.recommended),
             {Paragraph{fill(w.recommendation, {joined(r.shaft), joined(r.housing), r.source})},
              Paragraph{std::string(r.note)}}});
    }
    Section result{std::string(w.result), {}};
    std::optional<Seat> seat[2];
    for (const Ring ring : {Ring::Inner, Ring::Outer}) {
        const auto& code = ring == Ring::Inner ? seats.shaft : seats.housing;
        if (!code)
            continue;
        const FitAsked fit = seatFit(asked, ring, *code);
        FitSections sections =
            fitSections(c, fit, ring == Ring::Inner ? w.shaftSeat : w.housingSeat);
        if (!sections.summary.empty())
            result.blocks.emplace_back(Paragraph{sections.summary});
        for (Section& section : sections.sections)
            body.push_back(std::move(section));
        const auto ringSide = deviationsOf(ring == Ring::Inner ? *fit.hole : *fit.shaft, fit);
        const auto mating = deviationsOf(ring == Ring::Inner ? *fit.shaft : *fit.hole, fit);
        const SeatAsked& asks = ring == Ring::Inner ? asked.shaft : asked.housing;
        if (ringSide && mating)
            seat[ring == Ring::Inner ? 0 : 1] =
                Seat{*ringSide, *mating, asks.expansionPerMegaKelvin, asks.smoothing};
    }
    if (seat[0] && seat[1])
        body.push_back(clearanceSection(c, asked, *seat[0], *seat[1]));
    if (!result.blocks.empty())
        sheet.sections.push_back(std::move(result));
    c.finish(sheet, std::move(body), false);
    return sheet;
}

} // namespace tolerance::sheet
