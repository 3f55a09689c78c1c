// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QSizePolicy>
#include <QString>

#include "desktop/language.h"

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

// A name of words breaks between them in English, whose names run two or three words long and
// would widen their column past what an 800-pixel screen holds; Japanese, which a label would
// break between any two characters, keeps its one line. Called again whenever the words change.
inline void wrapInEnglish(QLabel* label)
{
    label->setWordWrap(language::current() == language::Language::English);
}

// A label whose changing text never moves the layout: as wide as the sample, whatever it shows.
// Word wrap would let the window shrink below what its labels need, so lines break only where
// the text says.
inline void steadyWidth(QLabel* label, const QString& sample)
{
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(sample));
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    policy.setVerticalPolicy(QSizePolicy::Preferred);
    policy.setHeightForWidth(false);
    label->setSizePolicy(policy);
}

// A label with nothing to say is hidden, so that no screen reader meets an empty one, yet keeps
// its room, so that nothing moves when it speaks.
inline QLabel* hiddenWhileEmpty(QLabel* label)
{
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
    return label;
}
