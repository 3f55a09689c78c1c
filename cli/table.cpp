// SPDX-License-Identifier: MIT
#include "cli/table.h"

#include "cli/answer.h"
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
    std::string code;
    std::string_view range;
    ClassAnswer answer;
};

// The table's 65 classes over its 25 ranges, or every class of the standard over every step
// where the edition gives it a value (the table's own rows kept, "  ---" included).
template <typename Visit> void forEachRow(const TableChoice& choice, Visit visit)
{
    using tolerance::Side;
    for (const Side side : {Side::Hole, Side::Shaft}) {
        const std::vector<tolerance::ClassCode> codes =
            choice.allClasses ? tolerance::everyClass(side) : tableClassCodes(side);
        const std::size_t steps =
            choice.allClasses ? tolerance::kSizeStepCount : tolerance::kSizeRangeCount;
        for (const tolerance::ClassCode& code : codes) {
            for (std::size_t step = 0; step < steps; ++step) {
                const tolerance::SizeStep& s = tolerance::sizeSteps()[step];
                ClassAnswer answer = answerFor(code, step, s.upper, choice.edition);
                if (choice.allClasses && !answer.deviations &&
                    answer.source != tolerance::Source::Table1984)
                    continue;
                visit(Row{nameOf(side), tolerance::textOf(code), s.label, std::move(answer)});
            }
        }
    }
}

} // namespace

void writeTableCsv(std::ostream& out, const TableChoice& choice)
{
    out << "side,class,range,upper,lower,upper_um,lower_um,source\n";
    forEachRow(choice, [&](const Row& row) {
        const auto& values = row.answer.deviations;
        out << row.side << ',' << csvField(row.code) << ',' << csvField(row.range) << ','
            << csvField(row.answer.upper) << ',' << csvField(row.answer.lower) << ',';
        if (values)
            out << tolerance::formatMicrometres(values->upper) << ','
                << tolerance::formatMicrometres(values->lower);
        else
            out << ',';
        out << ',' << nameOf(row.answer.source) << '\n';
    });
}

void writeTableJson(std::ostream& out, const TableChoice& choice)
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
    forEachRow(choice, [&](const Row& row) {
        rows.push_back({{"side", row.side},
                        {"class", row.code},
                        {"range", row.range},
                        {"upper", row.answer.upper},
                        {"lower", row.answer.lower},
                        {"upper_um", micrometres(row.answer.deviations, true)},
                        {"lower_um", micrometres(row.answer.deviations, false)},
                        {"source", nameOf(row.answer.source)}});
    });
    writeJsonRows(out, rows);
}

} // namespace cli
