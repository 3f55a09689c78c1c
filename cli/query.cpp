// SPDX-License-Identifier: MIT
#include "cli/query.h"

#include "cli/answer.h"
#include "cli/class_code.h"
#include "cli/escape.h"
#include "cli/fit_extras.h"
#include "cli/input_error.h"

#include "tolerance/fit.h"
#include "tolerance/given_limits.h"

#include <string>

namespace cli {

using tolerance::ClassCode;
using tolerance::Deviations;
using tolerance::Edition;
using tolerance::Fit;
using tolerance::FitType;
using tolerance::formatMillimetres;
using tolerance::Length;
using tolerance::Side;

namespace {

void addSize(Record& record, const Size& size)
{
    if (size.diameter)
        record.push_back({"size", tolerance::formatDiameter(*size.diameter)});
    record.push_back({"range", size.label()});
}

// The texts as the table writes them; "±" spelt out for the text form, the signed figures for
// JSON.
void addTexts(Record& record, const std::string& prefix, const ClassAnswer& answer)
{
    record.push_back({prefix + "upper", answer.upper});
    record.push_back({prefix + "lower", answer.lower});
    const std::optional<Deviations>& deviations = answer.deviations;
    if (!deviations)
        return;
    if (answer.upper == tolerance::kPlusMinusText)
        record.push_back({prefix + "plus_minus",
                          "upper deviation +" + formatMillimetres(deviations->upper) +
                              ", lower deviation " + formatMillimetres(deviations->lower)});
    record.figures.push_back({prefix + "upper_mm", formatMillimetres(deviations->upper)});
    record.figures.push_back({prefix + "lower_mm", formatMillimetres(deviations->lower)});
}

// Returns whether a limit came out at or below zero: the table's range starts at 0, but a class
// far below the zero line does not suit the smallest diameters.
bool addLimits(Record& record, const std::string& prefix, Length diameter,
               const Deviations& deviations)
{
    const tolerance::Limits limits = tolerance::limitsOfSize(diameter, deviations);
    record.push_back({prefix + "maximum", formatMillimetres(limits.maximum)});
    record.push_back({prefix + "minimum", formatMillimetres(limits.minimum)});
    return limits.minimum <= 0;
}

void addNonPositiveNote(Record& record)
{
    record.push_back({"note", "a limit of size is not over 0 mm; the diameter is too small for "
                              "this class"});
}

// A negative clearance is written as the interference it is.
void addClearances(Record& record, const Fit& fit)
{
    const auto add = [&](const char* key, Length value) {
        record.push_back({key, formatMillimetres(value)});
    };
    switch (fit.type) {
    case FitType::Clearance:
        add("maximum_clearance", fit.maximumClearance);
        add("minimum_clearance", fit.minimumClearance);
        break;
    case FitType::Transition:
        add("maximum_clearance", fit.maximumClearance);
        add("maximum_interference", -fit.minimumClearance);
        break;
    case FitType::Interference:
        add("minimum_interference", -fit.maximumClearance);
        add("maximum_interference", -fit.minimumClearance);
        break;
    }
    record.push_back({"fit", std::string(nameOf(fit.type))});
}

std::string undefinedNote(const std::string& codes, bool plural, const Size& size)
{
    return codes + (plural ? " have" : " has") + " no value for " + size.label() +
           "; nothing computed";
}

// One answer over every step the size spans, or an error naming the finer steps.
ClassAnswer answerOver(const ClassCode& code, const Size& size, Edition edition)
{
    const ClassAnswer answer = answerFor(code, size.range, size.nominal(), edition);
    for (const Size& step : stepsOf(size))
        if (answerFor(code, step.range, step.nominal(), edition).deviations != answer.deviations)
            throwNotOneAnswer(size, tolerance::textOf(code));
    return answer;
}

} // namespace

Record describeClass(const ClassCode& code, const Size& size, Edition edition)
{
    const std::string name = tolerance::textOf(code);
    Record record{{"class", name}, {"side", std::string(nameOf(code.side))}};
    addSize(record, size);
    const ClassAnswer answer = answerOver(code, size, edition);
    addTexts(record, "", answer);
    if (!answer.deviations)
        record.push_back({"note", undefinedNote(name, false, size)});
    else if (size.diameter && addLimits(record, "", *size.diameter, *answer.deviations))
        addNonPositiveNote(record);
    record.push_back({"source", std::string(nameOf(answer.source))});
    return record;
}

namespace {

// Both sides as answered, named by their classes or their given limits.
Record describePair(const std::string& holeName, const ClassAnswer& holeAnswer,
                    const std::string& shaftName, const ClassAnswer& shaftAnswer, const Size& size,
                    tolerance::Distribution distribution)
{
    Record record{{"hole", holeName}, {"shaft", shaftName}};
    addSize(record, size);
    const auto& holeDeviations = holeAnswer.deviations;
    const auto& shaftDeviations = shaftAnswer.deviations;
    addTexts(record, "hole_", holeAnswer);
    addTexts(record, "shaft_", shaftAnswer);
    const Field source{"source", sourcesOf(holeAnswer, shaftAnswer)};
    if (!holeDeviations || !shaftDeviations) {
        const std::string codes = !holeDeviations && !shaftDeviations
                                      ? holeName + " and " + shaftName
                                  : !holeDeviations ? holeName
                                                    : shaftName;
        record.push_back({"note", undefinedNote(codes, !holeDeviations && !shaftDeviations, size)});
        record.push_back(source);
        return record;
    }
    bool nonPositive = false;
    if (size.diameter) {
        nonPositive |= addLimits(record, "hole_", *size.diameter, *holeDeviations);
        nonPositive |= addLimits(record, "shaft_", *size.diameter, *shaftDeviations);
    }
    addClearances(record, tolerance::fitOf(*holeDeviations, *shaftDeviations));
    if (nonPositive)
        addNonPositiveNote(record);
    addStatistics(record, *holeDeviations, *shaftDeviations, distribution);
    record.push_back(source);
    return record;
}

// A side's class, or its limits where they are given.
ClassAnswer sideAnswer(const std::optional<ClassCode>& code,
                       const std::optional<Deviations>& limits, Side side, const Size& size,
                       Edition edition)
{
    return limits ? givenAnswer(side, *limits) : answerOver(*code, size, edition);
}

std::string sideName(const std::optional<ClassCode>& code, const std::optional<Deviations>& limits)
{
    return limits ? tolerance::textOfLimits(*limits) : tolerance::textOf(*code);
}

// The one class beside given limits: a class of the other side, not a fit.
ClassCode besideLimits(std::string_view text, Side side)
{
    const std::string option = side == Side::Hole ? "--shaft-limits" : "--hole-limits";
    const std::string wanted =
        side == Side::Hole ? "the hole's class, such as H7" : "the shaft's class, such as g6";
    if (text.find('/') != std::string_view::npos)
        throw InputError("with " + option + " give " + wanted + ", not a fit " + quote(text));
    const auto parsed = tolerance::parseClassCode(text);
    if (const auto* code = std::get_if<ClassCode>(&parsed); code && code->side != side)
        throw InputError(option + " gives the " + std::string(nameOf(code->side)) + "; give " +
                         wanted + ", not " + quote(text));
    return resolveClass(text, side);
}

Record describeWithLimits(std::string_view classCode, std::string_view size, Edition edition,
                          const FitQuery& query)
{
    std::optional<ClassCode> hole;
    std::optional<ClassCode> shaft;
    if (!query.holeLimits)
        hole = besideLimits(classCode, Side::Hole);
    if (!query.shaftLimits)
        shaft = besideLimits(classCode, Side::Shaft);
    const Size parsed = parseSize(size);
    Record record = describePair(sideName(hole, query.holeLimits),
                                 sideAnswer(hole, query.holeLimits, Side::Hole, parsed, edition),
                                 sideName(shaft, query.shaftLimits),
                                 sideAnswer(shaft, query.shaftLimits, Side::Shaft, parsed, edition),
                                 parsed, query.distribution);
    // A bought part's limits belong to no system; the key stays, so that scripts find it.
    if (!record.groups.empty())
        record.groups.insert(record.groups.begin(),
                             Group{"other_basis", "none: a side is given by its limits", {}});
    return record;
}

} // namespace

Record describeFit(const ClassCode& hole, const ClassCode& shaft, const Size& size, Edition edition,
                   tolerance::Distribution distribution)
{
    const ClassAnswer holeAnswer = answerOver(hole, size, edition);
    const ClassAnswer shaftAnswer = answerOver(shaft, size, edition);
    Record record = describePair(tolerance::textOf(hole), holeAnswer, tolerance::textOf(shaft),
                                 shaftAnswer, size, distribution);
    if (holeAnswer.deviations && shaftAnswer.deviations) {
        Record basis;
        addOtherBasis(basis, hole, shaft, size, edition);
        record.groups.insert(record.groups.begin(), basis.groups.begin(), basis.groups.end());
    }
    return record;
}

Record describe(std::string_view classOrFit, std::string_view size, Edition edition,
                const FitQuery& query)
{
    if (query.holeLimits || query.shaftLimits)
        return describeWithLimits(classOrFit, size, edition, query);
    const std::size_t slash = classOrFit.find('/');
    if (slash == std::string_view::npos) {
        const ClassCode code = resolveClass(classOrFit, std::nullopt); // the class first
        return describeClass(code, parseSize(size), edition);
    }
    const std::string_view holeCode = classOrFit.substr(0, slash);
    const std::string_view shaftCode = classOrFit.substr(slash + 1);
    if (shaftCode.find('/') != std::string_view::npos)
        throw InputError(quote(classOrFit) + " is not a fit; write HOLE/SHAFT, such as H7/g6");
    const auto sideOf = [](std::string_view text) {
        const auto parsed = tolerance::parseClassCode(text);
        const auto* code = std::get_if<ClassCode>(&parsed);
        return code ? std::optional(code->side) : std::nullopt;
    };
    if (sideOf(holeCode) == Side::Shaft && sideOf(shaftCode) == Side::Hole)
        throw InputError(std::string(classOrFit) +
                         " names the shaft first; write the hole first: " + std::string(shaftCode) +
                         "/" + std::string(holeCode));
    const ClassCode hole = resolveClass(holeCode, Side::Hole);
    const ClassCode shaft = resolveClass(shaftCode, Side::Shaft);
    return describeFit(hole, shaft, parseSize(size), edition, query.distribution);
}

} // namespace cli
