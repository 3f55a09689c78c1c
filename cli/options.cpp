// SPDX-License-Identifier: MIT
#include "cli/options.h"

#include "cli/escape.h"
#include "cli/input_error.h"
#include "cli/stack_options.h"

#include "tolerance/given_limits.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace cli {

namespace {

// An option that takes a value, and what to say when the value is missing.
struct ValueOption
{
    ValueOption(const char* name, const char* wants) : name(name), wants(wants) {}

    const char* name;
    const char* wants;
    CLI::Option* option = nullptr;
    std::string value;

    bool given() const { return option->count() > 0; }

    template <typename Read> auto read(Read named) const
    {
        return given() ? std::optional(named(value)) : std::nullopt;
    }
};

std::vector<ValueOption> serviceValues()
{
    std::vector<ValueOption> options;
    for (const ServiceOptionName& o : kServiceOptions)
        options.emplace_back(o.name, o.wants);
    return options;
}

std::vector<ValueOption> bearingValues()
{
    std::vector<ValueOption> options;
    for (const BearingOptionName& o : kBearingOptions)
        options.emplace_back(o.name, o.wants);
    return options;
}

struct Parser
{
    CLI::App app;
    CLI::Option* help = nullptr;
    CLI::Option* version = nullptr;
    // CLI11's flags also take a value: "--table=false" leaves the table out.
    bool helpWanted = false;
    bool versionWanted = false;
    bool tableWanted = false;
    ValueOption format{"--format", "text, json, csv or html"};
    ValueOption fits{"--fits", "a SIZE such as 35 or 30～40"};
    ValueOption clearance{"--clearance", "MIN..MAX in mm, such as 0.010..0.040"};
    ValueOption type{"--type", "clearance, transition or interference"};
    ValueOption basis{"--basis", "hole or shaft"};
    ValueOption edition{"--edition", "1984 or 2016"};
    ValueOption classes{"--classes", "table or all"};
    ValueOption limit{"--limit", "a number of rows, or all"};
    ValueOption holeLimits{"--hole-limits", "UPPER/LOWER deviations in mm, such as 0/-0.009"};
    ValueOption shaftLimits{"--shaft-limits",
                            "UPPER/LOWER deviations in mm, such as +0.021/+0.008"};
    ValueOption distribution{"--distribution", "normal or uniform"};
    ValueOption general{"--general", "CLASS, then SIZE: m 35"};
    ValueOption kind{"--kind", "linear, chamfer, angle, straightness, flatness, "
                               "perpendicularity, symmetry or runout"};
    ValueOption stack{"--stack", "a chain FILE such as gap.json"};
    ValueOption samples{"--samples", "a number of assemblies such as 1000000"};
    ValueOption output{"--output", "a FILE to write the answer to"};
    ValueOption lang{"--lang", "ja or en"};
    std::vector<ValueOption> service = serviceValues();
    std::vector<ValueOption> bearing = bearingValues();
    std::vector<ValueOption*> values{&format,       &fits,    &clearance, &type,       &basis,
                                     &edition,      &classes, &limit,     &holeLimits, &shaftLimits,
                                     &distribution, &general, &kind,      &stack,      &samples,
                                     &output,       &lang};
    std::vector<std::string> operands;

    Parser()
    {
        // Unknown options and the help are ours to report, in our own words.
        app.set_help_flag();
        app.allow_extras();
        help = app.add_flag("-h,--help", helpWanted);
        version = app.add_flag("--version", versionWanted);
        app.add_flag("--table", tableWanted);
        for (ValueOption& v : service)
            values.push_back(&v);
        for (ValueOption& v : bearing)
            values.push_back(&v);
        for (ValueOption* v : values)
            v->option = app.add_option(v->name, v->value)
                            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        app.add_option("operands", operands);
    }

    // CLI11 reads "--format=" as "--format" and takes the next argument for its value; an empty
    // argument of its own keeps the value empty.
    std::vector<std::string> withEmptyValues(std::span<const std::string_view> args) const
    {
        std::vector<std::string> split;
        bool operands = false;
        for (const std::string_view arg : args) {
            operands = operands || arg == "--";
            const bool empty = !operands && arg.ends_with('=') &&
                               std::any_of(values.begin(), values.end(), [&](const ValueOption* v) {
                                   return arg.substr(0, arg.size() - 1) == v->name;
                               });
            split.emplace_back(empty ? arg.substr(0, arg.size() - 1) : arg);
            if (empty)
                split.emplace_back();
        }
        return split;
    }

    void parse(std::span<const std::string_view> args)
    {
        const std::vector<std::string> split = withEmptyValues(args);
        std::vector<std::string> reversed(split.rbegin(),
                                          split.rend()); // CLI11 reads from the back
        try {
            app.parse(reversed);
        } catch (const CLI::ArgumentMismatch&) {
            // The help or the version is answered even so; their values are not read yet.
            helpWanted = help->count() > 0;
            versionWanted = version->count() > 0;
            if (helpWanted || versionWanted)
                return;
            // A value option takes whatever follows it, so only the last argument can lack one.
            const std::string_view last = args.empty() ? std::string_view() : args.back();
            for (const ValueOption* v : values) {
                if (last.substr(0, last.find('=')) == v->name)
                    throw InputError(std::string(v->name) + " needs a value: " + v->wants);
            }
            throw InputError("cannot read the options; try --help");
        } catch (const CLI::ParseError&) {
            throw InputError("cannot read the options; try --help");
        }
    }
};

Format formatNamed(std::string_view name)
{
    if (name.empty())
        throw InputError("empty format; use text, json, csv or html");
    if (name == "text")
        return Format::Text;
    if (name == "json")
        return Format::Json;
    if (name == "csv")
        return Format::Csv;
    if (name == "html")
        return Format::Html;
    throw InputError("unknown format " + quote(name) + "; use text, json, csv or html");
}

tolerance::sheet::Language languageNamed(std::string_view name)
{
    if (name == "ja")
        return tolerance::sheet::Language::Japanese;
    if (name == "en")
        return tolerance::sheet::Language::English;
    throw InputError("unknown language " + quote(name) + "; use ja or en");
}

// The calculation sheet is of one answer; a list has none to write.
void refuseHtml(const std::optional<Format>& format, std::string_view what)
{
    if (format == Format::Html)
        throw InputError("--format html writes the calculation sheet of one answer, not " +
                         std::string(what));
}

// --output, and every value option as typed, for a sheet's table of inputs.
void keepOutput(const Parser& parser, Options& options)
{
    if (parser.output.given() && parser.output.value.empty())
        throw InputError("empty --output; give " + std::string(parser.output.wants));
    options.output = parser.output.read([](const std::string& path) { return path; });
    for (const ValueOption* v : parser.values)
        if (v->given())
            options.typed.emplace(v->name, v->value);
}

tolerance::Edition editionNamed(std::string_view name)
{
    if (name == "1984")
        return tolerance::Edition::Jis1984;
    if (name == "2016")
        return tolerance::Edition::Iso2010;
    throw InputError(
        (name.empty() ? std::string("empty edition") : "unknown edition " + quote(name)) +
        "; use 1984 (the table, the default) or 2016 (ISO 286:2010)");
}

bool allClassesNamed(std::string_view name)
{
    if (name == "all" || name == "table")
        return name == "all";
    throw InputError(
        (name.empty() ? std::string("empty --classes") : "unknown --classes " + quote(name)) +
        "; use table (the 65 classes of the table, the default) or all");
}

std::optional<std::size_t> limitNamed(std::string_view name)
{
    if (name == "all")
        return std::nullopt;
    std::size_t rows = 0;
    const bool digits = !name.empty() && name.size() <= 9 &&
                        name.find_first_not_of("0123456789") == std::string_view::npos;
    for (const char c : name)
        rows = digits ? rows * 10 + std::size_t(c - '0') : 0;
    if (rows == 0)
        throw InputError("--limit " + quote(name) + " is neither a number of rows over 0 nor all");
    return rows;
}

tolerance::Distribution distributionNamed(std::string_view name)
{
    if (const auto distribution = tolerance::distributionNamed(name))
        return *distribution;
    throw InputError((name.empty() ? std::string("empty --distribution")
                                   : "unknown --distribution " + quote(name)) +
                     "; use normal (the default) or uniform");
}

// The core's reading of a side's limits, its faults in the words of the command line.
tolerance::Deviations limitsNamed(const ValueOption& option)
{
    const auto parsed = tolerance::parseLimits(option.value);
    if (const auto* deviations = std::get_if<tolerance::Deviations>(&parsed))
        return *deviations;
    const std::string head = std::string(option.name) + ' ' + quote(option.value);
    switch (std::get<tolerance::LimitsFault>(parsed)) {
    case tolerance::LimitsFault::Empty:
        throw InputError(std::string("empty ") + option.name + "; give " + option.wants);
    case tolerance::LimitsFault::NotLimits:
        break;
    case tolerance::LimitsFault::TooManyDecimals:
        throw InputError(head + " has more than 4 decimals; give the deviations in mm to 0.0001");
    case tolerance::LimitsFault::TooLarge:
        throw InputError(head + " has a deviation beyond 3150 mm");
    case tolerance::LimitsFault::LowerAboveUpper:
        throw InputError(head + " has its lower deviation above its upper; write UPPER/LOWER");
    }
    throw InputError(head + " is not UPPER/LOWER in mm (0/-0.009, +0.021/+0.008) nor ±M (±0.005)");
}

// A fit's own options: the sides by their limits and the spread of the statistics.
void settleFitOptions(Parser& parser, Options& options)
{
    for (const ValueOption* v : {&parser.holeLimits, &parser.shaftLimits, &parser.distribution}) {
        if (v->given() && (parser.fits.given() || parser.tableWanted))
            throw InputError(std::string(v->name) + " is for a fit, not for --fits or --table");
    }
    if (parser.holeLimits.given())
        options.holeLimits = limitsNamed(parser.holeLimits);
    if (parser.shaftLimits.given())
        options.shaftLimits = limitsNamed(parser.shaftLimits);
    options.distribution =
        parser.distribution.read(distributionNamed).value_or(tolerance::Distribution::Normal);
}

void checkOperands(const std::vector<std::string>& operands)
{
    if (operands.empty())
        throw InputError("missing CLASS and SIZE; try --help");
    if (operands.size() == 1)
        throw InputError("missing SIZE after " + quote(operands.front()));
    if (operands.size() > 2)
        throw InputError("too many arguments from " + quote(operands[2]) +
                         "; give CLASS (or HOLE/SHAFT) and SIZE");
}

// Both sides given by their limits leave the size alone.
void checkSizeAlone(const std::vector<std::string>& operands)
{
    if (operands.empty())
        throw InputError("missing SIZE; with --hole-limits and --shaft-limits give SIZE alone");
    if (operands.size() > 1)
        throw InputError("too many arguments from " + quote(operands[1]) +
                         "; with --hole-limits and --shaft-limits give SIZE alone");
}

ServiceOptions serviceOf(const Parser& parser, bool forFits)
{
    std::map<std::string_view, std::string> given;
    for (const ValueOption& v : parser.service)
        if (v.given())
            given.emplace(v.name, v.value);
    if (!given.empty() && parser.tableWanted)
        throw InputError(std::string(given.begin()->first) + " is for a fit or --fits");
    return readServiceOptions(given, forFits);
}

// --stack FILE, with only --format, --distribution and --samples beside it.
Options stackSettled(const Parser& parser)
{
    std::vector<std::string_view> others;
    for (const ValueOption* v : parser.values)
        if (v->given() && v != &parser.stack && v != &parser.samples && v != &parser.format &&
            v != &parser.distribution && v != &parser.output && v != &parser.lang)
            others.push_back(v->name);
    if (parser.tableWanted)
        others.push_back("--table");
    const auto value = [](const ValueOption& v) { return v.read([](auto text) { return text; }); };
    Options options;
    options.action = Action::Stack;
    options.stack = readStackArguments({value(parser.stack), value(parser.distribution),
                                        value(parser.samples), others, parser.operands});
    options.format = parser.format.read(formatNamed).value_or(Format::Text);
    keepOutput(parser, options);
    return options;
}

// --bearing NUMBER or --load: an answer of its own, none of a fit's or a search's options.
Options settledBearing(const Parser& parser, Options options)
{
    if (!parser.operands.empty())
        throw InputError("too many arguments from " + quote(parser.operands.front()) +
                         "; --bearing and --load take no CLASS or SIZE");
    for (const ValueOption* v : parser.values) {
        const bool ours = v == &parser.format || v == &parser.edition || v == &parser.output ||
                          v == &parser.lang ||
                          std::any_of(parser.bearing.begin(), parser.bearing.end(),
                                      [&](const ValueOption& b) { return &b == v; });
        if (v->given() && !ours)
            throw InputError(std::string(v->name) + " does not go with --bearing or --load");
    }
    if (parser.tableWanted)
        throw InputError("--table does not go with --bearing or --load");
    const std::optional<Format> format = parser.format.read(formatNamed);
    if (format == Format::Csv)
        throw InputError("--bearing and --load write text, json or html");
    if (format == Format::Html && !options.bearing.number)
        refuseHtml(format, "--load alone");
    options.format = format.value_or(Format::Text);
    options.edition = parser.edition.read(editionNamed).value_or(tolerance::Edition::Jis1984);
    options.action = Action::Bearing;
    return options;
}

// --general and its --kind, read by general_options.cpp with the names of the other options.
Options generalOptions(const Parser& parser)
{
    const auto typed = [](const std::string& text) { return text; };
    GeneralArguments arguments{
        parser.general.read(typed), parser.kind.read(typed), parser.operands, {}};
    for (const ValueOption* v : parser.values)
        if (v->given() && v != &parser.general && v != &parser.kind && v != &parser.format)
            arguments.others.emplace_back(v->name);
    if (parser.tableWanted)
        arguments.others.emplace_back("--table");
    Options options;
    options.action = Action::General;
    options.general = readGeneral(arguments);
    options.format = parser.format.read(formatNamed).value_or(Format::Text);
    if (options.format == Format::Csv)
        throw InputError("--format csv is for --table and --fits; --general writes text or json");
    refuseHtml(options.format, "--general");
    keepOutput(parser, options);
    return options;
}

// What the options read add up to, the default format settled.
Options settled(Parser& parser)
{
    if (parser.stack.given() || parser.samples.given())
        return stackSettled(parser);
    if (parser.general.given() || parser.kind.given())
        return generalOptions(parser);
    Options options;
    keepOutput(parser, options);
    std::map<std::string_view, std::string> bearing;
    for (const ValueOption& v : parser.bearing)
        if (v.given())
            bearing.emplace(v.name, v.value);
    options.bearing = readBearingOptions(bearing);
    if (options.bearing.ownAnswer())
        return settledBearing(parser, std::move(options));
    options.service = serviceOf(parser, parser.fits.given());
    options.operands = std::move(parser.operands);
    const std::optional<Format> format = parser.format.read(formatNamed);
    const bool table = parser.tableWanted;
    if (table && parser.fits.given())
        throw InputError("--fits and --table do not go together");
    for (const ValueOption* v : {&parser.clearance, &parser.type, &parser.basis, &parser.limit}) {
        if (v->given() && !parser.fits.given())
            throw InputError(std::string(v->name) + " is for --fits");
    }
    settleFitOptions(parser, options);
    if (options.bearing.ring && (parser.fits.given() || parser.tableWanted))
        throw InputError("--bearing-bore and --bearing-outside are for a fit, not for --fits or "
                         "--table");
    if (options.bearing.ring &&
        (options.bearing.ring == tolerance::bearing::Ring::Inner ? options.holeLimits.has_value()
                                                                 : options.shaftLimits.has_value()))
        throw InputError(options.holeLimits ? "--bearing-bore and --hole-limits do not go together"
                                            : "--bearing-outside and --shaft-limits do not go "
                                              "together");
    options.edition = parser.edition.read(editionNamed).value_or(tolerance::Edition::Jis1984);
    options.allClasses = parser.classes.read(allClassesNamed).value_or(false);
    if (parser.classes.given() && !table && !parser.fits.given())
        throw InputError("--classes is for --table and --fits");
    if (table) {
        if (!options.operands.empty())
            throw InputError("--table takes no CLASS or SIZE");
        if (format == Format::Text)
            throw InputError("--table writes csv or json");
        refuseHtml(format, "--table");
        options.action = Action::Table;
        options.format = format.value_or(Format::Csv);
        return options;
    }
    options.format = format.value_or(Format::Text);
    if (!parser.fits.given()) {
        if (format == Format::Csv)
            throw InputError("--format csv is for --table and --fits; a query writes text or json");
        if (options.holeLimits && options.shaftLimits)
            checkSizeAlone(options.operands);
        else
            checkOperands(options.operands);
        // A class alone has no clearances to spread; the option would be silently ignored.
        const bool oneClass = !options.holeLimits && !options.shaftLimits &&
                              options.operands.front().find('/') == std::string::npos;
        if (parser.distribution.given() && oneClass)
            throw InputError("--distribution is for a fit HOLE/SHAFT, not a class alone");
        return options;
    }
    if (!options.operands.empty())
        throw InputError("too many arguments from " + quote(options.operands.front()) +
                         "; --fits takes SIZE alone");
    refuseHtml(format, "--fits");
    options.action = Action::Fits;
    options.fitsSize = parser.fits.value;
    if (parser.clearance.given())
        parseClearanceRange(parser.clearance.value, options.requirement);
    options.requirement.type = parser.type.read(fitTypeNamed);
    options.requirement.basis = parser.basis.read(basisNamed).value_or(tolerance::Basis::Any);
    if (parser.limit.given())
        options.fitsLimit = limitNamed(parser.limit.value);
    else if (options.allClasses && options.format == Format::Text)
        options.fitsLimit = kDefaultFitsLimit;
    return options;
}

// --materials without a value lists the library, as text or JSON; nothing else goes with it.
Options materialListOf(std::span<const std::string_view> args)
{
    Options options;
    options.action = Action::Materials;
    std::vector<std::string_view> rest;
    for (const std::string_view arg : args)
        if (arg != "--materials")
            rest.push_back(arg);
    std::optional<std::string_view> format;
    if (rest.size() == 1 && rest[0].starts_with("--format="))
        format = rest[0].substr(9);
    else if (rest.size() == 2 && rest[0] == "--format")
        format = rest[1];
    else if (!rest.empty())
        throw InputError("--materials needs a value: HOLE/SHAFT from the library, such as "
                         "A5052/S45C; alone, or with --format, it lists the library");
    options.format = format ? formatNamed(*format) : Format::Text;
    if (options.format == Format::Csv)
        throw InputError("--materials lists the library as text or json");
    return options;
}

// CLI11 would take the last of an option given twice; two values are more likely a slip than a
// correction, so neither is taken.
void refuseRepeats(const Parser& parser)
{
    for (const ValueOption* v : parser.values)
        if (v->option->count() > 1)
            throw InputError(std::string(v->name) + " is given more than once; give it once");
}

} // namespace

Options parseOptions(std::span<const std::string_view> args)
{
    if (wantsMaterialList(args))
        return materialListOf(args);
    Parser parser;
    parser.parse(args);
    for (const CLI::Option* option : parser.app.parse_order()) {
        if ((option == parser.help && parser.helpWanted) ||
            (option == parser.version && parser.versionWanted)) {
            Options options;
            options.action = option == parser.help ? Action::Help : Action::Version;
            return options;
        }
    }
    // CLI11 keeps the "--" that ends the options among what it did not know.
    for (const std::string& unknown : parser.app.remaining()) {
        if (unknown != "--")
            throw InputError("unknown option " + quote(unknown) + "; try --help");
    }
    refuseRepeats(parser);
    Options options = settled(parser);
    // The sheet's words; every other answer is English.
    if (parser.lang.given()) {
        if (options.format != Format::Html)
            throw InputError("--lang is for --format html: the language of the calculation sheet");
        options.sheetLanguage = languageNamed(parser.lang.value);
    }
    return options;
}

} // namespace cli
