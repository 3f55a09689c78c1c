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
};

struct Record : std::vector<Field>
{
    using std::vector<Field>::vector;

    // The deviations as signed decimals in mm, after the fields: JSON's readers take "±" and an
    // unsigned magnitude for two texts, so they get the numbers as well.
    std::vector<Field> figures;
};

// "key: value", one field per line; the value is everything after ": ", spaces included.
void writeText(std::ostream& out, const Record& record);

// One JSON object, one field per line, every value a string.
void writeJson(std::ostream& out, const Record& record);

} // namespace cli
