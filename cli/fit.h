#pragma once

#include "cli/exact.h"

#include "tolerance/deviation_text.h"

#include <optional>
#include <string_view>

namespace cli {

// A class's limit deviations for one range, read exactly from its two texts; a "±" over a
// magnitude m stands for +m and -m.
struct Deviations
{
    Length upper;
    Length lower;
};

// Nothing for the undefined pair "  ---" (or any pair that is not well formed).
std::optional<Deviations> deviationsOf(const tolerance::DeviationPair& pair);

// The deviations in half micrometres, the table's own finest step.
struct HalfMicrometres
{
    int upper;
    int lower;
};
std::optional<HalfMicrometres> halfMicrometresOf(const tolerance::DeviationPair& pair);

struct Limits
{
    Length maximum;
    Length minimum;
};
Limits limitsOfSize(Length diameter, const Deviations& deviations) noexcept;

enum class FitType
{
    Clearance,
    Transition,
    Interference,
};

// Clearances are hole size minus shaft size; a negative one is an interference. The loosest
// pairing is the largest hole on the smallest shaft, the tightest the reverse, whatever the
// diameter within the range.
struct Fit
{
    Length maximumClearance;
    Length minimumClearance;
    FitType type;
};
Fit fitOf(const Deviations& hole, const Deviations& shaft) noexcept;

std::string_view nameOf(FitType type) noexcept;

} // namespace cli
