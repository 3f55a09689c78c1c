#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Action
{
    Query,
    Table,
    Help,
    Version,
};

enum class Format
{
    Text,
    Json,
    Csv,
};

struct Options
{
    Action action = Action::Query;
    Format format = Format::Text;
    std::vector<std::string_view> operands; // CLASS or HOLE/SHAFT, then SIZE
};

// The arguments after the program name. "--help" or "--version" ends the reading; an argument
// such as "-5" is an operand (a size to reject with its own message), not an option. Throws
// InputError for an unknown option, a missing or wrong format, or the wrong number of operands.
Options parseOptions(std::span<const std::string_view> args);

// The --help text, with the class codes and range labels listed from the core.
std::string helpText();

std::string_view versionText() noexcept;

} // namespace cli
