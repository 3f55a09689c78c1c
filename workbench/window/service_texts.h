// SPDX-License-Identifier: MIT
#pragma once

#include "model/service_inputs.h"

#include <QList>
#include <QString>
#include <QStringList>

// The words and figures of 使用条件's answers, the numbers as the core writes them: one row per
// quantity with its figure at 20 °C and at the working temperature, and the plain sentences
// where a figure would pretend.
namespace serviceTexts {

struct Row
{
    QString key;       // names the figure's label, for tests and nothing the user sees
    QString meaning;   // 面圧（最小しめしろ）
    QString at20;      // "22.5 MPa"; "—" where no figure stands
    QString atWorking; // empty without a working temperature
};

struct Lines
{
    QString workingHead; // "80 °C", "穴 60 °C・軸 90 °C"; empty without a temperature
    QList<Row> rows;
    QStringList notes;
};

QString temperatureText(const tolerance::service::Temperatures& working);
// One part's temperature: "80 °C".
QString celsiusText(double celsius);

Lines linesOf(const workbench::Answer& fit, const workbench::ServiceAnswer& service);

// What Ctrl+C adds under the fit's lines for the drawing; empty when there is no answer.
QString copyLines(const workbench::Answer& fit, const workbench::ServiceAnswer& service);

} // namespace serviceTexts
