// SPDX-License-Identifier: MIT
#include "cli/bearing_answer.h"

#include "cli/bearing_clearance.h"
#include "cli/escape.h"
#include "cli/input_error.h"
#include "cli/json_out.h"
#include "cli/query.h"
#include "cli/sizes.h"

#include "tolerance/bearing/boundary.h"
#include "tolerance/iso286.h"

#include <cmath>
#include <ostream>
#include <sstream>

namespace cli {

using namespace tolerance::bearing;
using tolerance::Deviations;
using tolerance::formatDiameter;
using tolerance::formatMillimetres;
using tolerance::Length;

namespace {

std::string ringName(Ring ring)
{
    return ring == Ring::Inner ? "inner ring" : "outer ring";
}

std::string rangeText(const Coverage& coverage)
{
    return "over " + formatDiameter(coverage.from) + " up to " + formatDiameter(coverage.to) +
           " mm";
}

// The ring's deviations, or the table's reason why there are none, in one line.
Deviations ringDeviations(Construction construction, Ring ring, AccuracyClass accuracy,
                          Length diameter, std::string_view what)
{
    const RingAnswer answer = meanDiameterDeviation(construction, ring, accuracy, diameter);
    if (const auto* deviations = std::get_if<Deviations>(&answer))
        return *deviations;
    const std::string kind =
        construction == Construction::Radial ? "a radial bearing" : "a tapered roller bearing";
    const std::string name = "class " + std::string(nameOf(accuracy));
    if (std::get<TableFault>(answer) == TableFault::ClassNotInTable)
        throw InputError(name + " is no class of " + kind + "'s " + ringName(ring) +
                         (construction == Construction::Radial ? "; use 0, 6, 5, 4 or 2"
                                                               : "; use 0, 6X, 5 or 4"));
    const auto coverage = coverageOf(construction, ring, accuracy);
    throw InputError(std::string(what) + " " + formatDiameter(diameter) + " mm is outside " + name +
                     "'s table for " + kind + "'s " + ringName(ring) +
                     (coverage ? " (" + rangeText(*coverage) + ")" : std::string()));
}

// As a drawing writes them: "0/-0.010 mm", each to the micrometre at least.
std::string limitsText(const Deviations& deviations)
{
    const auto signedText = [](Length value) {
        return value == 0 ? std::string("0") : (value > 0 ? "+" : "") + formatMillimetres(value);
    };
    return signedText(deviations.upper) + '/' + signedText(deviations.lower) + " mm";
}

Field number(const std::string& key, Length value)
{
    return {key, formatMillimetres(value), true};
}

Group ringGroup(Ring ring, AccuracyClass accuracy, Construction construction,
                const Deviations& deviations)
{
    const std::string name = ringName(ring) + ", class " + std::string(nameOf(accuracy));
    return {"bearing",
            name + ": " + limitsText(deviations) + " (" + std::string(standardOf(construction)) +
                ")",
            {{"ring", ring == Ring::Inner ? "inner" : "outer"},
             {"class", std::string(nameOf(accuracy))},
             {"standard", std::string(standardOf(construction))},
             number("upper", deviations.upper),
             number("lower", deviations.lower)}};
}

Field* fieldOf(Record& record, std::string_view key)
{
    for (Field& field : record)
        if (field.key == key)
            return &field;
    return nullptr;
}

// A fit answered with the ring's limits as a side, renamed as the ring it is.
void nameTheRing(Record& record, Ring ring, AccuracyClass accuracy, Construction construction,
                 const Deviations& deviations)
{
    const std::string side = ring == Ring::Inner ? "hole" : "shaft";
    if (Field* name = fieldOf(record, side))
        name->value = "bearing " + ringName(ring) + ", class " + std::string(nameOf(accuracy));
    if (Field* source = fieldOf(record, "source")) {
        const std::string given = "given limits";
        const std::size_t at = source->value.find(given);
        if (at != std::string::npos)
            source->value.replace(at, given.size(), std::string(standardOf(construction)));
    }
    for (Group& group : record.groups)
        if (group.key == "other_basis")
            group.text = "none: a side is a bearing ring";
    record.groups.push_back(ringGroup(ring, accuracy, construction, deviations));
}

Length diameterOf(std::string_view size, std::string_view option)
{
    const Size parsed = parseSize(size);
    if (!parsed.diameter)
        throw InputError(std::string(option) + " needs a diameter such as 30, not the range " +
                         parsed.label());
    return *parsed.diameter;
}

// A class of the side asked for, in this option's words.
void checkSide(const std::string& code, tolerance::Side side, const char* option)
{
    const auto parsed = tolerance::parseClassCode(code);
    const auto* found = std::get_if<tolerance::ClassCode>(&parsed);
    if (found && found->side != side)
        throw InputError(std::string(option) + " takes the " +
                         (side == tolerance::Side::Shaft ? "shaft's class, such as k5"
                                                         : "housing's class, such as H7") +
                         ", not " + quote(code));
}

} // namespace

Record describeWithRing(std::string_view classCode, std::string_view size,
                        tolerance::Edition edition, const BearingOptions& options,
                        tolerance::Distribution distribution)
{
    const Ring ring = *options.ring;
    const char* option = ring == Ring::Inner ? "--bearing-bore" : "--bearing-outside";
    const std::string wanted =
        ring == Ring::Inner ? "the shaft's class, such as k5" : "the housing's class, such as H7";
    const auto parsed = tolerance::parseClassCode(classCode);
    const auto* code = std::get_if<tolerance::ClassCode>(&parsed);
    const auto other = ring == Ring::Inner ? tolerance::Side::Shaft : tolerance::Side::Hole;
    if (classCode.find('/') != std::string_view::npos || (code && code->side != other))
        throw InputError(std::string(option) + " makes the " +
                         (ring == Ring::Inner ? "hole the inner ring" : "shaft the outer ring") +
                         "; give " + wanted + ", not " + quote(classCode));
    const Length diameter =
        diameterOf(size, ring == Ring::Inner ? "--bearing-bore" : "--bearing-outside");
    const Deviations deviations =
        ringDeviations(Construction::Radial, ring, options.accuracy, diameter,
                       ring == Ring::Inner ? "bore" : "outside diameter");
    FitQuery query;
    (ring == Ring::Inner ? query.holeLimits : query.shaftLimits) = deviations;
    query.distribution = distribution;
    Record record = describe(classCode, size, edition, query);
    nameTheRing(record, ring, options.accuracy, Construction::Radial, deviations);
    return record;
}

namespace {

struct Mounted
{
    Bearing bearing;
    Construction construction;
    Deviations inner;
    Deviations outer;
    std::optional<Record> shaftFit;
    std::optional<Record> housingFit;
    std::optional<Recommendation> recommended;
};

std::optional<Recommendation> recommendationFor(const BearingOptions& options,
                                                const Bearing& bearing)
{
    if (!options.load)
        return std::nullopt;
    auto found =
        recommendedFits(*options.load, *options.loadSize, isRoller(bearing.type), bearing.bore);
    if (!found)
        throw InputError("the tables have no classes for a " +
                         std::string(nameOf(*options.loadSize)) + " " +
                         std::string(nameOf(*options.load)) + " load on " + bearing.number + " (" +
                         std::string(nameOf(bearing.type)) + " bearing, d " +
                         formatDiameter(bearing.bore) + " mm)");
    return found;
}

Mounted mount(const BearingOptions& options, tolerance::Edition edition)
{
    const auto found = bearingNamed(*options.number);
    if (const auto* fault = std::get_if<NumberFault>(&found)) {
        const std::string head = "--bearing " + quote(*options.number);
        if (*fault == NumberFault::SizeOutside)
            throw InputError(head + " has a bore outside its series' table");
        throw InputError(head + " is not a bearing number of the series " +
                         std::string(knownSeries()));
    }
    Mounted m{std::get<Bearing>(found), {}, {}, {}, {}, {}, {}};
    m.construction = constructionOf(m.bearing.type);
    m.inner = ringDeviations(m.construction, Ring::Inner, options.accuracy, m.bearing.bore, "bore");
    m.outer = ringDeviations(m.construction, Ring::Outer, options.accuracy, m.bearing.outside,
                             "outside diameter");
    m.recommended = recommendationFor(options, m.bearing);
    std::optional<std::string> shaft = options.shaft;
    std::optional<std::string> housing = options.housing;
    if (m.recommended && !shaft)
        shaft = std::string(m.recommended->shaft.front());
    if (m.recommended && !housing)
        housing = std::string(m.recommended->housing.front());
    if (shaft) {
        checkSide(*shaft, tolerance::Side::Shaft, "--shaft");
        FitQuery query;
        query.holeLimits = m.inner;
        m.shaftFit = describe(*shaft, formatDiameter(m.bearing.bore), edition, query);
        nameTheRing(*m.shaftFit, Ring::Inner, options.accuracy, m.construction, m.inner);
    }
    if (housing) {
        checkSide(*housing, tolerance::Side::Hole, "--housing");
        FitQuery query;
        query.shaftLimits = m.outer;
        m.housingFit = describe(*housing, formatDiameter(m.bearing.outside), edition, query);
        nameTheRing(*m.housingFit, Ring::Outer, options.accuracy, m.construction, m.outer);
    }
    return m;
}

Record bearingLines(const Mounted& m, AccuracyClass accuracy)
{
    const Bearing& b = m.bearing;
    Record r{{"bearing", b.number},
             {"type", std::string(nameOf(b.type))},
             {"d", formatDiameter(b.bore)},
             {"D", formatDiameter(b.outside)},
             {"B", formatDiameter(b.width)}};
    if (b.totalWidth)
        r.push_back({"T", formatDiameter(*b.totalWidth)});
    r.push_back({"class", std::string(nameOf(accuracy))});
    r.push_back({"inner_ring", limitsText(m.inner)});
    r.push_back({"outer_ring", limitsText(m.outer)});
    const RingAnswer width = m.construction == Construction::Radial
                                 ? widthDeviation(accuracy, b.bore)
                                 : taperedWidthDeviation(Ring::Inner, accuracy, b.bore);
    if (const auto* w = std::get_if<Deviations>(&width))
        r.push_back({"width", limitsText(*w)});
    r.push_back({"standard", std::string(standardOf(m.construction))});
    r.push_back({"dimensions_source", std::string(b.source)});
    return r;
}

std::string joined(const std::vector<std::string_view>& codes)
{
    std::string text;
    for (const std::string_view code : codes)
        text += (text.empty() ? "" : " ") + std::string(code);
    return text;
}

std::vector<std::string_view> split(std::string_view classes)
{
    std::vector<std::string_view> codes;
    while (!classes.empty()) {
        const std::size_t space = classes.find(' ');
        codes.push_back(classes.substr(0, space));
        classes = space == std::string_view::npos ? std::string_view() : classes.substr(space + 1);
    }
    return codes;
}

Length fromMm(double mm)
{
    return Length(std::llround(mm * double(tolerance::kNanometresPerMm)));
}

std::string mmText(double mm)
{
    return formatDiameter(fromMm(mm)) + " mm";
}

JsonObject codesJson(const std::vector<std::string_view>& codes)
{
    JsonObject array = JsonObject::array();
    for (const std::string_view code : codes)
        array.push_back(code);
    return array;
}

JsonObject recordJson(const Record& record)
{
    std::ostringstream text;
    writeJson(text, record);
    return JsonObject::parse(text.str());
}

void writeIndented(std::ostream& out, const std::string& title, const Record& record)
{
    std::ostringstream text;
    writeText(text, record);
    out << title << ":\n";
    std::istringstream lines(text.str());
    for (std::string line; std::getline(lines, line);)
        out << "  " << line << '\n';
}

// --load and --load-size alone: every row of the tables for that load.
void writeLoadTable(std::ostream& out, const BearingOptions& options, bool json)
{
    const auto rows = shaftRows(*options.load, *options.loadSize);
    const Recommendation head = housingRecommendation(*options.load, *options.loadSize, false);
    if (json) {
        JsonObject shaft = JsonObject::array();
        for (const ShaftRow& row : rows) {
            JsonObject item = {{"bearings", row.roller ? "roller" : "ball"}};
            item["over_mm"] = row.upTo > 0 ? JsonObject(row.over) : JsonObject(nullptr);
            item["up_to_mm"] = row.upTo > 0 ? JsonObject(row.upTo) : JsonObject(nullptr);
            item["classes"] = codesJson(split(row.classes));
            shaft.push_back(item);
        }
        writeJsonObject(out, JsonObject{{"load", nameOf(*options.load)},
                                        {"load_size", nameOf(*options.loadSize)},
                                        {"recommended",
                                         {{"shaft", shaft},
                                          {"housing", codesJson(head.housing)},
                                          {"source", head.source},
                                          {"note", head.note}}}});
        return;
    }
    out << "load: " << nameOf(*options.load) << ", " << nameOf(*options.loadSize) << '\n';
    for (const bool roller : {false, true}) {
        std::string line;
        for (const ShaftRow& row : rows) {
            if (row.roller != roller)
                continue;
            const std::string where = row.upTo == 0 ? "every bore"
                                      : row.over == 0
                                          ? "bores up to " + mmText(row.upTo)
                                          : "bores over " + formatDiameter(fromMm(row.over)) +
                                                " up to " + mmText(row.upTo);
            line += (line.empty() ? "" : "; ") + std::string(row.classes) + " for " + where;
        }
        out << (roller ? "shaft_roller_bearings: " : "shaft_ball_bearings: ")
            << (line.empty() ? std::string("none in the tables") : line) << '\n';
    }
    out << "housing: " << joined(head.housing) << '\n';
    out << "note: " << head.note << '\n';
    out << "source: " << head.source << '\n';
}

} // namespace

void writeBearing(std::ostream& out, const BearingOptions& options, bool json,
                  tolerance::Edition edition)
{
    if (!options.number) {
        writeLoadTable(out, options, json);
        return;
    }
    const Mounted m = mount(options, edition);
    const Record lines = bearingLines(m, options.accuracy);
    const auto clearance = m.shaftFit && m.housingFit
                               ? std::optional(clearanceOf(m.bearing, m.inner, m.outer, *m.shaftFit,
                                                           *m.housingFit, options))
                               : std::nullopt;
    if (json) {
        JsonObject bearing = JsonObject::object();
        bearing["number"] = m.bearing.number;
        bearing["type"] = nameOf(m.bearing.type);
        for (const auto& [key, value] :
             {std::pair{"d", m.bearing.bore}, {"D", m.bearing.outside}, {"B", m.bearing.width}})
            bearing[key] = double(value) / 1e6;
        if (m.bearing.totalWidth)
            bearing["T"] = double(*m.bearing.totalWidth) / 1e6;
        bearing["class"] = nameOf(options.accuracy);
        bearing["inner_ring"] = {{"upper", double(m.inner.upper) / 1e6},
                                 {"lower", double(m.inner.lower) / 1e6}};
        bearing["outer_ring"] = {{"upper", double(m.outer.upper) / 1e6},
                                 {"lower", double(m.outer.lower) / 1e6}};
        bearing["standard"] = standardOf(m.construction);
        bearing["dimensions_source"] = m.bearing.source;
        JsonObject object = {{"bearing", bearing}};
        object["shaft_fit"] = m.shaftFit ? recordJson(*m.shaftFit) : JsonObject(nullptr);
        object["housing_fit"] = m.housingFit ? recordJson(*m.housingFit) : JsonObject(nullptr);
        object["recommended"] = m.recommended
                                    ? JsonObject{{"shaft", codesJson(m.recommended->shaft)},
                                                 {"housing", codesJson(m.recommended->housing)},
                                                 {"source", m.recommended->source},
                                                 {"note", m.recommended->note}}
                                    : JsonObject(nullptr);
        object["clearance"] = clearance ? clearance->json : JsonObject(nullptr);
        writeJsonObject(out, object);
        return;
    }
    writeText(out, lines);
    if (m.recommended)
        out << "recommended: shaft " << joined(m.recommended->shaft) << ", housing "
            << joined(m.recommended->housing) << " for a " << nameOf(*options.loadSize) << " "
            << nameOf(*options.load) << " load (" << m.recommended->source
            << "); note: " << m.recommended->note << '\n';
    if (m.shaftFit)
        writeIndented(out, "shaft_fit", *m.shaftFit);
    if (m.housingFit)
        writeIndented(out, "housing_fit", *m.housingFit);
    if (clearance)
        writeText(out, clearance->lines);
}

} // namespace cli
