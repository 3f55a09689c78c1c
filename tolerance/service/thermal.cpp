// SPDX-License-Identifier: MIT
#include "tolerance/service/thermal.h"

#include <cmath>

namespace tolerance::service {

Length growthAt(Length nominal, double expansionPerMegaKelvin, double celsius) noexcept
{
    const double strain = expansionPerMegaKelvin * 1e-6 * (celsius - kReferenceCelsius);
    return Length(std::llround(strain * double(nominal)));
}

Deviations deviationsAt(Length nominal, const Deviations& deviations, double expansionPerMegaKelvin,
                        double celsius) noexcept
{
    // The whole part grows, the nominal size with it; over a tolerance zone of a few tens of
    // micrometres the difference in growth between the two limits is far below a nanometre.
    const Length growth = growthAt(nominal, expansionPerMegaKelvin, celsius);
    return {deviations.upper + growth, deviations.lower + growth};
}

ThermalFit fitAt(Length nominal, const Deviations& hole, const Deviations& shaft,
                 double holeExpansion, double shaftExpansion, const Temperatures& t) noexcept
{
    const Deviations holeAt = deviationsAt(nominal, hole, holeExpansion, t.holeCelsius);
    const Deviations shaftAt = deviationsAt(nominal, shaft, shaftExpansion, t.shaftCelsius);
    return {holeAt, shaftAt, fitOf(holeAt, shaftAt), fitOf(hole, shaft).type};
}

} // namespace tolerance::service
