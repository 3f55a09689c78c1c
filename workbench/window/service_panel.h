// SPDX-License-Identifier: MIT
#pragma once

#include "model/service_inputs.h"
#include "window/zone_picture.h"

#include <QGroupBox>

#include <optional>

class QGridLayout;
class QLabel;
class LanguageTexts;
class SpokenChanges;

// 使用条件: the materials, temperatures, joint and load of the fit in service, folded away until
// its title is ticked, and the core's answers for them beside the inputs: the sizes and
// clearances at temperature, the press fit's figures at 20 °C and there, and the plain words
// where no figure can stand.
class ServicePanel : public QGroupBox
{
    Q_OBJECT

public:
    explicit ServicePanel(QWidget* parent = nullptr);

    // What the group does, in a line: its tip, and what the folded group says under its title.
    static QString purpose();

    // The fit above changed: answer again for it.
    void setFit(const workbench::Answer& fit);

    const workbench::ServiceAnswer& answer() const { return m_answer; }
    // The fields as typed, for the calculation sheet.
    workbench::ServiceFields typedFields() const { return fields(); }
    // Ctrl+C's lines under the fit's; empty while folded or without an answer.
    QString copyLines() const;
    // The zones at the working temperature, when one other than 20 °C is given.
    std::optional<ZonePicture::WarmZones> warmZones() const;

    // Kept with the workbench's inputs: the fields as typed and whether the group was open.
    void restore();
    // Into the workbench's save, beside the inputs.
    void writeTo(QSettings& settings) const;

    // The answers' column heads shown now (20 °C, the working temperature), and the answers they
    // head; nothing before the group is first opened.
    QList<QLabel*> columnHeads() const;
    QWidget* answers() const { return m_answers; }

    // The window's voice: a field's problem is said once the typing rests, as the fit's are.
    void setSpokenChanges(SpokenChanges* spoken) { m_spoken = spoken; }

Q_SIGNALS:
    // A new answer, after any change of the fields or of the fit above.
    void answered();

protected:
    // Folded, the title alone: no frame, not even the line a flat group draws.
    void paintEvent(QPaintEvent* event) override;

private:
    // The body is made when the group is first opened: most sessions never open it, and its
    // sixty-odd widgets would otherwise be built, laid out and measured at every start.
    void ensureBody();
    QWidget* buildFields();
    QWidget* buildAnswers();
    workbench::ServiceFields fields() const;
    void setFields(const workbench::ServiceFields& fields);
    void showOpen(bool open);
    void refresh();
    void showProblems();
    void showLines();
    void chainFigures();

    LanguageTexts* m_texts;
    QMargins m_margins;
    workbench::ServiceFields m_kept; // the fields' texts while there is no body to hold them
    QWidget* m_body = nullptr;
    QWidget* m_inputs[workbench::kServiceFieldCount] = {};
    QLabel* m_messages[workbench::kServiceFieldCount] = {};
    QWidget* m_answers = nullptr;
    QGridLayout* m_answerGrid = nullptr;
    QLabel* m_coldHeads[2] = {};
    QLabel* m_workingHeads[2] = {};
    QList<QLabel*> m_rowLabels; // meaning, at 20 °C, at the working temperature, a row each
    QLabel* m_notes = nullptr;
    workbench::Answer m_fit;
    workbench::ServiceAnswer m_answer;
    SpokenChanges* m_spoken = nullptr;
};
