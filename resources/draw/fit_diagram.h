// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace tessaly::drawing {

// The drawing behind both tab pages: a shaft above, a hole in section below, each with its
// diameter dimension line. The pages' controls sit on it, so its coordinates are fixed to theirs.
// Drawn for `ratio` device pixels per design pixel: at 1 the 470 x 408 bitmap as designed, at any
// other ratio drawn anew in device pixels (hatching, arrowheads, the break line and the chamfers
// step by one device pixel, never by an enlarged one), in the same three colours and without
// antialiasing; the image carries the ratio as its device-pixel ratio.
QImage drawFitDiagram(qreal ratio = 1);

// Its only colours: background, part surface, ink.
QList<QRgb> fitDiagramPalette();

} // namespace tessaly::drawing
