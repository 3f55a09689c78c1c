// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// One answer of a query: named texts in a fixed order, the same keys in every format, and
// figures that only JSON carries.
struct Field
{
    std::string key;
    std::string value;
    bool literal = false; // JSON writes the value as it stands: a number, true or false
};

// Figures that belong together: one line "key: text" in the text form, an object of the fields
// in JSON (null when it has none).
struct Group
{
    std::string key;
    std::string text;
    std::vector<Field> fields;
};

struct Record : std::vector<Field>
{
    using std::vector<Field>::vector;

    // The deviations as signed decimals in mm, after the fields: JSON's readers take "±" and an
    // unsigned magnitude for two texts, so they get the numbers as well.
    std::vector<Field> figures;

    // After the figures in JSON; in the text form before the source, which stays the last line.
    std::vector<Group> groups;
};

// "key: value", one field per line; the value is everything after ": ", spaces included.
void writeText(std::ostream& out, const Record& record);

// One JSON object, one field per line, every value a string.
void writeJson(std::ostream& out, const Record& record);

} // namespace cli
