// SPDX-License-Identifier: MIT
#include "cli/sizes.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <algorithm>
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

// A step's own label, or one spanning whole steps as the standard's coarser steps do
// ("10～18", "500～630"): the first and last step covered.
std::optional<std::pair<std::size_t, std::size_t>> stepsLabelled(std::string_view label)
{
    const auto steps = tolerance::sizeSteps();
    const auto it = std::ranges::find(steps, label, &tolerance::SizeStep::label);
    if (it != steps.end())
        return std::pair(std::size_t(it - steps.begin()), std::size_t(it - steps.begin()));
    const auto bounds = tolerance::boundsOfLabel(label);
    if (!bounds)
        return std::nullopt;
    const auto first = std::ranges::find(steps, bounds->lower, &tolerance::SizeStep::lower);
    const auto last = std::ranges::find(steps, bounds->upper, &tolerance::SizeStep::upper);
    if (first == steps.end() || last == steps.end() || last < first)
        return std::nullopt;
    return std::pair(std::size_t(first - steps.begin()), std::size_t(last - steps.begin()));
}

} // namespace

tolerance::Length Size::nominal() const noexcept
{
    return diameter.value_or(tolerance::sizeSteps()[range].upper);
}

std::string Size::label() const
{
    const auto steps = tolerance::sizeSteps();
    if (first == range)
        return std::string(steps[range].label);
    return tolerance::formatDiameter(steps[first].lower) + std::string(kWaveDash) +
           tolerance::formatDiameter(steps[range].upper);
}

std::vector<Size> stepsOf(const Size& size)
{
    std::vector<Size> sizes;
    for (std::size_t step = size.first; step <= size.range; ++step)
        sizes.push_back({step, size.diameter, step});
    return sizes;
}

void throwNotOneAnswer(const Size& size, std::string_view what)
{
    std::string finer;
    for (const Size& step : stepsOf(size))
        finer += (finer.empty() ? "" : ", ") + step.label();
    throw InputError(std::string(what) + " changes within " + size.label() + ": give one of " +
                     finer + ", or a diameter");
}

Size parseSize(std::string_view text)
{
    if (text.empty())
        throw InputError("empty size; give a range such as 30～40 or a diameter in mm such as 35");
    if (const auto label = asLabel(text)) {
        if (const auto steps = stepsLabelled(*label))
            return {steps->second, std::nullopt, steps->first};
        throw InputError("size " + quote(text) +
                         " is not one of the ranges 0～3, 3～6, … 2800～3150 (see --help)");
    }
    const Length diameter = parseDiameter(text);
    const auto range = tolerance::stepOf(diameter);
    if (!range) // the diameter keeps to (0, 3150], which the steps cover without a gap
        throw std::logic_error("no size range holds " + tolerance::formatDiameter(diameter) +
                               " mm");
    return {*range, diameter, *range};
}

} // namespace cli
