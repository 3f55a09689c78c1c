// SPDX-License-Identifier: MIT
#include "cli/table.h"

#include "cli/class_code.h"
#include "cli/escape.h"
#include "cli/json_out.h"

#include "tolerance/classes.h"
#include "tolerance/fit.h"

#include <ostream>
#include <string>
#include <vector>

namespace cli {

namespace {

struct Row
{
    std::string_view side;
    std::string_view code;
    std::string_view range;
    tolerance::DeviationPair entry;
    std::optional<tolerance::Deviations> values;
};

template <typename Visit> void forEachRow(Visit visit)
{
    for (const tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft}) {
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side)) {
            for (const std::string_view range : tolerance::kSizeRanges) {
                const tolerance::DeviationPair entry =
                    tolerance::ShowDeviations(cls, range).value();
                visit(Row{nameOf(side), cls.code, range, entry, tolerance::deviationsOf(entry)});
            }
        }
    }
}

} // namespace

void writeTableCsv(std::ostream& out)
{
    out << "side,class,range,upper,lower,upper_um,lower_um\n";
    forEachRow([&](const Row& row) {
        out << row.side << ',' << csvField(row.code) << ',' << csvField(row.range) << ','
            << csvField(row.entry.upper) << ',' << csvField(row.entry.lower) << ',';
        if (row.values)
            out << tolerance::formatMicrometres(row.values->upper) << ','
                << tolerance::formatMicrometres(row.values->lower);
        else
            out << ',';
        out << '\n';
    });
}

void writeTableJson(std::ostream& out)
{
    // Whole micrometres stay integers, written without ".0"; the table's finer values are half
    // micrometres, exact in a double.
    const auto micrometres = [](const std::optional<tolerance::Deviations>& values, bool upper) {
        if (!values)
            return JsonObject();
        const tolerance::Length value = upper ? values->upper : values->lower;
        constexpr tolerance::Length kPerMicrometre = tolerance::kNanometresPerMicrometre;
        return value % kPerMicrometre == 0 ? JsonObject(value / kPerMicrometre)
                                           : JsonObject(double(value) / double(kPerMicrometre));
    };
    std::vector<JsonObject> rows;
    forEachRow([&](const Row& row) {
        rows.push_back({{"side", row.side},
                        {"class", row.code},
                        {"range", row.range},
                        {"upper", row.entry.upper},
                        {"lower", row.entry.lower},
                        {"upper_um", micrometres(row.values, true)},
                        {"lower_um", micrometres(row.values, false)}});
    });
    writeJsonRows(out, rows);
}

} // namespace cli
