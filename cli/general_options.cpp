// SPDX-License-Identifier: MIT
#include "cli/general_options.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include "tolerance/nominal_size.h"

#include <string>

namespace cli {

using namespace tolerance::general;
using tolerance::DiameterFault;
using tolerance::Length;

namespace {

// Sizes past the open last step of an edge or an angle are read up to a kilometre.
constexpr Length kLargestOpen = 1'000'000 * tolerance::kNanometresPerMm;

constexpr std::string_view kKinds =
    "linear, chamfer, angle, straightness, flatness, perpendicularity, symmetry or runout";

// "m", "K", or a drawing's pair of both ("mK", as in ISO 2768-mK): the letter of the kind's
// standard.
std::optional<GeneralClass> classFor(std::string_view text, Kind kind)
{
    if (const auto single = generalClassNamed(text))
        return single;
    if (text.size() != 2)
        return std::nullopt;
    const auto sizes = generalClassNamed(text.substr(0, 1));
    const auto form = generalClassNamed(text.substr(1));
    if (!sizes || !form || standardOf(*sizes) != Standard::JisB0405 ||
        standardOf(*form) != Standard::JisB0419)
        return std::nullopt;
    return standardOf(kind) == Standard::JisB0405 ? sizes : form;
}

std::string standardName(Standard standard)
{
    return standard == Standard::JisB0405 ? "JIS B 0405" : "JIS B 0419";
}

void checkClassFitsKind(GeneralClass generalClass, Kind kind)
{
    if (standardOf(generalClass) == standardOf(kind))
        return;
    const bool sizes = standardOf(generalClass) == Standard::JisB0405;
    throw InputError(
        "class " + std::string(nameOf(generalClass)) + " is of " +
        standardName(standardOf(generalClass)) +
        (sizes ? ", for sizes, chamfers and angles; " : ", for form and orientation; ") +
        "--kind " + std::string(nameOf(kind)) + " takes " + (sizes ? "H, K or L" : "f, m, c or v"));
}

Length sizeOf(std::string_view text, Kind kind)
{
    const Length last = stepsOf(kind).back().upTo;
    const Length largest = last == kNoEnd ? kLargestOpen : last;
    const tolerance::DiameterReading read = tolerance::readDiameter(text, largest);
    const std::string size = "size " + quote(text);
    switch (read.fault) {
    case DiameterFault::None:
        return read.diameter;
    case DiameterFault::NotANumber:
        throw InputError(size + " is not a length in mm such as 35 or 12.5");
    case DiameterFault::NotPositive:
        throw InputError(size + " is not over 0 mm");
    case DiameterFault::TooLarge:
        throw InputError(size + " is over " + tolerance::formatDiameter(largest) + " mm, " +
                         (last == kNoEnd ? "the largest size read"
                                         : "the largest of " + standardName(standardOf(kind)) +
                                               "'s table for --kind " + std::string(nameOf(kind))));
    case DiameterFault::TooFine:
        break;
    }
    throw InputError(size + " has more than 4 decimals; sizes go in steps of 0.0001 mm");
}

void checkOperands(const GeneralArguments& typed)
{
    if (typed.operands.empty())
        throw InputError("missing SIZE after --general " + quote(*typed.generalClass));
    if (typed.operands.size() > 1)
        throw InputError("too many arguments from " + quote(typed.operands[1]) +
                         "; --general takes CLASS and SIZE");
}

} // namespace

GeneralTolerance GeneralQuery::answer() const
{
    return std::get<GeneralTolerance>(generalTolerance(generalClass, kind, size));
}

GeneralQuery readGeneral(const GeneralArguments& typed)
{
    if (!typed.others.empty())
        throw InputError(typed.others.front() + " does not go with --general");
    if (!typed.generalClass)
        throw InputError("--kind is for --general");
    checkOperands(typed);
    GeneralQuery query;
    if (typed.kind) {
        const auto kind = kindNamed(*typed.kind);
        if (!kind)
            throw InputError("unknown --kind " + quote(*typed.kind) + "; use " +
                             std::string(kKinds));
        query.kind = *kind;
    }
    const auto generalClass = classFor(*typed.generalClass, query.kind);
    if (!generalClass)
        throw InputError("unknown general class " + quote(*typed.generalClass) +
                         "; JIS B 0405 has f, m, c and v, JIS B 0419 H, K and L (or both, as mK)");
    query.generalClass = *generalClass;
    checkClassFitsKind(query.generalClass, query.kind);
    query.size = sizeOf(typed.operands.front(), query.kind);
    // Only the first step of sizes and edges has a lower end, 0.5 mm: sizes are read over 0.
    if (std::holds_alternative<GeneralFault>(
            generalTolerance(query.generalClass, query.kind, query.size)))
        throw InputError("size " + tolerance::formatDiameter(query.size) + " mm is under " +
                         tolerance::formatDiameter(stepsOf(query.kind).front().over) +
                         " mm, where JIS B 0405 gives no general tolerance: write the deviations "
                         "beside the size");
    return query;
}

std::string_view generalHelpText() noexcept
{
    return R"(General tolerances (--general CLASS SIZE):
  CLASS        f (fine), m (medium), c (coarse) or v (very coarse) of
               JIS B 0405 (ISO 2768-1) for sizes, chamfers and angles; H, K or
               L of JIS B 0419 (ISO 2768-2) for form and orientation; or both as
               a drawing writes them (mK), the one the kind needs taken
  SIZE         the nominal length in mm, at most 4 decimals: the size itself, a
               chamfer's height or an edge's radius, an angle's shorter side,
               the line's length (straightness), a flat's longer side or its
               diameter (flatness), the shorter side (perpendicularity), the
               shorter feature (symmetry); run-out has one value a class. A
               size on a step's boundary belongs to the step below it: the
               steps run over one size up to and including the next (120 is in
               30～120, 120.0001 in 120～400); sizes and chamfers start at 0.5,
               which is in 0.5～3
  --kind K     linear (default), chamfer, angle, straightness, flatness,
               perpendicularity, symmetry or runout
  The answer gives the step, the tolerance as the table prints it (±0.3,
  ±0°30′, 0.4, or — where the class has none at that size), the upper and
  lower limit (of a geometrical tolerance's zone: upper its width, lower 0)
  and, for a size or a chamfer, its limits of size. JSON: an object "general"
  with standard, class, kind, size, range, text, upper, lower (numbers in mm,
  for an angle in degrees; null for —), unit, maximum, minimum and note. ISO
  withdrew ISO 2768-2 (ISO 22081:2021 replaces it); JIS B 0419 stands, and
  the answers say so.
)";
}

} // namespace cli
