// SPDX-License-Identifier: MIT
#include "tolerance/sheet/fit_sheet.h"

#include "tolerance/fit.h"
#include "tolerance/given_limits.h"
#include "tolerance/other_basis.h"
#include "tolerance/sheet/compose.h"
#include "tolerance/sheet/fit_sections.h"
#include "tolerance/sheet/service_sheet.h"
#include "tolerance/sheet/zone_drawing.h"

#include <ctime>

namespace tolerance::sheet {

namespace {

using namespace compose;

// A side as the sheet writes it: its name, its deviations where it has them, their source.
struct SideAnswer
{
    std::string name;
    std::optional<Deviations> deviations;
    std::string source;
    bool limits; // typed limits: their own slash calls for parentheses in a pair's name
};

std::string_view sourceOf(Source source, Edition edition, const Words& w)
{
    if (source == Source::Table1984)
        return w.fromTable1984;
    return edition == Edition::Jis1984 ? w.fromRules1984 : w.fromRules2016;
}

SideAnswer ringAnswer(const RingAsked& ring, const FitAsked& asked, const Words& w)
{
    using namespace bearing;
    const RingAnswer found =
        meanDiameterDeviation(ring.construction, ring.ring, ring.accuracy,
                              asked.size.diameter.value_or(asked.size.nominal));
    const auto* deviations = std::get_if<Deviations>(&found);
    return {fill(ring.ring == Ring::Inner ? w.innerRing : w.outerRing, {nameOf(ring.accuracy)}),
            deviations ? std::optional(*deviations) : std::nullopt, std::string(w.ringStandard),
            false};
}

SideAnswer answerOf(const SideAsked& side, const FitAsked& asked, const Words& w)
{
    if (const auto* limits = std::get_if<Deviations>(&side))
        return {textOfLimits(*limits), *limits, std::string(w.given), true};
    if (const auto* ring = std::get_if<RingAsked>(&side))
        return ringAnswer(*ring, asked, w);
    const ClassCode& code = std::get<ClassCode>(side);
    const EditionAnswer found = lookUp(code, asked.size.nominal, asked.edition);
    return {textOf(code), found.deviations, std::string(sourceOf(found.source, asked.edition, w)),
            false};
}

std::string sizeText(const SizeAsked& size, const Words& w)
{
    return size.diameter ? fill(w.diameter, {formatDiameter(*size.diameter)}) : size.range;
}

// A side's limits hold a slash of their own: in parentheses the pair still reads as two.
std::string pairName(const SideAnswer& hole, const SideAnswer& shaft)
{
    const auto name = [](const SideAnswer& side) {
        return side.limits ? '(' + side.name + ')' : side.name;
    };
    return name(hole) + '/' + name(shaft);
}

bool isClass(const std::optional<SideAsked>& side)
{
    return side && std::holds_alternative<ClassCode>(*side);
}

std::string_view inputLabel(const SideAsked& side, std::string_view ofClass,
                            std::string_view ofLimits, std::string_view ofRing)
{
    return std::holds_alternative<ClassCode>(side)    ? ofClass
           : std::holds_alternative<Deviations>(side) ? ofLimits
                                                      : ofRing;
}

Section inputsSection(const FitAsked& asked, const Words& w)
{
    Table t = table({text(w.item), text(w.typed)}, {0.4, 0.6});
    const auto add = [&](std::string_view label, std::string_view typed) {
        if (!typed.empty())
            t.rows.push_back({text(label), text(typed)});
    };
    const TypedInputs& typed = asked.typed;
    add(w.sizeInput, typed.size);
    if (asked.hole)
        add(inputLabel(*asked.hole, w.holeClassInput, w.holeLimitsInput, w.holeRingInput),
            typed.hole);
    if (asked.shaft)
        add(inputLabel(*asked.shaft, w.shaftClassInput, w.shaftLimitsInput, w.shaftRingInput),
            typed.shaft);
    if (isClass(asked.hole) || isClass(asked.shaft))
        add(w.editionInput, asked.edition == Edition::Jis1984 ? w.edition1984 : w.edition2016);
    if (asked.hole && asked.shaft)
        add(w.distributionInput, asked.distribution == Distribution::Normal ? w.normal : w.uniform);
    const std::pair<std::string_view, const std::string*> service[] = {
        {w.holeMaterialInput, &typed.holeMaterial},
        {w.shaftMaterialInput, &typed.shaftMaterial},
        {w.holeCelsiusInput, &typed.holeCelsius},
        {w.shaftCelsiusInput, &typed.shaftCelsius},
        {w.hubOuterInput, &typed.hubOuter},
        {w.shaftBoreInput, &typed.shaftBore},
        {w.lengthInput, &typed.length},
        {w.frictionInput, &typed.friction},
        {w.holeRzInput, &typed.holeRz},
        {w.shaftRzInput, &typed.shaftRz},
        {w.joiningClearanceInput, &typed.joiningClearance},
    };
    for (const auto& [label, text] : service)
        add(label, *text);
    return {std::string(w.inputs), {t}};
}

Table figuresTable(const Words& w)
{
    return table({text(w.item), figure(std::string(w.value)), text(w.unit), text(w.source)},
                 {0.38, 0.17, 0.08, 0.37});
}

void addSideRows(Composer& c, Table& t, const SideAnswer& side, std::string_view pattern,
                 const std::optional<Length>& diameter)
{
    const Words& w = c.w;
    const std::string name = fill(pattern, {side.name});
    const Deviations& d = *side.deviations;
    t.rows.push_back({text(fill(w.upperDeviation, {name})), figure(signedMillimetres(d.upper)),
                      text("mm"), text(side.source)});
    t.rows.push_back({text(fill(w.lowerDeviation, {name})), figure(signedMillimetres(d.lower)),
                      text("mm"), text(side.source)});
    if (!diameter)
        return;
    const Limits limits = limitsOfSize(*diameter, d);
    const std::string how = c.cite(w.limits);
    t.rows.push_back({text(fill(w.maximumSize, {name})), figure(formatMillimetres(limits.maximum)),
                      text("mm"), text(how)});
    t.rows.push_back({text(fill(w.minimumSize, {name})), figure(formatMillimetres(limits.minimum)),
                      text("mm"), text(how)});
    if (limits.minimum <= 0)
        c.warn(std::string(w.nonPositive));
}

// The clearances under their names, loosest first; a negative clearance is an interference.
std::array<std::pair<std::string_view, Length>, 2> clearancesOf(const Words& w, const Fit& fit)
{
    switch (fit.type) {
    case FitType::Clearance:
        return {{{w.maximumClearance, fit.maximumClearance},
                 {w.minimumClearance, fit.minimumClearance}}};
    case FitType::Transition:
        return {{{w.maximumClearance, fit.maximumClearance},
                 {w.maximumInterference, -fit.minimumClearance}}};
    case FitType::Interference:
        break;
    }
    return {{{w.minimumInterference, -fit.maximumClearance},
             {w.maximumInterference, -fit.minimumClearance}}};
}

std::string otherBasisText(const Words& w, const OtherBasisFit& other)
{
    const std::string pair = textOf(other.pair.hole) + '/' + textOf(other.pair.shaft);
    const auto um = [](Length shift) { return (shift > 0 ? "+" : "") + formatMicrometres(shift); };
    if (other.ownPair)
        return fill(w.otherBasisOwn, {pair});
    if (other.same())
        return fill(w.otherBasisSame, {pair});
    return fill(w.otherBasisNearest, {pair, um(other.maximumShift), um(other.minimumShift)});
}

Section fitSection(Composer& c, const FitAsked& asked, const Fit& fit)
{
    const Words& w = c.w;
    Table t = figuresTable(w);
    const std::string clearances = c.cite(w.clearances);
    t.rows.push_back(
        {text(w.fitType), figure(std::string(typeName(w, fit.type))), text(""), text(clearances)});
    for (const auto& [name, value] : clearancesOf(w, fit))
        t.rows.push_back(
            {text(name), figure(formatMillimetres(value)), text("mm"), text(clearances)});
    t.rows.push_back({text(w.fitTolerance), figure(formatMillimetres(fitTolerance(fit))),
                      text("mm"), text(c.cite(w.fitVariation))});
    Section section{std::string(w.fit), {t}};
    if (isClass(asked.hole) && isClass(asked.shaft)) {
        const ClassCode& hole = std::get<ClassCode>(*asked.hole);
        const ClassCode& shaft = std::get<ClassCode>(*asked.shaft);
        if (const auto other = otherBasisFit(hole, shaft, asked.size.nominal, asked.edition))
            section.blocks.emplace_back(Paragraph{fill(w.otherBasis, {otherBasisText(w, *other)})});
    }
    return section;
}

Section spreadSection(Composer& c, const FitAsked& asked, const Deviations& hole,
                      const Deviations& shaft)
{
    const Words& w = c.w;
    const bool normal = asked.distribution == Distribution::Normal;
    const FitStatistics s = fitStatistics(hole, shaft, asked.distribution);
    const std::string how = c.cite(normal ? w.normalSpread : w.uniformSpread);
    Table t = figuresTable(w);
    t.rows.push_back({text(w.spreadLow), figure(formatStatisticalClearance(s.clearanceLow)),
                      text("mm"), text(how)});
    t.rows.push_back({text(w.spreadHigh), figure(formatStatisticalClearance(s.clearanceHigh)),
                      text("mm"), text(how)});
    t.rows.push_back({text(w.interferenceOdds),
                      figure(formatPercent(s.interferenceProbability, s.clearanceProbability)),
                      text("%"), text(how)});
    t.rows.push_back({text(w.clearanceOdds),
                      figure(formatPercent(s.clearanceProbability, s.interferenceProbability)),
                      text("%"), text(how)});
    return {std::string(w.spread),
            {Paragraph{fill(w.distribution, {normal ? w.normalAssumed : w.uniformAssumed})}, t}};
}

// The pair's line of the result, and its sections after the sides'.
struct PairSections
{
    std::string summary;
    std::vector<Section> sections;
};

PairSections pairSections(Composer& c, const FitAsked& asked, const SideAnswer& hole,
                          const SideAnswer& shaft)
{
    const Words& w = c.w;
    const Fit fit = fitOf(*hole.deviations, *shaft.deviations);
    const auto figures = clearancesOf(w, fit);
    PairSections pair{
        fill(w.summary, {sizeText(asked.size, w), pairName(hole, shaft), typeName(w, fit.type),
                         figures[0].first, formatMillimetres(figures[0].second), figures[1].first,
                         formatMillimetres(figures[1].second)}),
        {fitSection(c, asked, fit)}};
    // Composed in reading order, so that the formulas are numbered as they are met.
    Section spread = spreadSection(c, asked, *hole.deviations, *shaft.deviations);
    ServiceSections service;
    if (asked.service && asked.size.diameter)
        service = serviceSections(c, *asked.service,
                                  {*asked.size.diameter, *hole.deviations, *shaft.deviations});
    pair.sections.push_back(
        {std::string(w.zones),
         {zoneDrawing(w, {hole.name, *hole.deviations}, {shaft.name, *shaft.deviations},
                      service.warm, typeName(w, fit.type))}});
    pair.sections.push_back(std::move(spread));
    for (Section& section : service.sections)
        pair.sections.push_back(std::move(section));
    return pair;
}

std::string sideSummary(const Words& w, const FitAsked& asked, const SideAnswer& side,
                        std::string_view subject)
{
    return fill(w.sideSummary, {fill(subject, {sizeText(asked.size, w), side.name}),
                                signedMillimetres(side.deviations->upper),
                                signedMillimetres(side.deviations->lower)});
}

std::string subjectOf(const FitAsked& asked, const std::optional<SideAnswer>& hole,
                      const std::optional<SideAnswer>& shaft, const Words& w)
{
    const std::string size = sizeText(asked.size, w);
    if (hole && shaft)
        return fill(w.fitSubject, {size, pairName(*hole, *shaft)});
    return hole ? fill(w.holeSubject, {size, hole->name})
                : fill(w.shaftSubject, {size, shaft->name});
}

} // namespace

namespace compose {

FitSections fitSections(Composer& c, const FitAsked& asked, std::string_view part)
{
    const Words& w = c.w;
    std::optional<SideAnswer> hole;
    std::optional<SideAnswer> shaft;
    if (asked.hole)
        hole = answerOf(*asked.hole, asked, w);
    if (asked.shaft)
        shaft = answerOf(*asked.shaft, asked, w);
    FitSections answer{subjectOf(asked, hole, shaft, w), {}, {}};
    Section sides{std::string(w.sides), {}};
    Table figures = figuresTable(w);
    std::string undefined;
    for (const auto& [side, pattern] : {std::pair{&hole, w.hole}, {&shaft, w.shaft}}) {
        if (*side && (*side)->deviations)
            addSideRows(c, figures, **side, pattern, asked.size.diameter);
        else if (*side)
            undefined += (undefined.empty() ? "" : ", ") + (*side)->name;
    }
    sides.blocks.emplace_back(std::move(figures));
    if (!undefined.empty()) {
        c.warn(fill(w.undefined, {undefined, asked.size.range}));
        return answer;
    }
    PairSections pair;
    if (hole && shaft)
        pair = pairSections(c, asked, *hole, *shaft);
    else
        pair.summary = hole ? sideSummary(w, asked, *hole, w.holeSubject)
                            : sideSummary(w, asked, *shaft, w.shaftSubject);
    answer.summary = pair.summary;
    answer.sections.push_back(std::move(sides));
    for (Section& section : pair.sections)
        answer.sections.push_back(std::move(section));
    if (!part.empty()) {
        answer.summary = fill(w.partHeading, {part, answer.summary});
        for (Section& section : answer.sections)
            section.heading = fill(w.partHeading, {part, section.heading});
    }
    return answer;
}

} // namespace compose

Sheet fitSheet(const FitAsked& asked, const Stamp& stamp, const Words& w)
{
    Composer c{w, {}, {}};
    FitSections fit = compose::fitSections(c, asked, {});
    Sheet sheet = c.sheet(fit.subject, stamp);
    sheet.sections.push_back(inputsSection(asked, w));
    if (!fit.summary.empty())
        sheet.sections.push_back({std::string(w.result), {Paragraph{fit.summary}}});
    c.finish(sheet, std::move(fit.sections), asked.service && asked.service->joint);
    return sheet;
}

std::string localDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

} // namespace tolerance::sheet
