// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit.h"
#include "tolerance/length.h"

// Sizes are stated at 20 °C (ISO 1); a part at another temperature has grown or shrunk by
// alpha · (T − 20 °C) · its nominal size, each side by its own material and temperature.
namespace tolerance::service {

inline constexpr double kReferenceCelsius = 20.0;
inline constexpr double kAbsoluteZeroCelsius = -273.15;
// The highest working temperature taken: no metal of the library stays solid far beyond it, and
// its expansion figures are for 20 to 100 °C. A hub's heating for a shrink fit is an answer, not
// an input, and may come out higher (with a warning).
inline constexpr double kHighestCelsius = 1000.0;

struct Temperatures
{
    double holeCelsius;
    double shaftCelsius;
};

// The growth of a nominal size, rounded to the nanometre; exactly 0 at 20 °C.
Length growthAt(Length nominal, double expansionPerMegaKelvin, double celsius) noexcept;

// Deviations from the nominal size at 20 °C of a part measured at its temperature.
Deviations deviationsAt(Length nominal, const Deviations& deviations, double expansionPerMegaKelvin,
                        double celsius) noexcept;

struct ThermalFit
{
    Deviations hole;
    Deviations shaft;
    Fit fit;
    FitType typeAt20; // what the drawing's fit is; differs from fit.type when it changed
};

ThermalFit fitAt(Length nominal, const Deviations& hole, const Deviations& shaft,
                 double holeExpansion, double shaftExpansion, const Temperatures& t) noexcept;

} // namespace tolerance::service
