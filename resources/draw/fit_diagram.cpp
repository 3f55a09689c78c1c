// SPDX-License-Identifier: MIT
#include "fit_diagram.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessaly::drawing {

namespace {

constexpr QRgb background = qRgb(192, 192, 192);
constexpr QRgb surface = qRgb(160, 160, 164);
constexpr QRgb ink = qRgb(0, 0, 0);

constexpr QSize canvas(470, 408);

// Both parts share one nominal diameter: the shaft's sides and the bore's walls are the same
// columns. Edges below are the outline pixels themselves.
constexpr int diameterLeft = 88;
constexpr int diameterRight = 303;

constexpr int shaftTop = 23; // highest crest of the break line
constexpr int shaftBottom = 166;
constexpr int shaftDimensionY = 123;

constexpr int partLeft = 22;
constexpr int partRight = 368;
constexpr int partTop = 207;
constexpr int partBottom = 315;
constexpr int boreDimensionY = 287;

// The common axis, drawn as a chain line only where no control of either page stands on it:
// from below the shaft's dimension line to above the captions in the bore, and again below the
// bore's dimension line.
constexpr int axisX = 195;
constexpr int axisSpans[][2] = {{128, 231}, {292, 326}};
constexpr int axisDash = 16;
constexpr int axisGap = 3;
constexpr int axisDot = 2;

constexpr int chamfer = 6;
constexpr int hatchPitch = 8;
constexpr int arrowLength = 12;
constexpr int arrowHalfWidth = 3;

// The break line: one and a half waves across the shaft, so that it meets both sides at the
// same height; a freehand line made regular.
constexpr double breakAmplitude = 4.5;
constexpr double breakWaves = 1.5;

// Design pixels onto device pixels: design pixel v covers device pixels from at(v); every line is
// `line` device pixels wide, the nearest whole number to the ratio, so that lines stay even and
// sharp at 1.25 or 1.5 instead of alternating between one and two pixels.
struct Grid
{
    qreal ratio;
    int line = std::max(1, int(std::lround(ratio)));

    int at(qreal v) const { return int(std::lround(v * ratio)); }
    // One past the last device pixel of design pixel v.
    int end(qreal v) const { return at(v + 1); }
};

// The break line is followed at every device column, each point on a device row, so it rises
// and falls in device-pixel steps.
QPolygonF shaftOutline(const Grid& grid)
{
    QPolygonF outline;
    const double width = diameterRight - diameterLeft;
    const int columns = int(std::lround(width * grid.ratio));
    for (int i = 0; i <= columns; ++i) {
        const double x = diameterLeft + width * i / columns;
        const double phase = 2 * std::numbers::pi * breakWaves * (x - diameterLeft) / width;
        const double y = shaftTop + breakAmplitude * (1 - std::sin(phase));
        outline << QPointF(x, double(std::lround(y * grid.ratio)) / grid.ratio);
    }
    outline << QPointF(diameterRight, shaftBottom - chamfer)
            << QPointF(diameterRight - chamfer, shaftBottom)
            << QPointF(diameterLeft + chamfer, shaftBottom)
            << QPointF(diameterLeft, shaftBottom - chamfer);
    return outline;
}

// One wall of the hole part as cut along its axis; `toward` is +1 for the left wall (its bore
// side faces right) and -1 for the right one.
QPolygonF wallSection(int outer, int bore, int toward)
{
    const int mouth = bore - toward * chamfer;
    return QPolygonF({QPointF(outer, partTop), QPointF(mouth, partTop),
                      QPointF(bore, partTop + chamfer), QPointF(bore, partBottom - chamfer),
                      QPointF(mouth, partBottom), QPointF(outer, partBottom)});
}

// 45-degree section lines, laid device pixel by device pixel over the surface colour only, so
// they stop exactly at the outline.
void hatch(QImage& image, const Grid& grid)
{
    const qreal pitch = hatchPitch * grid.ratio;
    for (int y = grid.at(partTop); y < grid.end(partBottom); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = grid.at(partLeft); x < grid.end(partRight); ++x)
            if (row[x] == surface && std::fmod(x + y, pitch) < grid.line)
                row[x] = ink;
    }
}

void fill(QImage& image, int left, int top, int right, int bottom)
{
    for (int y = top; y <= bottom; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)) + left, right - left + 1, ink);
}

// A filled arrowhead, its tip on the outline at device column `tipX`, widening by one device
// pixel each side every `arrowLength / arrowHalfWidth` device columns; `inward` points from the
// tip along the line: +1 at the left end, -1 at the right.
void arrowhead(QImage& image, const Grid& grid, int tipX, int y, int inward)
{
    const int length = int(std::lround(arrowLength * grid.ratio));
    for (int step = 0; step <= length; ++step) {
        const int half = (step * arrowHalfWidth + arrowLength / 2) / arrowLength;
        const int x = tipX + inward * step;
        fill(image, x, grid.at(y) - half, x, grid.at(y) + grid.line - 1 + half);
    }
}

void dimensionLine(QImage& image, const Grid& grid, int y)
{
    const int left = grid.at(diameterLeft);
    const int right = grid.at(diameterRight) + grid.line - 1;
    fill(image, left, grid.at(y), right, grid.at(y) + grid.line - 1);
    arrowhead(image, grid, left, y, +1);
    arrowhead(image, grid, right, y, -1);
}

// Long dash, gap, dot, gap; each span starts and ends on a long dash. Measured in design pixels
// from the centre of each device row.
void centreLine(QImage& image, const Grid& grid)
{
    constexpr int period = axisDash + axisGap + axisDot + axisGap;
    const int x = grid.at(axisX);
    for (const auto& [from, to] : axisSpans) {
        for (int row = grid.at(from); row < grid.end(to); ++row) {
            const qreal y = (row + 0.5) / grid.ratio;
            const qreal fromEnd = std::fmod(std::min(y - from, to + 1 - y), period);
            const bool dash = fromEnd < axisDash;
            const bool dot = fromEnd >= axisDash + axisGap && fromEnd < period - axisGap;
            if (dash || dot)
                fill(image, x, row, x + grid.line - 1, row);
        }
    }
}

void drawShaft(QPainter& painter, const Grid& grid)
{
    painter.setBrush(QColor(surface));
    painter.drawPolygon(shaftOutline(grid));
    // Where the chamfer meets the cylinder.
    painter.drawLine(QPointF(diameterLeft, shaftBottom - chamfer),
                     QPointF(diameterRight, shaftBottom - chamfer));
}

void drawHolePart(QPainter& painter)
{
    painter.setBrush(QColor(surface));
    painter.drawPolygon(wallSection(partLeft, diameterLeft, +1));
    painter.drawPolygon(wallSection(partRight, diameterRight, -1));
    // The far half of the bore: its chamfer edges show through the cut.
    painter.drawLine(QPointF(diameterLeft, partTop + chamfer),
                     QPointF(diameterRight, partTop + chamfer));
    painter.drawLine(QPointF(diameterLeft, partBottom - chamfer),
                     QPointF(diameterRight, partBottom - chamfer));
}

} // namespace

QImage drawFitDiagram(qreal ratio)
{
    const Grid grid{ratio};
    QImage image(grid.at(canvas.width()), grid.at(canvas.height()), QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        // The outlines are rasterised in device pixels, `line` of them wide, each covering the
        // device pixels of its design pixel: centred half a design pixel in.
        painter.scale(ratio, ratio);
        if (grid.line > 1)
            painter.translate(0.5, 0.5);
        painter.setPen(QPen(QColor(ink), grid.line / ratio, Qt::SolidLine, Qt::SquareCap,
                            grid.line > 1 ? Qt::MiterJoin : Qt::BevelJoin));
        drawShaft(painter, grid);
        drawHolePart(painter);
    }
    hatch(image, grid);
    centreLine(image, grid);
    dimensionLine(image, grid, shaftDimensionY);
    dimensionLine(image, grid, boreDimensionY);
    image.setDevicePixelRatio(ratio);
    return image;
}

QList<QRgb> fitDiagramPalette()
{
    return {background, surface, ink};
}

} // namespace tessaly::drawing
