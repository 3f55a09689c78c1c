// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_statistics.h"

#include <QGroupBox>

class Figure;
class QComboBox;
class QLabel;
class QLineEdit;
class StackModel;

// The answer first: the closing dimension's nominal, worst case and statistical range, the
// requirement with the odds of falling outside it, and the Monte Carlo check, as figures that
// Tab reaches and a screen reader reads with their meaning.
class AnswerPanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit AnswerPanel(QWidget* parent = nullptr);

    void showAnswer(const StackModel& model);
    void showMonteCarlo(const StackModel& model);
    // The requirement and the spread as the model has them, without saying they were edited.
    void showSettings(const StackModel& model);

    QLineEdit* requirementField() const { return m_requirement; }
    QComboBox* distributionBox() const { return m_distribution; }
    // The figures in reading order, for the window's Tab chain.
    QList<QWidget*> figures() const;

Q_SIGNALS:
    void requirementEdited(const QString& typed);
    void distributionChosen(tolerance::Distribution distribution);

private:
    QLabel* m_statisticalName;
    QLabel* m_monteCarloName;
    QLabel* m_thermalName;
    Figure* m_nominal;
    Figure* m_thermal;
    Figure* m_worst;
    Figure* m_statistical;
    Figure* m_outside;
    Figure* m_monteCarlo;
    Figure* m_monteCarloOutside;
    QLineEdit* m_requirement;
    QComboBox* m_distribution;
    QLabel* m_problem;
};
