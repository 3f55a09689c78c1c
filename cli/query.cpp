// SPDX-License-Identifier: MIT
#include "cli/query.h"

#include "cli/class_code.h"
#include "cli/escape.h"
#include "cli/input_error.h"

#include "tolerance/fit.h"

#include <string>

namespace cli {

using tolerance::Deviations;
using tolerance::Fit;
using tolerance::FitType;
using tolerance::formatMillimetres;
using tolerance::Length;
using tolerance::Side;
using tolerance::ToleranceClass;

namespace {

tolerance::DeviationPair entryOf(const ToleranceClass& cls, std::size_t range)
{
    return tolerance::ShowDeviations(cls, tolerance::kSizeRanges[range]).value();
}

std::string label(std::size_t range)
{
    return std::string(tolerance::kSizeRanges[range]);
}

void addSize(Record& record, const Size& size)
{
    if (size.diameter)
        record.push_back({"size", tolerance::formatDiameter(*size.diameter)});
    record.push_back({"range", label(size.range)});
}

// The texts as the table writes them; "±" spelt out for the text form, the signed figures for
// JSON.
void addTexts(Record& record, const std::string& prefix, const tolerance::DeviationPair& entry,
              const std::optional<Deviations>& deviations)
{
    record.push_back({prefix + "upper", std::string(entry.upper)});
    record.push_back({prefix + "lower", std::string(entry.lower)});
    if (!deviations)
        return;
    if (entry.upper == tolerance::kPlusMinusText)
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

std::string undefinedNote(const std::string& codes, bool plural, std::size_t range)
{
    return codes + (plural ? " have" : " has") + " no value for " + label(range) +
           "; nothing computed";
}

} // namespace

Record describeClass(const ToleranceClass& cls, const Size& size)
{
    Record record{{"class", std::string(cls.code)}, {"side", std::string(nameOf(cls.side))}};
    addSize(record, size);
    const tolerance::DeviationPair entry = entryOf(cls, size.range);
    const auto deviations = tolerance::deviationsOf(entry);
    addTexts(record, "", entry, deviations);
    if (!deviations)
        record.push_back({"note", undefinedNote(std::string(cls.code), false, size.range)});
    else if (size.diameter && addLimits(record, "", *size.diameter, *deviations))
        addNonPositiveNote(record);
    return record;
}

Record describeFit(const ToleranceClass& hole, const ToleranceClass& shaft, const Size& size)
{
    Record record{{"hole", std::string(hole.code)}, {"shaft", std::string(shaft.code)}};
    addSize(record, size);
    const tolerance::DeviationPair holeEntry = entryOf(hole, size.range);
    const tolerance::DeviationPair shaftEntry = entryOf(shaft, size.range);
    const auto holeDeviations = tolerance::deviationsOf(holeEntry);
    const auto shaftDeviations = tolerance::deviationsOf(shaftEntry);
    addTexts(record, "hole_", holeEntry, holeDeviations);
    addTexts(record, "shaft_", shaftEntry, shaftDeviations);
    if (!holeDeviations || !shaftDeviations) {
        const std::string codes = !holeDeviations && !shaftDeviations
                                      ? std::string(hole.code) + " and " + std::string(shaft.code)
                                  : !holeDeviations ? std::string(hole.code)
                                                    : std::string(shaft.code);
        record.push_back(
            {"note", undefinedNote(codes, !holeDeviations && !shaftDeviations, size.range)});
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
    return record;
}

Record describe(std::string_view classOrFit, std::string_view size)
{
    const std::size_t slash = classOrFit.find('/');
    if (slash == std::string_view::npos) {
        const ToleranceClass& cls = resolveClass(classOrFit, std::nullopt); // the class first
        return describeClass(cls, parseSize(size));
    }
    const std::string_view holeCode = classOrFit.substr(0, slash);
    const std::string_view shaftCode = classOrFit.substr(slash + 1);
    if (shaftCode.find('/') != std::string_view::npos)
        throw InputError(quote(classOrFit) + " is not a fit; write HOLE/SHAFT, such as H7/g6");
    if (tolerance::findClass(Side::Shaft, holeCode) && tolerance::findClass(Side::Hole, shaftCode))
        throw InputError(std::string(classOrFit) +
                         " names the shaft first; write the hole first: " + std::string(shaftCode) +
                         "/" + std::string(holeCode));
    const ToleranceClass& hole = resolveClass(holeCode, Side::Hole);
    const ToleranceClass& shaft = resolveClass(shaftCode, Side::Shaft);
    return describeFit(hole, shaft, parseSize(size));
}

} // namespace cli
