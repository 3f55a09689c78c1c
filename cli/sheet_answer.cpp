// SPDX-License-Identifier: MIT
#include "cli/sheet_answer.h"

#include "cli/bearing_answer.h"
#include "cli/class_code.h"
#include "cli/sizes.h"
#include "cli/stack_input.h"

#include "tolerance/sheet/bearing_sheet.h"
#include "tolerance/sheet/fit_sheet.h"
#include "tolerance/sheet/html.h"
#include "tolerance/sheet/stack_sheet.h"
#include "tolerance/stack/chain_file.h"

#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#ifndef TESSALY_VERSION
#error "TESSALY_VERSION must name the project version"
#endif

namespace cli {

using tolerance::ClassCode;
using tolerance::Side;
using namespace tolerance::sheet;

namespace {

// The command line writes English unless --lang says otherwise.
const Words& wordsOf(const Options& options)
{
    return wordsIn(options.sheetLanguage.value_or(Language::English));
}

std::string typedValue(const Options& options, std::string_view name)
{
    const auto found = options.typed.find(name);
    return found == options.typed.end() ? std::string() : found->second;
}

// "A/B" as its two halves; a text without a slash stands for both.
std::pair<std::string, std::string> halves(const std::string& text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return {text, text};
    return {text.substr(0, slash), text.substr(slash + 1)};
}

void readSides(const Options& options, FitAsked& asked)
{
    const std::string& operand = options.operands.front();
    if (const auto ring = options.bearing.ring) {
        const bool inner = *ring == tolerance::bearing::Ring::Inner;
        const RingAsked asRing{*ring, options.bearing.accuracy};
        (inner ? asked.hole : asked.shaft) = asRing;
        (inner ? asked.shaft : asked.hole) =
            resolveClass(operand, inner ? Side::Shaft : Side::Hole);
        (inner ? asked.typed.hole : asked.typed.shaft) =
            typedValue(options, inner ? "--bearing-bore" : "--bearing-outside");
        (inner ? asked.typed.shaft : asked.typed.hole) = operand;
        return;
    }
    if (options.holeLimits || options.shaftLimits) {
        asked.hole = options.holeLimits ? SideAsked(*options.holeLimits)
                                        : SideAsked(resolveClass(operand, Side::Hole));
        asked.shaft = options.shaftLimits ? SideAsked(*options.shaftLimits)
                                          : SideAsked(resolveClass(operand, Side::Shaft));
        asked.typed.hole = options.holeLimits ? typedValue(options, "--hole-limits") : operand;
        asked.typed.shaft = options.shaftLimits ? typedValue(options, "--shaft-limits") : operand;
        return;
    }
    const std::size_t slash = operand.find('/');
    if (slash == std::string::npos) {
        const ClassCode code = resolveClass(operand, std::nullopt);
        (code.side == Side::Hole ? asked.hole : asked.shaft) = code;
        (code.side == Side::Hole ? asked.typed.hole : asked.typed.shaft) = operand;
        return;
    }
    asked.typed.hole = operand.substr(0, slash);
    asked.typed.shaft = operand.substr(slash + 1);
    asked.hole = resolveClass(asked.typed.hole, Side::Hole);
    asked.shaft = resolveClass(asked.typed.shaft, Side::Shaft);
}

MaterialAsked materialOf(const NamedMaterial& named)
{
    // Figures typed have no name in the library, and no source but the typing.
    const auto* library =
        named.name == "given" ? nullptr : tolerance::service::findMaterial(named.name);
    return {named.name, library, named.figures};
}

void readService(const Options& options, FitAsked& asked)
{
    const ServiceOptions& service = options.service;
    if (!service.wanted() || !asked.size.diameter)
        return;
    ServiceAsked answer{materialOf(*service.hole), materialOf(*service.shaft), service.temperature,
                        std::nullopt};
    if (service.pressFit)
        answer.joint = jointAt(service, *asked.size.diameter);
    asked.service = answer;
    TypedInputs& typed = asked.typed;
    if (options.typed.contains("--materials"))
        std::tie(typed.holeMaterial, typed.shaftMaterial) =
            halves(typedValue(options, "--materials"));
    else {
        typed.holeMaterial = typedValue(options, "--hole-material");
        typed.shaftMaterial = typedValue(options, "--shaft-material");
    }
    // One temperature stands for both parts, as an empty shaft's field does in the window.
    const std::string temperature = typedValue(options, "--temperature");
    typed.holeCelsius = halves(temperature).first;
    if (temperature.find('/') != std::string::npos)
        typed.shaftCelsius = halves(temperature).second;
    typed.hubOuter = typedValue(options, "--hub-diameter");
    typed.shaftBore = typedValue(options, "--shaft-bore");
    typed.length = typedValue(options, "--length");
    typed.friction = typedValue(options, "--friction");
    if (options.typed.contains("--roughness"))
        std::tie(typed.holeRz, typed.shaftRz) = halves(typedValue(options, "--roughness"));
    typed.joiningClearance = typedValue(options, "--joining-clearance");
}

} // namespace

Sheet fitSheetOf(const Options& options, const Stamp& stamp, const Words& words)
{
    FitAsked asked;
    const Size size = parseSize(options.operands.back());
    asked.size = {size.diameter, size.nominal(), size.label()};
    asked.typed.size = options.operands.back();
    readSides(options, asked);
    asked.edition = options.edition;
    asked.distribution = options.distribution;
    readService(options, asked);
    return fitSheet(asked, stamp, words);
}

void writeFitSheet(std::ostream& out, const Options& options)
{
    out << html(fitSheetOf(options, {localDate(), "Tessaly " TESSALY_VERSION}, wordsOf(options)));
}

namespace {

std::optional<ClassCode> seatCode(const std::optional<std::string>& text, Side side)
{
    return text ? std::optional(resolveClass(*text, side)) : std::nullopt;
}

} // namespace

Sheet bearingSheetOf(const Options& options, const Stamp& stamp, const Words& words)
{
    // The text answer first: a number, a class or a table that cannot be used is said as it is
    // said there.
    std::ostringstream checked;
    writeBearing(checked, options.bearing, false, options.edition);
    const BearingOptions& b = options.bearing;
    BearingAsked asked;
    asked.bearing =
        std::get<tolerance::bearing::Bearing>(tolerance::bearing::bearingNamed(*b.number));
    asked.accuracy = b.accuracy;
    asked.shaft = {seatCode(b.shaft, Side::Shaft), b.shaftMaterial, b.shaftExpansion,
                   b.shaftSmoothing};
    asked.housing = {seatCode(b.housing, Side::Hole), b.housingMaterial, b.housingExpansion,
                     b.housingSmoothing};
    asked.load = b.load;
    asked.loadSize = b.loadSize.value_or(tolerance::bearing::LoadSize::Normal);
    asked.temperatures = b.temperatures;
    asked.roughnessGiven = b.roughnessGiven;
    asked.edition = options.edition;
    asked.typed = {typedValue(options, "--bearing"),
                   typedValue(options, "--bearing-class"),
                   typedValue(options, "--shaft"),
                   typedValue(options, "--housing"),
                   typedValue(options, "--seat-temperatures"),
                   typedValue(options, "--seat-materials"),
                   typedValue(options, "--seat-roughness")};
    return bearingSheet(asked, stamp, words);
}

void writeBearingSheet(std::ostream& out, const Options& options)
{
    out << html(
        bearingSheetOf(options, {localDate(), "Tessaly " TESSALY_VERSION}, wordsOf(options)));
}

Sheet stackSheetOf(const StackRequest& request, const Stamp& stamp, const Words& words)
{
    // Read as --stack reads it, its faults in the same words; then its text as typed.
    StackAsked asked{{}, readStackFile(request.file), std::nullopt};
    std::ifstream file(request.file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const auto read = tolerance::stack::readChainFile(bytes);
    if (const auto* typed = std::get_if<tolerance::stack::ChainText>(&read))
        asked.typed = *typed;
    if (request.distribution)
        asked.chain.distribution = *request.distribution;
    if (request.samples > 0)
        asked.monteCarlo = tolerance::stack::runMonteCarlo(
            asked.chain, {request.samples, tolerance::stack::kDefaultSeed, 0});
    return stackSheet(asked, stamp, words);
}

void writeStackSheet(std::ostream& out, const Options& options)
{
    out << html(
        stackSheetOf(options.stack, {localDate(), "Tessaly " TESSALY_VERSION}, wordsOf(options)));
}

} // namespace cli
