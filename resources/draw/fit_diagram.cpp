#include "fit_diagram.h"

#include <QPainter>
#include <QPolygon>

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

QPolygon shaftOutline()
{
    QPolygon outline;
    const double width = diameterRight - diameterLeft;
    for (int x = diameterLeft; x <= diameterRight; ++x) {
        const double phase = 2 * std::numbers::pi * breakWaves * (x - diameterLeft) / width;
        const double y = shaftTop + breakAmplitude * (1 - std::sin(phase));
        outline << QPoint(x, static_cast<int>(std::lround(y)));
    }
    outline << QPoint(diameterRight, shaftBottom - chamfer)
            << QPoint(diameterRight - chamfer, shaftBottom)
            << QPoint(diameterLeft + chamfer, shaftBottom)
            << QPoint(diameterLeft, shaftBottom - chamfer);
    return outline;
}

// One wall of the hole part as cut along its axis; `toward` is +1 for the left wall (its bore
// side faces right) and -1 for the right one.
QPolygon wallSection(int outer, int bore, int toward)
{
    const int mouth = bore - toward * chamfer;
    return QPolygon({QPoint(outer, partTop), QPoint(mouth, partTop),
                     QPoint(bore, partTop + chamfer), QPoint(bore, partBottom - chamfer),
                     QPoint(mouth, partBottom), QPoint(outer, partBottom)});
}

// 45-degree section lines, laid pixel by pixel over the surface colour only, so they stop
// exactly at the outline.
void hatch(QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((x + y) % hatchPitch == 0 && image.pixel(x, y) == surface)
                image.setPixel(x, y, ink);
}

// A filled arrowhead, its tip on the outline at `tipX`, widening by one pixel each side every
// `arrowLength / arrowHalfWidth` columns; `inward` points from the tip along the line: +1 at the
// left end, -1 at the right.
void arrowhead(QImage& image, int tipX, int y, int inward)
{
    for (int step = 0; step <= arrowLength; ++step) {
        const int half = (step * arrowHalfWidth + arrowLength / 2) / arrowLength;
        for (int dy = -half; dy <= half; ++dy)
            image.setPixel(tipX + inward * step, y + dy, ink);
    }
}

void dimensionLine(QImage& image, int y)
{
    for (int x = diameterLeft; x <= diameterRight; ++x)
        image.setPixel(x, y, ink);
    arrowhead(image, diameterLeft, y, +1);
    arrowhead(image, diameterRight, y, -1);
}

// Long dash, gap, dot, gap; each span starts and ends on a long dash.
void centreLine(QImage& image)
{
    constexpr int period = axisDash + axisGap + axisDot + axisGap;
    for (const auto& [from, to] : axisSpans) {
        for (int y = from; y <= to; ++y) {
            const int fromEnd = std::min(y - from, to - y) % period;
            const bool dash = fromEnd < axisDash;
            const bool dot = fromEnd >= axisDash + axisGap && fromEnd < period - axisGap;
            if (dash || dot)
                image.setPixel(axisX, y, ink);
        }
    }
}

void drawShaft(QPainter& painter)
{
    painter.setBrush(QColor(surface));
    painter.drawPolygon(shaftOutline());
    // Where the chamfer meets the cylinder.
    painter.drawLine(diameterLeft, shaftBottom - chamfer, diameterRight, shaftBottom - chamfer);
}

void drawHolePart(QPainter& painter)
{
    painter.setBrush(QColor(surface));
    painter.drawPolygon(wallSection(partLeft, diameterLeft, +1));
    painter.drawPolygon(wallSection(partRight, diameterRight, -1));
    // The far half of the bore: its chamfer edges show through the cut.
    painter.drawLine(diameterLeft, partTop + chamfer, diameterRight, partTop + chamfer);
    painter.drawLine(diameterLeft, partBottom - chamfer, diameterRight, partBottom - chamfer);
}

} // namespace

QImage drawFitDiagram()
{
    QImage image(canvas, QImage::Format_RGB32);
    image.fill(background);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor(ink), 1));
        drawShaft(painter);
        drawHolePart(painter);
    }
    hatch(image, QRect(QPoint(partLeft, partTop), QPoint(partRight, partBottom)));
    centreLine(image);
    dimensionLine(image, shaftDimensionY);
    dimensionLine(image, boreDimensionY);
    return image;
}

QList<QRgb> fitDiagramPalette()
{
    return {background, surface, ink};
}

} // namespace tessaly::drawing
