// SPDX-License-Identifier: MIT
#include "tolerance/stack/requirement.h"

#include "tolerance/stack/member.h"
#include "tolerance/stack/typed_text.h"

#include <string>

namespace tolerance::stack {

namespace {

constexpr std::string_view kSeparator = "..";

std::variant<std::optional<Length>, RequirementFault> boundOf(std::string_view text)
{
    if (text.empty())
        return std::optional<Length>();
    const std::optional<Decimal> decimal = splitDecimal(text);
    if (!decimal)
        return RequirementFault::NotANumber;
    if (hasDigitsBeyond(*decimal, kRequirementDecimals))
        return RequirementFault::TooManyDecimals;
    const std::optional<Length> magnitude = magnitudeOf(*decimal);
    if (!magnitude || *magnitude > kLargestNominal)
        return RequirementFault::TooLarge;
    return std::optional<Length>(decimal->negative ? -*magnitude : *magnitude);
}

} // namespace

std::variant<Requirement, RequirementFault> parseRequirement(std::string_view typed)
{
    const std::string text = foldTyped(typed);
    if (text.empty())
        return Requirement{};
    const std::size_t dots = text.find(kSeparator);
    if (dots == std::string::npos)
        return RequirementFault::NotRange;
    const std::string_view view = text;
    const auto minimum = boundOf(view.substr(0, dots));
    const auto maximum = boundOf(view.substr(dots + kSeparator.size()));
    for (const auto* bound : {&minimum, &maximum})
        if (const auto* fault = std::get_if<RequirementFault>(bound))
            return *fault;
    const Requirement requirement{std::get<std::optional<Length>>(minimum),
                                  std::get<std::optional<Length>>(maximum)};
    if (!requirement.given())
        return RequirementFault::NoBound;
    if (requirement.minimum && requirement.maximum && *requirement.minimum > *requirement.maximum)
        return RequirementFault::MinimumOverMaximum;
    return requirement;
}

} // namespace tolerance::stack
