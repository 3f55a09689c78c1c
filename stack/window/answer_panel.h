// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/fit_statistics.h"

#include <QGroupBox>

class FigureLabel;
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
    FigureLabel* m_nominal;
    FigureLabel* m_thermal;
    FigureLabel* m_worst;
    FigureLabel* m_statistical;
    FigureLabel* m_outside;
    FigureLabel* m_monteCarlo;
    FigureLabel* m_monteCarloOutside;
    QLineEdit* m_requirement;
    QComboBox* m_distribution;
    QLabel* m_problem;
};
