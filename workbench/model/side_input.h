// SPDX-License-Identifier: MIT
#pragma once

#include "model/bearing_side.h"

#include "tolerance/iso286.h"

#include <QString>

#include <optional>

namespace workbench {

// A side as typed where its class goes: a class of that side, or, for a bought part whose
// catalogue gives no class, its limit deviations in mm ("0/-0.009", "+0.021/+0.008",
// "±0.005"), or a bearing's ring (「軸受内輪 0 級」 for the hole, 「軸受外輪 0 級」 for the shaft).
// At most one of the three; none, with the problem, for a text that is no side.
struct SideReading
{
    std::optional<tolerance::ClassCode> code;
    std::optional<tolerance::Deviations> limits;
    QString problem;
    std::optional<RingChoice> ring = {};
};

SideReading readSide(tolerance::Side side, const QString& typed);

} // namespace workbench
