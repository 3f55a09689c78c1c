// SPDX-License-Identifier: MIT
#include "tolerance/sheet/stack_sheet.h"

#include "tolerance/sheet/compose.h"
#include "tolerance/sheet/service_sheet.h"
#include "tolerance/stack/shares.h"

#include <algorithm>

namespace tolerance::sheet {

namespace {

using namespace compose;
using namespace stack;

std::string statistical(double nanometres)
{
    return formatStatisticalClearance(nanometres);
}

std::string requirementText(const Requirement& r)
{
    return (r.minimum ? formatDiameter(*r.minimum) : std::string()) + ".." +
           (r.maximum ? formatDiameter(*r.maximum) : std::string());
}

std::string_view sourceOf(const Words& w, const Member& m)
{
    switch (m.kind) {
    case ToleranceKind::Class:
        return w.fromRules2016;
    case ToleranceKind::General:
        return w.fromGeneral;
    case ToleranceKind::Bearing:
        return w.fromBearingWidth;
    case ToleranceKind::Limits:
        break;
    }
    return w.given;
}

Section inputsSection(const StackAsked& asked, const Words& w)
{
    Table members = table({text(w.memberName), text(w.direction), text(w.nominal),
                           text(w.toleranceTyped), text(w.material), text(w.celsiusTyped)},
                          {0.22, 0.08, 0.14, 0.24, 0.16, 0.16});
    for (const MemberText& m : asked.typed.members)
        members.rows.push_back({text(m.name), text(m.direction), text(m.nominal), text(m.tolerance),
                                text(m.material), text(m.temperature)});
    Table others = table({text(w.item), text(w.typed)}, {0.4, 0.6});
    if (!asked.typed.requirement.empty())
        others.rows.push_back({text(w.requirementInput), text(asked.typed.requirement)});
    others.rows.push_back(
        {text(w.distributionInput),
         text(asked.chain.distribution == Distribution::Normal ? w.normal : w.uniform)});
    return {std::string(w.inputs), {members, others}};
}

Section membersSection(Composer& c, const StackAsked& asked, const ChainAnswer& answer)
{
    const Words& w = c.w;
    Table t = table({text(w.memberName), text(w.direction), figure(std::string(w.nominal)),
                     figure(std::string(w.memberUpper)), figure(std::string(w.memberLower)),
                     figure(std::string(w.growth)), figure(std::string(w.varianceShare)),
                     figure(std::string(w.worstShare)), text(w.origin)},
                    {0.14, 0.06, 0.1, 0.1, 0.1, 0.1, 0.09, 0.09, 0.22});
    std::vector<double> variance;
    std::vector<double> worst;
    for (const Share& s : answer.shares) {
        variance.push_back(s.variance);
        worst.push_back(s.worstCase);
    }
    const std::vector<int> varianceTenths = tenthsOfPercent(variance);
    const std::vector<int> worstTenths = tenthsOfPercent(worst);
    c.cite(w.shareOf);
    const auto& members = asked.chain.members;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const Member& m = members[i];
        t.rows.push_back(
            {text(m.name), text(m.sign > 0 ? "+" : "-"), figure(formatDiameter(m.nominal)),
             figure(signedMillimetres(m.deviations.upper)),
             figure(signedMillimetres(m.deviations.lower)),
             figure(m.celsius ? signedMillimetres(m.growth) : std::string()),
             figure(percentText(varianceTenths[i])), figure(percentText(worstTenths[i])),
             text(m.kind == ToleranceKind::Limits
                      ? std::string(w.given)
                      : fill(w.toleranceSourced, {m.tolerance, sourceOf(w, m)}))});
    }
    return {std::string(w.memberFigures), {t}};
}

Section closingSection(Composer& c, const StackAsked& asked, const ChainAnswer& a)
{
    const Words& w = c.w;
    Table t = table({text(w.item), figure(std::string(w.value)), text(w.unit), text(w.source)},
                    {0.38, 0.17, 0.08, 0.37});
    const std::string worst = c.cite(w.worstCase);
    const std::string spread =
        c.cite(a.statistical.distribution == Distribution::Normal ? w.stackNormal : w.stackUniform);
    const auto row = [&](std::string_view name, std::string value, std::string_view unit,
                         const std::string& how) {
        t.rows.push_back({text(name), figure(std::move(value)), text(unit), text(how)});
    };
    row(w.closingNominal, formatMillimetres(a.nominal), "mm", worst);
    if (a.thermalShift != 0)
        row(w.thermalShift, signedMillimetres(a.thermalShift), "mm", c.cite(w.thermal));
    row(w.worstMaximum, formatMillimetres(a.worstMaximum), "mm", worst);
    row(w.worstMinimum, formatMillimetres(a.worstMinimum), "mm", worst);
    row(w.statisticalMaximum, statistical(a.statistical.maximum), "mm", spread);
    row(w.statisticalMinimum, statistical(a.statistical.minimum), "mm", spread);
    if (a.statistical.outsideShare && a.statistical.insideShare) {
        row(w.outsideShare, formatPercent(*a.statistical.outsideShare, *a.statistical.insideShare),
            "%", spread);
        row(w.insideShare, formatPercent(*a.statistical.insideShare, *a.statistical.outsideShare),
            "%", spread);
    }
    Section section{std::string(w.closing), {t}};
    if (const auto& m = asked.monteCarlo) {
        const std::string how = c.cite(w.monteCarlo);
        Table runs =
            table({text(w.item), figure(std::string(w.value)), text(w.unit), text(w.source)},
                  {0.38, 0.17, 0.08, 0.37});
        runs.rows.push_back(
            {text(fill(w.monteCarloRange, {std::to_string(m->samples), std::to_string(m->seed)})),
             figure(""), text(""), text(how)});
        runs.rows.push_back(
            {text(w.monteCarloMaximum), figure(statistical(m->maximum)), text("mm"), text(how)});
        runs.rows.push_back(
            {text(w.monteCarloMinimum), figure(statistical(m->minimum)), text("mm"), text(how)});
        if (m->outsideShare && m->insideShare)
            runs.rows.push_back({text(w.monteCarloOutside),
                                 figure(formatPercent(*m->outsideShare, *m->insideShare)),
                                 text("%"), text(how)});
        section.blocks.emplace_back(std::move(runs));
    }
    return section;
}

// Each member's shares as two bars to one scale, the variance's hatched, the worst case's
// outlined; the largest 25 where a chain has more.
Drawing sharesDrawing(const Words& w, const StackAsked& asked, const ChainAnswer& a)
{
    constexpr double kWidth = 170, kNameRoom = 45, kRow = 7, kBar = 2.6, kText = 3.0;
    std::vector<std::size_t> order(a.shares.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return a.shares[x].variance > a.shares[y].variance;
    });
    order.resize(std::min<std::size_t>(order.size(), 25));
    Drawing d{kWidth, kRow * double(order.size()) + 4, kText, {}, {}, {}, {}};
    const double barRoom = kWidth - kNameRoom - 22;
    for (std::size_t row = 0; row < order.size(); ++row) {
        const Share& s = a.shares[order[row]];
        const double top = 2 + kRow * double(row);
        d.labels.push_back(
            {{kNameRoom - 2, top + kBar + 1.2}, asked.chain.members[order[row]].name, Anchor::End});
        d.boxes.push_back(
            {kNameRoom, top, std::max(0.2, barRoom * s.variance), kBar, Hatching::Rising, false});
        d.boxes.push_back({kNameRoom, top + kBar, std::max(0.2, barRoom * s.worstCase), kBar,
                           Hatching::None, false});
        d.labels.push_back({{kNameRoom + barRoom + 2, top + kBar + 1.2},
                            percentText(int(s.variance * 1000 + 0.5)) + " %"});
    }
    d.lines.push_back({{kNameRoom, 1}, {kNameRoom, d.height - 1}});
    if (!order.empty())
        d.description = fill(w.sharesDescription,
                             {asked.chain.members[order.front()].name,
                              percentText(int(a.shares[order.front()].variance * 1000 + 0.5))});
    return d;
}

} // namespace

Sheet stackSheet(const StackAsked& asked, const Stamp& stamp, const Words& w)
{
    Composer c{w, {}, {}};
    const ChainAnswer answer = answerChain(asked.chain);
    Sheet sheet =
        c.sheet(fill(w.stackSubject, {std::to_string(asked.chain.members.size())}), stamp);
    sheet.sections.push_back(inputsSection(asked, w));
    sheet.sections.push_back(
        {std::string(w.result),
         {Paragraph{
             fill(w.stackSummary,
                  {formatMillimetres(answer.nominal), formatMillimetres(answer.worstMinimum),
                   formatMillimetres(answer.worstMaximum), statistical(answer.statistical.minimum),
                   statistical(answer.statistical.maximum)})}}});
    const Requirement& r = asked.chain.requirement;
    if (r.given() &&
        (!r.holds(double(answer.worstMinimum)) || !r.holds(double(answer.worstMaximum))))
        c.warn(fill(w.worstOutside, {requirementText(r), formatMillimetres(answer.worstMinimum),
                                     formatMillimetres(answer.worstMaximum)}));
    if (answer.statistical.outsideShare && *answer.statistical.outsideShare > 0)
        c.warn(fill(w.someOutside, {formatPercent(*answer.statistical.outsideShare,
                                                  *answer.statistical.insideShare),
                                    requirementText(r)}));
    std::vector<Section> body{membersSection(c, asked, answer), closingSection(c, asked, answer)};
    body.push_back({std::string(w.shares), {sharesDrawing(w, asked, answer)}});
    c.finish(sheet, std::move(body), false);
    return sheet;
}

} // namespace tolerance::sheet
