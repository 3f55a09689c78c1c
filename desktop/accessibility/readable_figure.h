// SPDX-License-Identifier: MIT
#pragma once

class QLabel;
class QString;

namespace accessibility {

// Makes a label that shows a figure one that Tab reaches and a screen reader reads with its
// meaning. Orca 43 reads a focused label by its accessible name alone, so the name carries both:
// "穴の上の寸法許容差 +0.039". Nothing visible changes.
void makeReadable(QLabel& figure);

// Shows value in figure and names it meaning and value; with no value the name is the meaning
// alone, never empty and never the group's title.
void showFigure(QLabel& figure, const QString& meaning, const QString& value);

} // namespace accessibility
