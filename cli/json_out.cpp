// SPDX-License-Identifier: MIT
#include "cli/json_out.h"

#include <ostream>
#include <string>

namespace cli {

namespace {

constexpr int kIndent = 2;

// {"side": "hole", "class": "B10"}: spaced like the multi-line layout, unlike nlohmann's compact
// form.
std::string oneLine(const JsonObject& object)
{
    std::string line = "{";
    for (const auto& item : object.items()) {
        if (line.size() > 1)
            line += ", ";
        line += JsonObject(item.key()).dump() + ": " + item.value().dump();
    }
    return line + '}';
}

} // namespace

void writeJsonObject(std::ostream& out, const JsonObject& object)
{
    out << object.dump(kIndent) << '\n';
}

void writeJsonRows(std::ostream& out, const std::vector<JsonObject>& rows)
{
    if (rows.empty()) {
        out << "[]\n";
        return;
    }
    out << "[\n";
    for (std::size_t i = 0; i < rows.size(); ++i)
        out << std::string(kIndent, ' ') << oneLine(rows[i])
            << (i + 1 < rows.size() ? ",\n" : "\n");
    out << "]\n";
}

} // namespace cli
