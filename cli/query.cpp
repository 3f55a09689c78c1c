// SPDX-License-Identifier: MIT
#include "cli/query.h"

#include "cli/answer.h"
#include "cli/class_code.h"
#include "cli/escape.h"
#include "cli/input_error.h"

#include "tolerance/fit.h"

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

Record describeFit(const ClassCode& hole, const ClassCode& shaft, const Size& size, Edition edition)
{
    const std::string holeName = tolerance::textOf(hole);
    const std::string shaftName = tolerance::textOf(shaft);
    Record record{{"hole", holeName}, {"shaft", shaftName}};
    addSize(record, size);
    const ClassAnswer holeAnswer = answerOver(hole, size, edition);
    const ClassAnswer shaftAnswer = answerOver(shaft, size, edition);
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
    record.push_back(source);
    return record;
}

Record describe(std::string_view classOrFit, std::string_view size, Edition edition)
{
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
    return describeFit(hole, shaft, parseSize(size), edition);
}

} // namespace cli
