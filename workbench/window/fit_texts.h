// SPDX-License-Identifier: MIT
#pragma once

#include "fit_query.h"

#include <QString>

// How the workbench writes its figures: in mm as a drawing does, in µm in the picture, and the
// words a Japanese designer uses for a fit.
namespace fitTexts {

using workbench::Nanometres;

// At least 3 decimals, more only where the value has them: "+0.025", "-0.0045", "35.000".
QString millimetres(Nanometres value, bool withSign);

// A nominal size with as few decimals as it needs: "35", "35.5".
QString sizeText(Nanometres value);

// Micrometres with their sign, as the picture writes them beside the zones: "+25", "-4.5", "0".
QString micrometres(Nanometres value);

QString kindName(workbench::FitKind kind);

// The two clearance figures under their Japanese names, loosest first: {name, value} pairs such
// as {"最大すきま", "0.050"}, {"最大しめしろ", "0.018"}.
struct NamedFigure
{
    QString name;
    QString value;
};
std::pair<NamedFigure, NamedFigure> clearanceFigures(const workbench::PairFigures& pair);

// Where a side's figures come from, for the edition chosen.
QString sourceText(workbench::Source source, workbench::Edition edition);

QString editionName(workbench::Edition edition);

// A side in drawing notation (JIS Z 8318): "φ35 H7 (+0.025/0)", "φ35 js6 (±0.008)".
QString drawingNote(Nanometres diameter, const workbench::SideFigures& side);

// What Copy puts on the clipboard: one line per side, then the pair's line.
QString copyText(const workbench::Answer& answer);

} // namespace fitTexts
