#include "cli/options.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include "tolerance/classes.h"

#include <optional>

#ifndef TESSALY_VERSION
#error "TESSALY_VERSION must name the project version"
#endif

namespace cli {

namespace {

Format formatNamed(std::string_view name)
{
    if (name == "text")
        return Format::Text;
    if (name == "json")
        return Format::Json;
    if (name == "csv")
        return Format::Csv;
    throw InputError("unknown format " + quote(name) + "; use text, json or csv");
}

bool isOption(std::string_view arg) noexcept
{
    return arg.size() > 1 && arg.front() == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

// Checks what the options read add up to and settles the default format.
Options settled(Options options, std::optional<Format> format)
{
    if (options.action == Action::Table) {
        if (!options.operands.empty())
            throw InputError("--table takes no CLASS or SIZE");
        if (format == Format::Text)
            throw InputError("--table writes csv or json");
        options.format = format.value_or(Format::Csv);
        return options;
    }
    if (format == Format::Csv)
        throw InputError("--format csv is for --table; a query writes text or json");
    options.format = format.value_or(Format::Text);
    if (options.operands.empty())
        throw InputError("missing CLASS and SIZE; try --help");
    if (options.operands.size() == 1)
        throw InputError("missing SIZE after " + quote(options.operands.front()));
    if (options.operands.size() > 2)
        throw InputError("too many arguments from " + quote(options.operands[2]) +
                         "; give CLASS (or HOLE/SHAFT) and SIZE");
    return options;
}

std::string codesOf(tolerance::Side side)
{
    std::string codes;
    for (const tolerance::ToleranceClass& cls : tolerance::classesOf(side))
        codes += ' ' + std::string(cls.code);
    return codes;
}

} // namespace

Options parseOptions(std::span<const std::string_view> args)
{
    Options options;
    std::optional<Format> format;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (operandsOnly || !isOption(arg)) {
            options.operands.push_back(arg);
        } else if (arg == "--") {
            operandsOnly = true;
        } else if (arg == "--help" || arg == "-h") {
            return Options{Action::Help, Format::Text, {}};
        } else if (arg == "--version") {
            return Options{Action::Version, Format::Text, {}};
        } else if (arg == "--table") {
            options.action = Action::Table;
        } else if (arg == "--format") {
            if (i + 1 == args.size())
                throw InputError("--format needs a value: text, json or csv");
            format = formatNamed(args[++i]);
        } else if (arg.starts_with("--format=")) {
            format = formatNamed(arg.substr(9));
        } else {
            throw InputError("unknown option " + quote(arg) + "; try --help");
        }
    }
    return settled(std::move(options), format);
}

std::string helpText()
{
    std::string ranges;
    for (const std::string_view label : tolerance::kSizeRanges)
        ranges += ' ' + std::string(label);
    return R"(Usage: tessaly-cli [--format text|json] CLASS SIZE
       tessaly-cli [--format text|json] HOLE/SHAFT SIZE
       tessaly-cli --table [--format csv|json]
       tessaly-cli --help | --version

Limits and fits after JIS B 0401 (ISO 286), from the tables of Tessaly.

  CLASS        a hole class in capitals (H7) or a shaft class in small letters (g6)
  HOLE/SHAFT   a fit such as H7/g6: both classes, the clearance or interference
               and the type of fit
  SIZE         a size range (30～40, also written 30-40 or 30~40), or a diameter
               in mm over 0 up to 500 with at most 4 decimals (35, 35.5); a
               diameter on a boundary belongs to the lower range (30 is in 24～30),
               and a diameter also gives the limits of size
  --table      all entries of both tables, one per row, with micrometres
  --format F   text (queries, default), json, or csv (--table, default)
  -h, --help   show this help
  --version    show the version

Output: text is one "key: value" field per line; every figure is an exact
decimal in mm. A negative clearance is shown as an interference.
Exit status: 0 on success, 2 for a usage or input error.

Hole classes:)" +
           codesOf(tolerance::Side::Hole) + "\nShaft classes:" + codesOf(tolerance::Side::Shaft) +
           "\nSize ranges:" + ranges + '\n';
}

std::string_view versionText() noexcept
{
    return "tessaly-cli " TESSALY_VERSION;
}

} // namespace cli
