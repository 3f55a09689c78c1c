// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

// A problem reads in red on light and dark desktops alike.
inline QColor problemColour(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 130, 120)
                                                             : QColor(180, 0, 0);
}
