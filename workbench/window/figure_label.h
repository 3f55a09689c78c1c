// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

// A figure of the workbench: plain text (it may quote what was typed), reached by Tab and read
// by a screen reader as its meaning and its value ("穴の上の寸法許容差 +0.039"), with a frame in
// the desktop's highlight colour while it has the focus, so that a sighted keyboard user sees
// where the focus is: a label draws no focus of its own.
class FigureLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FigureLabel(const QString& meaning = {}, QWidget* parent = nullptr);

    void setMeaning(const QString& meaning);
    // The value shown and read; empty shows a dash and is read as the meaning alone.
    void showValue(const QString& value);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_meaning;
    // The text's own size and the text it was taken for: see sizeHint().
    mutable bool m_hintValid = false;
    mutable QString m_hintText;
    mutable QSize m_textSize;
};

// A figure of the window's grid, named for the tests, flush right and as wide as the widest
// figure, whatever it shows.
FigureLabel* figureLabel(const char* name, const QString& meaning);

// The focus mark of a widget that draws none itself, on widget's painter device.
void paintFocusMark(QWidget& widget);
