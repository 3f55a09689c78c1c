// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/bearing/recommended.h"
#include "tolerance/bearing/ring_tolerances.h"
#include "tolerance/classes.h"
#include "tolerance/length.h"

#include <QString>
#include <QStringList>

#include <optional>

// A rolling bearing's ring as a side of the fit, as the side boxes name it (「軸受内輪 0 級」 for
// the hole, 「軸受外輪 0 級」 for the shaft), and a bearing by its number filling size and side.
namespace workbench {

struct RingChoice
{
    tolerance::bearing::Ring ring;
    tolerance::bearing::AccuracyClass accuracy;
};

// 「軸受内輪 0 級」, 「軸受外輪 6 級」.
QString ringName(const RingChoice& choice);

// The rings a side's box offers: the inner rings of classes 0, 6, 5, 4 and 2 for the hole, the
// outer rings for the shaft.
QStringList ringChoices(tolerance::Side side);

// A text that names a ring (it starts with 「軸受」): the ring, or the problem in the user's
// words. Nothing for any other text.
struct RingReading
{
    std::optional<RingChoice> choice;
    QString problem;
};
std::optional<RingReading> readRing(tolerance::Side side, const QString& text);

// The ring's deviations at the diameter, or why there are none.
struct RingDeviations
{
    std::optional<tolerance::Deviations> deviations;
    QString problem;
};
RingDeviations ringDeviations(const RingChoice& choice, tolerance::Length diameter);

// A bearing by its number: the size and the side's text for the ring chosen, the recommended
// classes for a load case where one is given, or the problem with the number.
struct BearingFill
{
    QString size;        // d for the inner ring, D for the outer
    QString side;        // the ring's name, for the hole's box or the shaft's
    QString summary;     // 「6206 深溝玉軸受 d 30 D 62 B 16」
    QString recommended; // 「推奨: 軸 k5, k6 / 穴 H7, H8」, empty without a load case
    QString problem;
};
struct LoadChoice
{
    tolerance::bearing::LoadCase load;
    tolerance::bearing::LoadSize size;
};
BearingFill bearingFill(const QString& number, const RingChoice& choice,
                        const std::optional<LoadChoice>& load);

} // namespace workbench
