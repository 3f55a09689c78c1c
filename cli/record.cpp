#include "cli/record.h"

#include "cli/escape.h"

#include <ostream>

namespace cli {

void writeText(std::ostream& out, const Record& record)
{
    for (const Field& field : record)
        out << field.key << ": " << field.value << '\n';
}

void writeJson(std::ostream& out, const Record& record)
{
    out << "{\n";
    for (std::size_t i = 0; i < record.size(); ++i) {
        out << "  " << jsonString(record[i].key) << ": " << jsonString(record[i].value)
            << (i + 1 < record.size() ? ",\n" : "\n");
    }
    out << "}\n";
}

} // namespace cli
