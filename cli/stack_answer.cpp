// SPDX-License-Identifier: MIT
#include "cli/stack_answer.h"

#include "cli/escape.h"
#include "cli/json_out.h"
#include "cli/options.h"
#include "cli/stack_input.h"

#include "tolerance/service/figures.h"
#include "tolerance/stack/monte_carlo.h"
#include "tolerance/stack/shares.h"

#include <cmath>
#include <cstdlib>
#include <ostream>

namespace cli {

using namespace tolerance;
using namespace tolerance::stack;

namespace {

struct Answers
{
    Chain chain;
    ChainAnswer closed;
    std::optional<MonteCarlo> monteCarlo;
    std::vector<int> variance; // tenths of a percent
    std::vector<int> worstCase;
};

Answers answersOf(const StackRequest& request)
{
    Answers a{readStackFile(request.file), {}, std::nullopt, {}, {}};
    if (request.distribution)
        a.chain.distribution = *request.distribution;
    a.closed = answerChain(a.chain);
    if (request.samples > 0)
        a.monteCarlo = runMonteCarlo(a.chain, {request.samples, kDefaultSeed, 0});
    std::vector<double> variance;
    std::vector<double> worst;
    for (const Share& s : a.closed.shares) {
        variance.push_back(s.variance);
        worst.push_back(s.worstCase);
    }
    a.variance = tenthsOfPercent(variance);
    a.worstCase = tenthsOfPercent(worst);
    return a;
}

std::string statistical(double nanometres)
{
    return formatStatisticalClearance(nanometres);
}

std::string signedMillimetres(Length value)
{
    return (value > 0 ? "+" : "") + formatMillimetres(value);
}

std::string requirementText(const tolerance::stack::Requirement& r)
{
    return (r.minimum ? formatDiameter(*r.minimum) : std::string()) + ".." +
           (r.maximum ? formatDiameter(*r.maximum) : std::string());
}

// "h9 (0/-0.052)"; limits as typed stand alone.
std::string toleranceText(const Member& m)
{
    const std::string limits = textOfLimits(m.deviations);
    return m.kind == ToleranceKind::Limits ? limits : m.tolerance + " (" + limits + ")";
}

std::string memberLine(const Member& m, int variance, int worst)
{
    return (m.name.empty() ? std::string("(no name)") : m.name) + ": " + (m.sign > 0 ? "+" : "-") +
           ' ' + formatDiameter(m.nominal) + ' ' + toleranceText(m) +
           (m.celsius ? ", " + m.material + " at " + service::formatCelsius(*m.celsius) +
                            " °C grows " + signedMillimetres(m.growth)
                      : std::string()) +
           ": " + percentText(variance) + " % of the variance, " + percentText(worst) +
           " % of the worst case";
}

void writeText(std::ostream& out, const Answers& a)
{
    const ChainAnswer& c = a.closed;
    out << "nominal: " << formatMillimetres(c.nominal) << '\n';
    if (c.thermalShift != 0)
        out << "thermal_shift: " << signedMillimetres(c.thermalShift)
            << " (the members at their temperatures)\n";
    out << "worst_case_maximum: " << formatMillimetres(c.worstMaximum) << '\n'
        << "worst_case_minimum: " << formatMillimetres(c.worstMinimum) << '\n'
        << "statistical: " << nameOf(c.statistical.distribution)
        << " spread: 99.73 % of assemblies from " << statistical(c.statistical.minimum) << " to "
        << statistical(c.statistical.maximum) << '\n';
    if (a.chain.requirement.given())
        out << "requirement: " << requirementText(a.chain.requirement) << ", outside in "
            << formatPercent(*c.statistical.outsideShare, *c.statistical.insideShare)
            << " % of assemblies\n";
    if (a.monteCarlo) {
        const MonteCarlo& m = *a.monteCarlo;
        out << "monte_carlo: " << m.samples << " assemblies (seed " << m.seed << "): 99.73 % from "
            << statistical(m.minimum) << " to " << statistical(m.maximum);
        if (m.outsideShare)
            out << ", outside the requirement " << formatPercent(*m.outsideShare, *m.insideShare)
                << " %";
        out << '\n';
    }
    for (std::size_t i = 0; i < a.chain.members.size(); ++i)
        out << "member: " << memberLine(a.chain.members[i], a.variance[i], a.worstCase[i]) << '\n';
}

// A figure of text as a JSON number: the decimal the text and CSV show, exactly.
JsonObject number(const std::string& decimal)
{
    return JsonObject(std::strtod(decimal.c_str(), nullptr));
}

// A size of the statistics with every figure its double holds, as the fits' JSON gives them: the
// text rounds to 0.1 µm for a reader, a script rounds for itself.
JsonObject full(double nanometres)
{
    return number(formatFullMillimetres(nanometres));
}

JsonObject probability(const std::optional<double>& share)
{
    return share ? number(formatProbability(*share)) : JsonObject(nullptr);
}

void writeJson(std::ostream& out, const Answers& a)
{
    const ChainAnswer& c = a.closed;
    JsonObject contributions = JsonObject::array();
    for (std::size_t i = 0; i < a.chain.members.size(); ++i)
        contributions.push_back(
            JsonObject{{"name", a.chain.members[i].name},
                       {"percent", number(percentText(a.variance[i]))},
                       {"worst_case_percent", number(percentText(a.worstCase[i]))}});
    JsonObject monteCarlo = nullptr;
    if (a.monteCarlo)
        monteCarlo = JsonObject{{"samples", a.monteCarlo->samples},
                                {"seed", a.monteCarlo->seed},
                                {"maximum", full(a.monteCarlo->maximum)},
                                {"minimum", full(a.monteCarlo->minimum)},
                                {"probability_outside", probability(a.monteCarlo->outsideShare)},
                                {"probability_inside", probability(a.monteCarlo->insideShare)}};
    const JsonObject stack{{"nominal", number(formatMillimetres(c.nominal))},
                           {"thermal_shift", number(formatMillimetres(c.thermalShift))},
                           {"worst_case",
                            {{"maximum", number(formatMillimetres(c.worstMaximum))},
                             {"minimum", number(formatMillimetres(c.worstMinimum))}}},
                           {"statistical",
                            {{"distribution", nameOf(c.statistical.distribution)},
                             {"maximum", full(c.statistical.maximum)},
                             {"minimum", full(c.statistical.minimum)},
                             {"probability_outside", probability(c.statistical.outsideShare)},
                             {"probability_inside", probability(c.statistical.insideShare)}}},
                           {"contributions", contributions},
                           {"monte_carlo", monteCarlo}};
    writeJsonObject(out, JsonObject{{"stack", stack}});
}

// One table for a spreadsheet: a row per member (its limits of size at its temperature), then
// the closing dimension's worst case, statistical range and Monte Carlo range.
void writeCsv(std::ostream& out, const Answers& a)
{
    out << "row,name,direction,nominal,tolerance,maximum,minimum,variance_percent,"
           "worst_case_percent,probability_outside\n";
    for (std::size_t i = 0; i < a.chain.members.size(); ++i) {
        const Member& m = a.chain.members[i];
        const Length base = m.nominal + m.growth;
        out << "member," << csvField(m.name) << ',' << (m.sign > 0 ? '+' : '-') << ','
            << formatDiameter(m.nominal) << ',' << csvField(m.tolerance) << ','
            << formatMillimetres(base + m.deviations.upper) << ','
            << formatMillimetres(base + m.deviations.lower) << ',' << percentText(a.variance[i])
            << ',' << percentText(a.worstCase[i]) << ",\n";
    }
    const ChainAnswer& c = a.closed;
    const std::string nominal = formatMillimetres(c.nominal);
    const auto odds = [](const std::optional<double>& share) {
        return share ? formatProbability(*share) : std::string();
    };
    out << "worst_case,,," << nominal << ",," << formatMillimetres(c.worstMaximum) << ','
        << formatMillimetres(c.worstMinimum) << ",100.0,100.0,\n";
    out << "statistical,,," << nominal << ',' << nameOf(c.statistical.distribution) << ','
        << statistical(c.statistical.maximum) << ',' << statistical(c.statistical.minimum) << ",,,"
        << odds(c.statistical.outsideShare) << '\n';
    if (a.monteCarlo)
        out << "monte_carlo,,," << nominal << ',' << nameOf(c.statistical.distribution) << ','
            << statistical(a.monteCarlo->maximum) << ',' << statistical(a.monteCarlo->minimum)
            << ",,," << odds(a.monteCarlo->outsideShare) << '\n';
}

} // namespace

void writeStack(std::ostream& out, const StackRequest& request, Format format)
{
    const Answers answers = answersOf(request);
    switch (format) {
    case Format::Text:
        writeText(out, answers);
        return;
    case Format::Json:
        writeJson(out, answers);
        return;
    case Format::Csv:
        writeCsv(out, answers);
        return;
    case Format::Html: // the calculation sheet's, sheet_answer.cpp
        return;
    }
}

} // namespace cli
