// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>

// The kinds of label the window draws its own words in.

// A problem reads in red on light and dark desktops alike.
inline QColor problemColour(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 130, 120)
                                                             : QColor(180, 0, 0);
}

// A label of the window's own words: never rich text, whatever it is given.
inline QLabel* plainLabel(const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}
