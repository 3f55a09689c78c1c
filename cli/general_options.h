// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/general/general_tolerance.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// --general CLASS SIZE [--kind KIND]: a general tolerance of JIS B 0405 or JIS B 0419.
namespace cli {

// What was typed, as the option reader found it.
struct GeneralArguments
{
    std::optional<std::string> generalClass; // --general's value; nothing when only --kind came
    std::optional<std::string> kind;
    std::vector<std::string> operands;
    std::vector<std::string> others; // the names of every other option given
};

// A class, a kind and a size that the tables answer (a "—" included).
struct GeneralQuery
{
    tolerance::general::GeneralClass generalClass = tolerance::general::GeneralClass::m;
    tolerance::general::Kind kind = tolerance::general::Kind::Linear;
    tolerance::Length size = 0;

    tolerance::general::GeneralTolerance answer() const;
};

// Throws InputError for anything the tables cannot answer, in one line that says why.
GeneralQuery readGeneral(const GeneralArguments& typed);

// The --help paragraph of --general.
std::string_view generalHelpText() noexcept;

} // namespace cli
