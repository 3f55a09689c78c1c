// SPDX-License-Identifier: MIT
#include "cli/sizes.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <stdexcept>
#include <string>

namespace cli {

using tolerance::DiameterFault;
using tolerance::Length;

namespace {

constexpr std::string_view kWaveDash = "～";

// "30-40" and "30~40" are other spellings of "30～40"; a leading "-" is a sign, not a dash.
std::optional<std::string> asLabel(std::string_view text)
{
    for (const std::string_view dash : {kWaveDash, std::string_view("~"), std::string_view("-")}) {
        const std::size_t at = text.find(dash);
        if (at != std::string_view::npos && at > 0)
            return std::string(text.substr(0, at)) + std::string(kWaveDash) +
                   std::string(text.substr(at + dash.size()));
    }
    return std::nullopt;
}

Length parseDiameter(std::string_view text)
{
    const tolerance::DiameterReading read = tolerance::readDiameter(text, kLargestDiameter);
    const std::string diameter = "diameter " + quote(text);
    switch (read.fault) {
    case DiameterFault::None:
        return read.diameter;
    case DiameterFault::NotANumber:
        if (text.find(',') != std::string_view::npos)
            throw InputError("size " + quote(text) +
                             " is not a number: write decimals with a point");
        throw InputError(
            "size " + quote(text) +
            " is neither a size range such as 30～40 nor a diameter in mm such as 35.5");
    case DiameterFault::NotPositive:
        throw InputError(diameter + " is not over 0 mm");
    case DiameterFault::TooLarge:
        throw InputError(diameter + " is over " + tolerance::formatDiameter(kLargestDiameter) +
                         " mm, the largest size");
    case DiameterFault::TooFine:
        break;
    }
    throw InputError(diameter + " has more than 4 decimals; sizes go in steps of 0.0001 mm");
}

} // namespace

Size parseSize(std::string_view text)
{
    if (text.empty())
        throw InputError("empty size; give a range such as 30～40 or a diameter in mm such as 35");
    if (const auto label = asLabel(text)) {
        if (const auto range = tolerance::findSizeRange(*label))
            return {*range, std::nullopt};
        throw InputError("size " + quote(text) +
                         " is not one of the ranges 0～3, 3～6, … 450～500 (see --help)");
    }
    const Length diameter = parseDiameter(text);
    const auto range = tolerance::rangeOfDiameter(diameter);
    if (!range) // the diameter keeps to (0, 500], which the labels cover without a gap
        throw std::logic_error("no size range holds " + tolerance::formatDiameter(diameter) +
                               " mm");
    return {*range, diameter};
}

} // namespace cli
