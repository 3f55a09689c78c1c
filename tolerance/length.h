#pragma once

#include <cstdint>

namespace tolerance {

// Lengths in nanometres: half of the finest standard tolerance, IT01, is 0.15 µm.
using Length = std::int64_t;
inline constexpr Length kNanometresPerMm = 1'000'000;
inline constexpr Length kNanometresPerMicrometre = 1000;

struct Deviations
{
    Length upper;
    Length lower;

    friend bool operator==(const Deviations&, const Deviations&) = default;
};

} // namespace tolerance
