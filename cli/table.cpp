#include "cli/table.h"

#include "cli/class_code.h"
#include "cli/escape.h"
#include "cli/fit.h"

#include "tolerance/classes.h"

#include <ostream>
#include <string>

namespace cli {

namespace {

struct Row
{
    std::string_view side;
    std::string_view code;
    std::string_view range;
    tolerance::DeviationPair entry;
    std::optional<HalfMicrometres> values;
};

template <typename Visit> void forEachRow(Visit visit)
{
    for (const tolerance::Side side : {tolerance::Side::Hole, tolerance::Side::Shaft}) {
        for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side)) {
            for (const std::string_view range : tolerance::kSizeRanges) {
                const tolerance::DeviationPair entry =
                    tolerance::ShowDeviations(cls, range).value();
                visit(Row{nameOf(side), cls.code, range, entry, halfMicrometresOf(entry)});
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
            out << formatMicrometres(row.values->upper) << ','
                << formatMicrometres(row.values->lower);
        else
            out << ',';
        out << '\n';
    });
}

void writeTableJson(std::ostream& out)
{
    const auto micrometres = [](const std::optional<HalfMicrometres>& values, bool upper) {
        if (!values)
            return std::string("null");
        return formatMicrometres(upper ? values->upper : values->lower);
    };
    out << "[\n";
    bool first = true;
    forEachRow([&](const Row& row) {
        out << (first ? "" : ",\n") << "  {\"side\": " << jsonString(row.side)
            << ", \"class\": " << jsonString(row.code) << ", \"range\": " << jsonString(row.range)
            << ", \"upper\": " << jsonString(row.entry.upper)
            << ", \"lower\": " << jsonString(row.entry.lower)
            << ", \"upper_um\": " << micrometres(row.values, true)
            << ", \"lower_um\": " << micrometres(row.values, false) << '}';
        first = false;
    });
    out << "\n]\n";
}

} // namespace cli
