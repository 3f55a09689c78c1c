// SPDX-License-Identifier: MIT
#include "cli/stack_input.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include "tolerance/stack/chain_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace cli {

using namespace tolerance::stack;

namespace {

// Far beyond a chain of the most members a chain may have.
constexpr std::uintmax_t kLargestFile = 64u << 20;

std::string bytesOf(const std::string& path)
{
    struct stat info = {};
    if (::stat(path.c_str(), &info) != 0)
        throw InputError("cannot read " + quote(path) + ": " + std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        throw InputError("cannot read " + quote(path) + ": it is not a regular file");
    if (std::uintmax_t(info.st_size) > kLargestFile)
        throw InputError(quote(path) + " is over 64 MB, far more than a chain file holds");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw InputError("cannot read " + quote(path) + ": " + std::strerror(errno));
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string fileFaultText(const FileFault& fault)
{
    const std::string key = '"' + fault.key + '"';
    const std::string member =
        fault.member ? "member " + std::to_string(*fault.member + 1) + ": " : std::string();
    switch (fault.kind) {
    case FileFault::Kind::NotJson:
        return "line " + std::to_string(fault.line) + ", column " + std::to_string(fault.column) +
               ": not JSON";
    case FileFault::Kind::NotAnObject:
        return "not a chain: the file is no JSON object {\"members\": [...]}";
    case FileFault::Kind::NoMembers:
        return "not a chain: it has no \"members\"";
    case FileFault::Kind::NotAList:
        return "\"members\" is not a list [...]";
    case FileFault::Kind::MemberNotObject:
        return member + "not an object {\"name\": ..., \"direction\": ..., ...}";
    case FileFault::Kind::WrongType:
        return member + key +
               (fault.key == "nominal" || fault.key == "temperature"
                    ? " is neither a number nor text"
                    : " is not text");
    }
    return "not a chain";
}

std::string limitsFaultText(const std::string& tolerance, tolerance::LimitsFault fault)
{
    using tolerance::LimitsFault;
    const std::string head = "tolerance " + quote(tolerance);
    switch (fault) {
    case LimitsFault::Empty:
    case LimitsFault::NotLimits:
        break;
    case LimitsFault::TooManyDecimals:
        return head + " has more than 4 decimals; give the deviations in mm to 0.0001";
    case LimitsFault::TooLarge:
        return head + " has a deviation beyond 3150 mm";
    case LimitsFault::LowerAboveUpper:
        return head + " has its lower deviation above its upper; write UPPER/LOWER";
    }
    return head + " is neither a class (H8, h7), nor limits UPPER/LOWER in mm (+0.1/-0.05) or ±M "
                  "(±0.05), nor a general tolerance (f, m, c, v)";
}

std::string toleranceFaultText(const MemberText& m, const MemberFault& fault)
{
    const std::string head = "tolerance " + quote(m.tolerance);
    switch (fault.fault) {
    case Fault::Empty:
        return "no tolerance; give a class (H8, h7), limits (+0.1/-0.05, ±0.05) or a general "
               "tolerance (f, m, c, v)";
    case Fault::NoSuchClass:
        return head + ": " + fault.classError->message;
    case Fault::ClassNeedsSize:
        return head + " is a class, whose nominal must be over 0 up to 3150 mm";
    case Fault::NoValueAtSize:
        return head + " has no value at " + quote(m.nominal) + " mm";
    case Fault::BearingNeedsBore:
        return head + " needs the bore, by which a bearing's width deviation goes: bearing:0 d20, "
                      "or its number, bearing:0 6204";
    case Fault::BearingClass:
        return head + ": a bearing's class is 0, 6X, 6, 5, 4 or 2, such as bearing:0 d20";
    case Fault::BearingNumber:
        return head + ": no bearing of that number is known; give its bore, such as bearing:0 d20";
    case Fault::BearingOutside:
        return head + ": the class's table has no such bore";
    case Fault::BearingWidth:
        return head + " is " + tolerance::formatDiameter(fault.expected.value_or(0)) +
               " mm wide, not " + quote(m.nominal) + " mm";
    case Fault::BearingTapered:
        return head +
               " is a tapered roller bearing, whose assembled width T has a tolerance of its "
               "own; give it as limits";
    case Fault::GeneralOutside:
        return head + " is a general tolerance of JIS B 0405, whose table runs from 0.5 to 4000 mm";
    case Fault::GeneralNoValue:
        return head + " (JIS B 0405) has no value at " + quote(m.nominal) +
               " mm, a dash in the table";
    default:
        return limitsFaultText(m.tolerance,
                               fault.limits.value_or(tolerance::LimitsFault::NotLimits));
    }
}

std::string memberFaultText(const MemberText& m, const MemberFault& fault)
{
    switch (fault.field) {
    case Field::Direction:
        return fault.fault == Fault::Empty
                   ? "no direction; give \"+\" (it lengthens the closing dimension) or \"-\""
                   : "direction " + quote(m.direction) + " is neither \"+\" nor \"-\"";
    case Field::Nominal:
        switch (fault.fault) {
        case Fault::Empty:
            return "no nominal size";
        case Fault::TooManyDecimals:
            return "nominal " + quote(m.nominal) + " has more than 4 decimals";
        case Fault::Negative:
            return "nominal " + quote(m.nominal) +
                   " is below 0; give the size, and the direction \"-\" to take it away";
        case Fault::TooLarge:
            return "nominal " + quote(m.nominal) + " is over 10000 mm";
        default:
            return "nominal " + quote(m.nominal) + " is not a size in mm such as 25 or 12.5";
        }
    case Field::Tolerance:
        return toleranceFaultText(m, fault);
    case Field::Material:
        return "unknown material " + quote(m.material) + "; --materials lists the library";
    case Field::Temperature:
        switch (fault.fault) {
        case Fault::BelowAbsoluteZero:
            return "temperature " + quote(m.temperature) + " is below absolute zero, -273.15 °C";
        case Fault::TooLarge:
            return "temperature " + quote(m.temperature) + " is over 10000 °C";
        case Fault::TemperatureWithoutMaterial:
            return "temperature " + quote(m.temperature) +
                   " needs the member's material, whose expansion it takes";
        default:
            return "temperature " + quote(m.temperature) + " is not a number of °C such as 80";
        }
    }
    return "does not read";
}

std::string requirementFaultText(const std::string& text, RequirementFault fault)
{
    const std::string head = "requirement " + quote(text);
    switch (fault) {
    case RequirementFault::NotRange:
    case RequirementFault::NotANumber:
        break;
    case RequirementFault::NoBound:
        return head + " has no bound; give MIN, MAX or both, such as 0.1..0.5";
    case RequirementFault::TooManyDecimals:
        return head + " has more than 4 decimals";
    case RequirementFault::TooLarge:
        return head + " has a bound beyond 10000 mm";
    case RequirementFault::MinimumOverMaximum:
        return head + " has MIN over MAX; write the smaller bound first";
    }
    return head + " is not MIN..MAX in mm, such as 0.1..0.5, 0.1.. or ..0.5";
}

std::string chainFaultText(const ChainText& text, const ChainFault& fault)
{
    switch (fault.where) {
    case ChainFault::Where::Member: {
        const MemberText& m = text.members[fault.member];
        return "member " + std::to_string(fault.member + 1) +
               (m.name.empty() ? std::string() : " (" + quote(m.name) + ")") + ": " +
               memberFaultText(m, *fault.memberFault);
    }
    case ChainFault::Where::Requirement:
        return requirementFaultText(text.requirement, *fault.requirementFault);
    case ChainFault::Where::Distribution:
        return "distribution " + quote(text.distribution) + " is neither normal nor uniform";
    case ChainFault::Where::TooManyMembers:
        break;
    }
    return "more than " + std::to_string(kMostMembers) + " members";
}

} // namespace

Chain readStackFile(const std::string& path)
{
    if (path.empty())
        throw InputError("empty --stack; give a chain FILE such as gap.json");
    const std::string bytes = bytesOf(path);
    const auto text = readChainFile(bytes);
    if (const auto* fault = std::get_if<FileFault>(&text))
        throw InputError(quote(path) + ": " + fileFaultText(*fault));
    const auto chain = readChain(std::get<ChainText>(text));
    if (const auto* fault = std::get_if<ChainFault>(&chain))
        throw InputError(quote(path) + ": " + chainFaultText(std::get<ChainText>(text), *fault));
    if (std::get<Chain>(chain).members.empty())
        throw InputError(quote(path) + ": the chain has no members");
    return std::get<Chain>(chain);
}

} // namespace cli
