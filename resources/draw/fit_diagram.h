#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace tessaly::drawing {

// The drawing behind both tab pages: a shaft above, a hole in section below, each with its
// diameter dimension line. The pages' controls sit on it, so its coordinates are fixed to theirs.
QImage drawFitDiagram();

// Its only colours: background, part surface, ink.
QList<QRgb> fitDiagramPalette();

} // namespace tessaly::drawing
