// SPDX-License-Identifier: MIT
#pragma once

// JIS B 0401 as our class table prints it (1984) and as it stands today (2016, which is
// ISO 286:2010), side by side and never mixed without saying so.
#include "tolerance/iso286.h"

#include <optional>
#include <span>
#include <string_view>

namespace tolerance {

enum class Edition
{
    Jis1984, // the class table wherever it has the class and size, the current rules elsewhere
    Iso2010, // the current rules everywhere
};

enum class Source
{
    Table1984, // an entry of the 1625-entry class table, as the window shows it
    Iso2010,   // worked out by the rules of ISO 286-1:2010
};

struct EditionAnswer
{
    std::optional<Deviations> deviations; // nothing: "  ---"
    Source source;
};

EditionAnswer lookUp(const ClassCode& code, Length diameter, Edition edition);

// Where the 1984 table and the current edition differ, class by class over spans of the table's
// size ranges (first and last label, inclusive).
struct EditionDifference
{
    enum class Kind
    {
        NoValueIn1984,  // "  ---" in 1984, a value today
        HalfRoundedDown // ±IT7/2 rounded down to a whole µm in 1984, ±x.5 today
    };
    Side side;
    std::string_view code;
    std::string_view firstRange;
    std::string_view lastRange;
    Kind kind;
};
std::span<const EditionDifference> editionDifferences() noexcept;

} // namespace tolerance
