// SPDX-License-Identifier: MIT
#pragma once

#include "model/fit_query.h"

#include "tolerance/fit_statistics.h"

#include <QWidget>

class QComboBox;
class FigureLabel;

// Two lines under the clearances: the same fit in the other system, and the clearances 99.73 %
// of assemblies lie within with the odds of an interference, for a spread chosen beside them.
class OutlookLines : public QWidget
{
    Q_OBJECT

public:
    explicit OutlookLines(QWidget* parent = nullptr);

    void showFor(const workbench::Answer& answer, tolerance::Edition edition);
    // The spread chosen beside the odds.
    tolerance::Distribution distribution() const;

private:
    void showOdds();

    FigureLabel* m_otherBasis;
    FigureLabel* m_odds;
    QComboBox* m_distribution;
    workbench::Answer m_answer;
};
