// SPDX-License-Identifier: MIT
#pragma once

#include "cli/bearing_options.h"
#include "cli/general_options.h"
#include "cli/requirement.h"
#include "cli/service_options.h"
#include "cli/stack_answer.h"

#include "tolerance/editions.h"
#include "tolerance/fit_statistics.h"
#include "tolerance/sheet/words.h"

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Action
{
    Query,
    Table,
    Fits,
    Help,
    Version,
    Materials, // --materials alone: the library with its sources
    Stack,     // --stack FILE: a dimension chain's closing dimension
    Bearing,   // --bearing NUMBER or --load: a bearing's fits, or the classes recommended
    General,   // --general: a general tolerance of JIS B 0405 or JIS B 0419
};

enum class Format
{
    Text,
    Json,
    Csv,
    Html, // the calculation sheet, one self-contained page
};

struct Options
{
    Action action = Action::Query;
    Format format = Format::Text;
    std::vector<std::string> operands;  // CLASS or HOLE/SHAFT, then SIZE
    std::string fitsSize;               // the SIZE of --fits
    tolerance::Requirement requirement; // what --fits keeps
    tolerance::Edition edition = tolerance::Edition::Jis1984;
    bool allClasses = false;              // --classes all: every class of the standard
    std::optional<std::size_t> fitsLimit; // the rows --fits shows; nothing for every row
    ServiceOptions service;               // materials, temperatures, the press fit, the load
    std::optional<tolerance::Deviations> holeLimits;  // --hole-limits: the hole without a class
    std::optional<tolerance::Deviations> shaftLimits; // --shaft-limits
    tolerance::Distribution distribution = tolerance::Distribution::Normal;
    StackRequest stack;                // --stack FILE, --distribution and --samples
    BearingOptions bearing;            // a ring as a side, or a bearing by its number
    GeneralQuery general;              // --general
    std::optional<std::string> output; // --output: the file the answer is written to
    // --lang: the calculation sheet's language; tessaly-cli writes English unless asked.
    std::optional<tolerance::sheet::Language> sheetLanguage;
    std::map<std::string, std::string, std::less<>> typed; // each value option as typed, by name
};

// The rows the text of --fits --classes all shows unless --limit says otherwise.
inline constexpr std::size_t kDefaultFitsLimit = 40;

// The arguments after the program name. "--help" or "--version" wins over anything else, the
// first of them if both are given; an argument such as "-5" is an operand (a size to reject with
// its own message), not an option. Throws InputError for an unknown option, a missing or wrong
// value, options that do not go together, or the wrong number of operands.
Options parseOptions(std::span<const std::string_view> args);

// The --help text, with the class codes and range labels listed from the core and an example
// of --fits with its answer.
std::string helpText();

std::string_view versionText() noexcept;

} // namespace cli
