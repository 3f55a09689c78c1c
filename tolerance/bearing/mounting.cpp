// SPDX-License-Identifier: MIT
#include "tolerance/bearing/mounting.h"

#include "tolerance/service/thermal.h"

namespace tolerance::bearing {

Mounting mountingOf(Length bore, Length outside, const Seat& shaft, const Seat& housing,
                    const std::optional<MountingTemperatures>& working)
{
    Mounting mounting;
    // On the shaft the ring is the hole; in the housing the ring is the shaft.
    mounting.at20 = {fitOf(shaft.ring, shaft.mating), fitOf(housing.mating, housing.ring),
                     shaft.smoothing, housing.smoothing};
    if (!working)
        return mounting;
    const service::ThermalFit onShaft =
        service::fitAt(bore, shaft.ring, shaft.mating, kBearingSteelExpansion,
                       shaft.expansionPerMegaKelvin, {working->inner, working->shaft});
    const service::ThermalFit inHousing =
        service::fitAt(outside, housing.mating, housing.ring, housing.expansionPerMegaKelvin,
                       kBearingSteelExpansion, {working->housing, working->outer});
    mounting.atWorking = Joints{onShaft.fit, inHousing.fit, shaft.smoothing, housing.smoothing};
    mounting.ringDifference = working->inner - working->outer;
    return mounting;
}

} // namespace tolerance::bearing
