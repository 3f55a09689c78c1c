#include "cli/fit.h"

namespace cli {

using tolerance::DeviationForm;

std::optional<HalfMicrometres> halfMicrometresOf(const tolerance::DeviationPair& pair)
{
    if (!tolerance::isWellFormed(pair) || tolerance::formOf(pair.upper) == DeviationForm::Undefined)
        return std::nullopt;
    if (tolerance::formOf(pair.upper) == DeviationForm::PlusMinus) {
        const int magnitude = *tolerance::halfMicrometres(pair.lower);
        return HalfMicrometres{magnitude, -magnitude};
    }
    return HalfMicrometres{*tolerance::halfMicrometres(pair.upper),
                           *tolerance::halfMicrometres(pair.lower)};
}

std::optional<Deviations> deviationsOf(const tolerance::DeviationPair& pair)
{
    const auto half = halfMicrometresOf(pair);
    if (!half)
        return std::nullopt;
    return Deviations{half->upper * kUnitsPerHalfMicrometre, half->lower * kUnitsPerHalfMicrometre};
}

Limits limitsOfSize(Length diameter, const Deviations& deviations) noexcept
{
    return {diameter + deviations.upper, diameter + deviations.lower};
}

Fit fitOf(const Deviations& hole, const Deviations& shaft) noexcept
{
    Fit fit{hole.upper - shaft.lower, hole.lower - shaft.upper, FitType::Transition};
    if (fit.minimumClearance >= 0)
        fit.type = FitType::Clearance;
    else if (fit.maximumClearance <= 0)
        fit.type = FitType::Interference;
    return fit;
}

std::string_view nameOf(FitType type) noexcept
{
    switch (type) {
    case FitType::Clearance:
        return "clearance";
    case FitType::Transition:
        return "transition";
    case FitType::Interference:
        break;
    }
    return "interference";
}

} // namespace cli
