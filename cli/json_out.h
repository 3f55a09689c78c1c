// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>

#include <iosfwd>
#include <vector>

// JSON output: nlohmann-json writes every value, in the two layouts the tool has always used.
// Keys keep the order they were added in.
namespace cli {

using JsonObject = nlohmann::ordered_json;

// One object, one field per line.
void writeJsonObject(std::ostream& out, const JsonObject& object);

// An array of objects, one object per line, so that line tools can pick rows; "[]" when empty.
void writeJsonRows(std::ostream& out, const std::vector<JsonObject>& rows);

} // namespace cli
