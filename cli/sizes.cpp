#include "cli/sizes.h"

#include "cli/escape.h"
#include "cli/input_error.h"

#include <stdexcept>
#include <string>

namespace cli {

namespace {

constexpr std::string_view kWaveDash = "～";

RangeBounds boundsOf(std::string_view label)
{
    const std::size_t dash = label.find(kWaveDash);
    RangeBounds bounds{};
    if (dash == std::string_view::npos ||
        !parseWholeMillimetres(label.substr(0, dash), bounds.lower) ||
        !parseWholeMillimetres(label.substr(dash + kWaveDash.size()), bounds.upper))
        throw std::logic_error("size range label without two bounds: " + std::string(label));
    return bounds;
}

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

} // namespace

const std::array<RangeBounds, tolerance::kSizeRangeCount>& rangeBounds()
{
    static const std::array<RangeBounds, tolerance::kSizeRangeCount> bounds = [] {
        std::array<RangeBounds, tolerance::kSizeRangeCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = boundsOf(tolerance::kSizeRanges[i]);
        return all;
    }();
    return bounds;
}

std::optional<std::size_t> rangeOfDiameter(Length diameter)
{
    const auto& bounds = rangeBounds();
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        if (diameter > bounds[i].lower && diameter <= bounds[i].upper)
            return i;
    }
    return std::nullopt;
}

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
    const auto range = rangeOfDiameter(diameter);
    if (!range) // parseDiameter keeps to (0, 500], which the labels cover without a gap
        throw std::logic_error("no size range holds " + formatDiameter(diameter) + " mm");
    return {*range, diameter};
}

} // namespace cli
