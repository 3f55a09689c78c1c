// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSet>

// Every test reads pixels as non-premultiplied ARGB, whatever format a PNG decodes to.
inline QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

inline QSet<QRgb> coloursIn(const QImage& image)
{
    const QImage pixels = argb(image);
    QSet<QRgb> colours;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            colours.insert(pixels.pixel(x, y));
    return colours;
}

// How many pixels of `area` have exactly `colour`.
inline int countIn(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

inline QString describe(QRgb colour)
{
    return QColor::fromRgba(colour).name(QColor::HexArgb);
}
