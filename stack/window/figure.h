// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A figure of the answer: plain text, reached by Tab and read by a screen reader as its meaning
// and its value ("最悪値 0.400 ～ 0.798"), with a frame in the desktop's highlight colour while it
// has the focus, since a label draws no focus of its own.
class Figure : public QLabel
{
    Q_OBJECT

public:
    Figure(const QString& meaning, const char* objectName, QWidget* parent = nullptr);

    void setMeaning(const QString& meaning);
    // The value shown and read; empty shows a dash and is read as the meaning alone.
    void showValue(const QString& value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_meaning;
};
