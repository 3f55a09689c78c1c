// SPDX-License-Identifier: MIT
#include "cli/general_answer.h"

#include "cli/json_out.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

using namespace tolerance::general;
using tolerance::formatDiameter;
using tolerance::Length;

namespace {

constexpr std::array<std::string_view, 4> kClassWords{"fine", "medium", "coarse", "very coarse"};

// One line of the text and one key of JSON; a line without text is JSON's alone.
struct Entry
{
    std::string_view key;
    std::string text;
    JsonObject json;
    std::string_view jsonKey = {}; // where JSON names it otherwise
};

std::string classText(GeneralClass generalClass)
{
    const std::string letter(nameOf(generalClass));
    if (standardOf(generalClass) != Standard::JisB0405)
        return letter;
    return letter + " (" + std::string(kClassWords[std::size_t(generalClass)]) + ')';
}

// A text, or null when there is none.
JsonObject textOrNull(const std::string& text)
{
    return text.empty() ? JsonObject() : JsonObject(text);
}

// Whole millimetres as whole numbers (35, not 35.0).
JsonObject millimetres(Length value)
{
    if (value % tolerance::kNanometresPerMm == 0)
        return value / tolerance::kNanometresPerMm;
    return double(value) / double(tolerance::kNanometresPerMm);
}

JsonObject degrees(std::int64_t minutes)
{
    if (minutes % 60 == 0)
        return minutes / 60;
    return double(minutes) / 60.0;
}

// A limit as a number: mm, or degrees for an angle; null for the table's "—".
JsonObject limitNumber(const GeneralTolerance& tolerance, bool upper)
{
    if (!tolerance.value)
        return nullptr;
    if (tolerance.kind == Kind::Angle)
        return degrees(upper ? *tolerance.value : -*tolerance.value);
    const tolerance::Deviations deviations = *deviationsOf(tolerance);
    return millimetres(upper ? deviations.upper : deviations.lower);
}

std::string noteOf(const GeneralTolerance& tolerance)
{
    if (!tolerance.value)
        return "class " + std::string(nameOf(tolerance.generalClass)) +
               " gives no general tolerance in " + stepLabel(tolerance.step) +
               " mm: write the deviations beside the size";
    if (standardOf(tolerance.kind) == Standard::JisB0419)
        return "ISO withdrew ISO 2768-2 (ISO 22081:2021 replaces it); JIS B 0419 stands";
    return {};
}

// A size's or a chamfer's limits of size; nothing for the rest.
std::vector<Entry> limitsOfSize(const GeneralQuery& query, const GeneralTolerance& tolerance)
{
    const bool sized = query.kind == Kind::Linear || query.kind == Kind::Chamfer;
    const auto deviations = sized ? deviationsOf(tolerance) : std::nullopt;
    if (!deviations)
        return {{"maximum", {}, nullptr}, {"minimum", {}, nullptr}};
    const Length maximum = query.size + deviations->upper;
    const Length minimum = query.size + deviations->lower;
    return {{"maximum", formatDiameter(maximum), millimetres(maximum)},
            {"minimum", formatDiameter(minimum), millimetres(minimum)}};
}

std::vector<Entry> entriesOf(const GeneralQuery& query)
{
    const GeneralTolerance tolerance = query.answer();
    const std::string_view standard = designationOf(standardOf(query.kind));
    const std::string range = stepLabel(tolerance.step);
    const std::string note = noteOf(tolerance);
    std::vector<Entry> entries{
        {"standard", std::string(standard), standard},
        {"class", classText(query.generalClass), nameOf(query.generalClass)},
        {"kind", std::string(nameOf(query.kind)), nameOf(query.kind)},
        {"size", formatDiameter(query.size), millimetres(query.size)},
        {"range", range.empty() ? "any size" : range, textOrNull(range)},
        {"tolerance", toleranceText(tolerance), toleranceText(tolerance), "text"},
        {"upper", upperText(tolerance), limitNumber(tolerance, true)},
        {"lower", lowerText(tolerance), limitNumber(tolerance, false)},
        {"unit", {}, query.kind == Kind::Angle ? "degree" : "mm"},
    };
    for (Entry& limit : limitsOfSize(query, tolerance))
        entries.push_back(std::move(limit));
    entries.push_back({"note", note, textOrNull(note)});
    return entries;
}

} // namespace

void writeGeneralText(std::ostream& out, const GeneralQuery& query)
{
    for (const Entry& entry : entriesOf(query)) {
        if (!entry.text.empty())
            out << entry.key << ": " << entry.text << '\n';
    }
}

void writeGeneralJson(std::ostream& out, const GeneralQuery& query)
{
    JsonObject general = JsonObject::object();
    for (const Entry& entry : entriesOf(query))
        general[std::string(entry.jsonKey.empty() ? entry.key : entry.jsonKey)] = entry.json;
    JsonObject object = JsonObject::object();
    object["general"] = general;
    writeJsonObject(out, object);
}

} // namespace cli
