// SPDX-License-Identifier: MIT
#pragma once

#include "model/service_inputs.h"
#include "window/zone_picture.h"

#include <QGroupBox>

#include <optional>

class QGridLayout;
class QLabel;

// 使用条件: the materials, temperatures, joint and load of the fit in service, folded away until
// its title is ticked, and the core's answers for them beside the inputs: the sizes and
// clearances at temperature, the press fit's figures at 20 °C and there, and the plain words
// where no figure can stand.
class ServicePanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit ServicePanel(QWidget* parent = nullptr);

    // The fit above changed: answer again for it.
    void setFit(const workbench::Answer& fit);

    const workbench::ServiceAnswer& answer() const { return m_answer; }
    // Ctrl+C's lines under the fit's; empty while folded or without an answer.
    QString copyLines() const;
    // The zones at the working temperature, when one other than 20 °C is given.
    std::optional<ZonePicture::WarmZones> warmZones() const;

    // Kept with the workbench's inputs: the fields as typed and whether the group was open.
    void restore();
    // Into the workbench's save, beside the inputs.
    void writeTo(QSettings& settings) const;

Q_SIGNALS:
    // A new answer, after any change of the fields or of the fit above.
    void answered();

private:
    QWidget* buildFields();
    QWidget* buildAnswers();
    workbench::ServiceFields fields() const;
    void setFields(const workbench::ServiceFields& fields);
    void showOpen(bool open);
    void growWindow();
    void refresh();
    void showProblems();
    void showLines();
    void chainFigures();

    QMargins m_margins;
    QWidget* m_body;
    QWidget* m_inputs[workbench::kServiceFieldCount];
    QLabel* m_messages[workbench::kServiceFieldCount];
    QGridLayout* m_answerGrid;
    QLabel* m_workingHead;
    QList<QLabel*> m_rowLabels; // meaning, at 20 °C, at the working temperature, a row each
    QLabel* m_notes;
    workbench::Answer m_fit;
    workbench::ServiceAnswer m_answer;
    workbench::PerServiceField<QString> m_announced;
};
