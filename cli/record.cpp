// SPDX-License-Identifier: MIT
#include "cli/record.h"

#include "cli/json_out.h"

#include <ostream>

namespace cli {

namespace {

JsonObject valueOf(const Field& field)
{
    return field.literal ? JsonObject::parse(field.value) : JsonObject(field.value);
}

} // namespace

void writeText(std::ostream& out, const Record& record)
{
    for (const Field& field : record) {
        if (field.key == "source")
            for (const Group& group : record.groups)
                out << group.key << ": " << group.text << '\n';
        out << field.key << ": " << field.value << '\n';
    }
}

void writeJson(std::ostream& out, const Record& record)
{
    JsonObject object = JsonObject::object();
    for (const Field& field : record)
        object[field.key] = valueOf(field);
    for (const Field& field : record.figures)
        object[field.key] = valueOf(field);
    for (const Group& group : record.groups) {
        // A group with nothing to tell is null, so that a reader finds its key either way.
        JsonObject fields = group.fields.empty() ? JsonObject() : JsonObject::object();
        for (const Field& field : group.fields)
            fields[field.key] = valueOf(field);
        object[group.key] = fields;
    }
    writeJsonObject(out, object);
}

} // namespace cli
