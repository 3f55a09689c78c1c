// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace tessaly::drawing {

// Maps every pixel to the nearest colour of the palette (alpha counts like a fourth channel) and
// returns an indexed image, so that a PNG written from it holds exactly those colours.
QImage toPalette(const QImage& image, const QList<QRgb>& palette);

} // namespace tessaly::drawing
