// SPDX-License-Identifier: MIT
#include "cli/record.h"

#include "cli/json_out.h"

#include <ostream>

namespace cli {

void writeText(std::ostream& out, const Record& record)
{
    for (const Field& field : record)
        out << field.key << ": " << field.value << '\n';
}

void writeJson(std::ostream& out, const Record& record)
{
    JsonObject object = JsonObject::object();
    for (const Field& field : record)
        object[field.key] = field.value;
    for (const Field& field : record.figures)
        object[field.key] = field.value;
    writeJsonObject(out, object);
}

} // namespace cli
