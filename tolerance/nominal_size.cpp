// SPDX-License-Identifier: MIT
#include "tolerance/nominal_size.h"

#include <stdexcept>
#include <string>

namespace tolerance {

namespace {

constexpr std::string_view kWaveDash = "～";

std::optional<Length> wholeMillimetres(std::string_view text) noexcept
{
    const auto decimal = splitDecimal(text);
    if (!decimal || decimal->negative || text.size() > 6 || text.find('.') != text.npos)
        return std::nullopt;
    return magnitudeOf(*decimal);
}

std::size_t wholeDigits(Length length) noexcept
{
    return std::to_string(length / kNanometresPerMm).size();
}

} // namespace

DiameterReading readDiameter(std::string_view text, Length largest) noexcept
{
    const auto decimal = splitDecimal(text);
    if (!decimal)
        return {0, DiameterFault::NotANumber};
    if (decimal->negative)
        return {0, DiameterFault::NotPositive};
    // More significant digits than the largest size has is too large whatever follows.
    if (decimal->whole.size() > wholeDigits(largest))
        return {0, DiameterFault::TooLarge};
    if (hasDigitsBeyond(*decimal, kNominalSizeDecimals))
        return {0, DiameterFault::TooFine};
    const Length diameter = magnitudeOf(*decimal).value_or(0);
    if (diameter == 0)
        return {0, DiameterFault::NotPositive};
    if (diameter > largest)
        return {0, DiameterFault::TooLarge};
    return {diameter, DiameterFault::None};
}

std::optional<RangeBounds> boundsOfLabel(std::string_view label) noexcept
{
    const std::size_t dash = label.find(kWaveDash);
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto lower = wholeMillimetres(label.substr(0, dash));
    const auto upper = wholeMillimetres(label.substr(dash + kWaveDash.size()));
    if (!lower || !upper)
        return std::nullopt;
    return RangeBounds{*lower, *upper};
}

const std::array<RangeBounds, kSizeRangeCount>& rangeBounds()
{
    static const std::array<RangeBounds, kSizeRangeCount> bounds = [] {
        std::array<RangeBounds, kSizeRangeCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i) {
            const auto read = boundsOfLabel(kSizeRanges[i]);
            if (!read)
                throw std::logic_error("size range label without two bounds: " +
                                       std::string(kSizeRanges[i]));
            all[i] = *read;
        }
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

} // namespace tolerance
