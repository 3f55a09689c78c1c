// SPDX-License-Identifier: MIT
#include "cli/app.h"

#include "cli/bearing_answer.h"
#include "cli/escape.h"
#include "cli/fit_list.h"
#include "cli/general_answer.h"
#include "cli/input_error.h"
#include "cli/options.h"
#include "cli/output_file.h"
#include "cli/query.h"
#include "cli/service_answer.h"
#include "cli/sheet_answer.h"
#include "cli/table.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <ostream>
#include <sstream>
#include <string>

namespace cli {

namespace {

constexpr std::string_view kName = "tessaly-cli: ";

void checkEncoding(std::span<const std::string_view> args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!isValidUtf8(args[i]))
            throw InputError("argument " + std::to_string(i + 1) + ", " + quote(args[i]) +
                             ", is not valid UTF-8");
    }
}

void writeFits(const Options& options, std::ostream& out)
{
    const Size size = parseSize(options.fitsSize);
    const tolerance::Requirement requirement =
        serviceRequirement(options.requirement, options.service);
    FitSearch search = searchFits(size, requirement, options.edition, options.allClasses);
    if (options.service.wanted())
        keepServiceFits(search, size, options.service);
    switch (options.format) {
    case Format::Text:
        writeFitsText(out, search, options.fitsLimit);
        return;
    case Format::Json:
        writeFitsJson(out, search, options.fitsLimit);
        return;
    case Format::Csv:
        writeFitsCsv(out, search, options.fitsLimit);
        return;
    case Format::Html: // refused as the options were read: a list is no sheet
        return;
    }
}

void answer(const Options& options, std::ostream& out)
{
    switch (options.action) {
    case Action::Help:
        out << helpText();
        return;
    case Action::Version:
        out << versionText() << '\n';
        return;
    case Action::Table:
        options.format == Format::Json ? writeTableJson(out, {options.edition, options.allClasses})
                                       : writeTableCsv(out, {options.edition, options.allClasses});
        return;
    case Action::Fits:
        writeFits(options, out);
        return;
    case Action::Materials:
        out << (options.format == Format::Json ? materialLibraryJson() : materialLibraryText());
        return;
    case Action::Stack:
        if (options.format == Format::Html)
            writeStackSheet(out, options);
        else
            writeStack(out, options.stack, options.format);
        return;
    case Action::Bearing:
        if (options.format == Format::Html)
            writeBearingSheet(out, options);
        else
            writeBearing(out, options.bearing, options.format == Format::Json, options.edition);
        return;
    case Action::General:
        options.format == Format::Json ? writeGeneralJson(out, options.general)
                                       : writeGeneralText(out, options.general);
        return;
    case Action::Query:
        break;
    }
    const FitQuery query{options.holeLimits, options.shaftLimits, options.distribution};
    const bool sizeAlone = options.holeLimits && options.shaftLimits;
    const Record record =
        options.bearing.ring
            ? describeWithRing(options.operands[0], options.operands[1], options.edition,
                               options.bearing, options.distribution)
        : sizeAlone ? describe({}, options.operands[0], options.edition, query)
                    : describe(options.operands[0], options.operands[1], options.edition, query);
    if (options.service.wanted()) {
        const ServiceAnswer service = answerService(record, options.service);
        if (options.format == Format::Html)
            writeFitSheet(out, options);
        else
            options.format == Format::Json ? writeServiceJson(out, record, service)
                                           : writeServiceText(out, record, service);
        return;
    }
    if (options.format == Format::Html)
        writeFitSheet(out, options);
    else
        options.format == Format::Json ? writeJson(out, record) : writeText(out, record);
}

// The answer whole into its file, or one line on err.
int writeOutput(const std::string& path, const std::string& answer, std::ostream& err)
{
    if (const auto failure = writeFileWhole(path, answer)) {
        err << kName << "cannot write " << quoteWhole(path) << ": " << *failure << '\n';
        return kExitWriteFailure;
    }
    return kExitSuccess;
}

} // namespace

int run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) noexcept
{
    try {
        checkEncoding(args);
        const Options options = parseOptions(args);
        if (options.output) {
            std::ostringstream whole;
            answer(options, whole);
            return writeOutput(*options.output, whole.str(), err);
        }
        // A stream stops writing at its first failure, so errno still holds that write's cause.
        errno = 0;
        answer(options, out);
        out.flush();
        if (!out) {
            const int cause = errno;
            err << kName << "cannot write the output: "
                << (cause != 0 ? std::strerror(cause) : "the stream refused it") << '\n';
            return kExitWriteFailure;
        }
        return kExitSuccess;
    } catch (const InputError& error) {
        err << kName << error.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& error) {
        err << kName << "internal error: " << error.what() << '\n';
        return kExitFailure;
    }
}

} // namespace cli
