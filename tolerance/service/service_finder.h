// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_finder.h"
#include "tolerance/service/press_fit.h"

#include <optional>
#include <span>
#include <vector>

// The fits that do a press fit's job: hold the load at their loosest, stay elastic at their
// tightest, at 20 °C and at the working temperature alike.
namespace tolerance::service {

struct ServiceNeeds
{
    double torqueNm = 0;
    double axialForceN = 0;
    double safety = 1; // against slipping; yield is kept below plainly
};

// Whether the answer holds the torque and the axial force together, with the safety, at its
// minimum interference, and keeps both parts below their proof stress at the maximum.
bool meetsNeeds(const ServiceNeeds& needs, const Joint& joint, const PressState& state) noexcept;

bool meetsNeeds(const ServiceNeeds& needs, const Joint& joint, const PressFit& fit) noexcept;

struct ServiceSearch
{
    Joint joint; // its diameter is the size searched
    Parts parts;
    std::optional<Temperatures> working;
    ServiceNeeds needs;
};

// findFits' answer, in its order, less the pairs that fail the needs or whose bore's greatest
// size reaches the hub's outer diameter (or whose shaft's least size reaches its bore).
std::vector<FoundFit> findServiceFits(std::span<const Candidate> holes,
                                      std::span<const Candidate> shafts,
                                      const Requirement& requirement, const ServiceSearch& search);

// The same test over a list found already.
std::vector<FoundFit> keepServiceFits(std::span<const FoundFit> found, const ServiceSearch& search);

} // namespace tolerance::service
