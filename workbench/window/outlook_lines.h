// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"

#include "tolerance/fit_statistics.h"

#include <QList>
#include <QObject>

class QComboBox;
class QGridLayout;
class QWidget;
class FigureLabel;

// Two lines under the clearances: the same fit in the other system, and the clearances 99.73 %
// of assemblies lie within with the odds of an interference, for a spread chosen beside them.
// Laid into the results' own grid, not a box of their own: a line whose parent is the titled
// group is labelled by it, and Orca reads an unlabelled line of several words again with the
// group each time the focus enters it.
class OutlookLines : public QObject
{
    Q_OBJECT

public:
    // Into rows row and row + 1 of grid, across columns.
    OutlookLines(QGridLayout* grid, int row, int columns, QObject* parent = nullptr);

    void showFor(const workbench::Answer& answer, tolerance::Edition edition);
    // The spread chosen beside the odds.
    tolerance::Distribution distribution() const;
    // The lines and the spread's choice, in reading order.
    QList<QWidget*> tabOrder() const;

private:
    void showOdds();

    FigureLabel* m_otherBasis;
    FigureLabel* m_odds;
    QComboBox* m_distribution;
    workbench::Answer m_answer;
};
