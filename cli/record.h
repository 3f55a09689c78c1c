#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// One answer of a query: named texts in a fixed order, the same keys in every format.
struct Field
{
    std::string key;
    std::string value;
};
using Record = std::vector<Field>;

// "key: value", one field per line; the value is everything after ": ", spaces included.
void writeText(std::ostream& out, const Record& record);

// One JSON object, one field per line, every value a string.
void writeJson(std::ostream& out, const Record& record);

} // namespace cli
