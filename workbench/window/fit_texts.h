// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"

#include <QString>

#include <utility>

// How the workbench writes its figures, through the core's formatting: in mm as a drawing does,
// in µm in the picture, and the words a designer uses for a fit, in the language in force.
namespace fitTexts {

using tolerance::Length;

// At least 3 decimals, more only where the value has them: "35.000", "-0.0045".
QString millimetres(Length value);

// A deviation with its sign, a zero bare: "+0.025", "-0.0045", "0".
QString deviation(Length value);

// A nominal size with as few decimals as it needs: "35", "35.5".
QString sizeText(Length value);

// Micrometres with their sign, as the picture writes them beside the zones: "+25", "-4.5", "0".
QString micrometres(Length value);

QString typeName(tolerance::FitType type);

// The two clearance figures under their Japanese names, loosest first: {name, value} pairs such
// as {"最大すきま", "0.050"}, {"最大しめしろ", "0.018"}.
struct NamedFigure
{
    QString name;
    QString value;
};
std::pair<NamedFigure, NamedFigure> clearanceFigures(const tolerance::Fit& fit);
// The two names where there is no fit yet.
std::pair<QString, QString> clearanceNames();

// Where a side's figures come from, for the edition chosen.
QString sourceText(tolerance::Source source, tolerance::Edition edition);

QString editionName(tolerance::Edition edition);

// Where a side's figures come from when it is no class: the limits typed, or a bearing ring's
// standard with its ring: "寸法許容差: JIS B 1514-1 (ISO 492) 軸受内輪 0 級".
QString givenSourceText(const workbench::SideFigures& side);

// A side in drawing notation (JIS Z 8318): "φ35 H7 (+0.025/0)", "φ35 js6 (±0.008)"; a side
// given by its limits with them in place of the class: "φ20 0/-0.009"; a bearing's ring named as
// a class is: "φ30 軸受内輪 0 級 (0/-0.010)".
QString drawingNote(Length diameter, const workbench::SideFigures& side);

// "H7/g6"; a side given by its limits in parentheses: "(0/-0.009)/g6".
QString pairName(const workbench::SideFigures& hole, const workbench::SideFigures& shaft);

// What Copy puts on the clipboard: one line per side, then the pair's line.
QString copyText(const workbench::Answer& answer);

// The fit in a few words for a listener: "H8/f7 すきまばめ、最大すきま 0.089、最小すきま 0.025";
// empty without a complete fit.
QString fitSummary(const workbench::Answer& answer);

} // namespace fitTexts
