// SPDX-License-Identifier: MIT
#include "icon.h"

#include "palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace tessaly::drawing {

namespace {

// Everything below is in units of a 32-unit square.
constexpr qreal grid = 32;
constexpr qreal spineX = 16;

constexpr QRgb transparent = qRgba(0, 0, 0, 0);
constexpr QRgb outline = qRgb(24, 24, 24);
constexpr QRgb coverEdge = qRgb(0, 96, 40);
constexpr QRgb cover = qRgb(0, 168, 72);
constexpr QRgb page = qRgb(244, 242, 230);
constexpr QRgb gutter = qRgb(214, 210, 196);
constexpr QRgb pageEdges = qRgb(166, 162, 150);
constexpr QRgb print = qRgb(104, 112, 136);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb yellow = qRgb(255, 212, 0);
constexpr QRgb yellowEdge = qRgb(150, 98, 0);

struct Gear
{
    QPointF centre;
    qreal tip;
    qreal root;
    int teeth;
    qreal hub;
};

// The white gear sits high on the right-hand page, the yellow one meshes with it below.
constexpr Gear whiteGear{{22.5, 12.5}, 6.6, 4.6, 8, 1.8};
constexpr Gear yellowGear{{25.5, 21.5}, 5.6, 3.9, 8, 1.5};

// What a size has room for: the 32-pixel icon as designed, less below it, smooth above it.
// Small sizes drop what would only turn into stray pixels.
struct Detail
{
    bool smooth = false;   // antialiased, in any colour; otherwise one palette colour per pixel
    bool pageStack = true; // the edges of the pages under the open sheets
    bool whiteHub = true;
    bool yellowHub = false; // a hole in a small yellow gear leaves it more edge than yellow
    bool hubDots = true;    // a gear without a hole still gets a dot at its centre
    qreal bulge = 1.5;      // how far a page's top edge rises before it dips into the spine
    int printRows = 5;
    qreal printStep = 3.5;
    qreal gearScale = 1.0;
    int teeth = 8; // on each gear; a small gear shows fewer, wider ones
};

Detail detailFor(int size)
{
    if (size > largestPaletteIcon)
        return {.smooth = true, .yellowHub = true};
    if (size >= 32)
        return {};
    if (size >= 24)
        return {.whiteHub = false, .printRows = 4, .printStep = 4.0, .teeth = 6};
    return {.pageStack = false,
            .whiteHub = false,
            .hubDots = false,
            .bulge = 0.0,
            .printRows = 3,
            .printStep = 5.0,
            .gearScale = 0.8};
}

// One side of the open book, the left; the right is its mirror about the spine.
QPainterPath leftLeaf(qreal top, qreal bottom, qreal outer, qreal bulge)
{
    QPainterPath path;
    path.moveTo(outer, top);
    path.quadTo((outer + spineX) / 2, top - bulge, spineX, top + 2.5);
    path.lineTo(spineX, bottom + 2.5);
    path.quadTo((outer + spineX) / 2, bottom - 1.0, outer, bottom);
    path.closeSubpath();
    return path;
}

QPainterPath bothLeaves(qreal top, qreal bottom, qreal outer, qreal bulge)
{
    const QPainterPath left = leftLeaf(top, bottom, outer, bulge);
    return left.united(QTransform(-1, 0, 0, 1, 2 * spineX, 0).map(left));
}

QPainterPath gearShape(const Gear& gear, bool withHub)
{
    const qreal pitch = 2 * std::numbers::pi / gear.teeth;
    const auto at = [&](qreal radius, qreal angle) {
        return gear.centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    };
    QPolygonF rim;
    for (int i = 0; i < gear.teeth; ++i) {
        const qreal a = i * pitch;
        rim << at(gear.root, a - 0.34 * pitch) << at(gear.tip, a - 0.23 * pitch)
            << at(gear.tip, a + 0.23 * pitch) << at(gear.root, a + 0.34 * pitch);
    }
    QPainterPath path;
    path.addPolygon(rim);
    path.closeSubpath();
    if (withHub)
        path.addEllipse(gear.centre, gear.hub, gear.hub);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

// Paints shapes with an edge colour around a fill colour. Large icons are stroked smoothly;
// small ones take their edge from the fill's own border pixels, so every edge is exactly one
// pixel wide and nothing is blended.
class IconPainter
{
public:
    IconPainter(QImage& target, int size)
        : pixels(target.size()), painter(&target), scale(size / grid), detail(detailFor(size))
    {
        painter.setRenderHint(QPainter::Antialiasing, detail.smooth);
        painter.scale(scale, scale);
    }

    void draw()
    {
        shape(bothLeaves(6.0, 28.0, 0.0, detail.bulge), cover, coverEdge);
        if (detail.pageStack)
            shape(bothLeaves(4.0, 25.0, 1.5, detail.bulge), pageEdges, outline);
        shape(pages(), page, outline);
        drawGutter();
        drawPrint();
        drawGear(fitted(yellowGear), detail.yellowHub, yellow, yellowEdge);
        drawGear(fitted(whiteGear), detail.whiteHub, white, outline);
    }

private:
    QPainterPath pages() const { return bothLeaves(3.0, 23.0, 2.0, detail.bulge); }

    // One device pixel when small, a fine line when there is room for it.
    qreal lineWidth() const { return detail.smooth ? 0.7 : 1 / scale; }

    // A small gear is only symmetric about a pixel's centre.
    Gear fitted(Gear gear) const
    {
        gear.tip *= detail.gearScale;
        gear.root *= detail.gearScale;
        gear.teeth = detail.teeth;
        if (!detail.smooth) {
            const auto snap = [&](qreal c) { return (std::floor(c * scale) + 0.5) / scale; };
            gear.centre = QPointF(snap(gear.centre.x()), snap(gear.centre.y()));
        }
        return gear;
    }

    // Without room for a hole the hub is a dot, still marking the gear as a wheel.
    void drawGear(const Gear& gear, bool hole, QRgb fill, QRgb edge)
    {
        shape(gearShape(gear, hole), fill, edge);
        if (!hole && detail.hubDots) {
            QPainterPath hub;
            hub.addEllipse(gear.centre, 0.8 / scale, 0.8 / scale);
            shape(hub, edge, edge);
        }
    }

    void shape(const QPainterPath& path, QRgb fill, QRgb edge)
    {
        if (detail.smooth) {
            painter.setPen(
                QPen(QColor(edge), lineWidth(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(QColor(fill));
            painter.drawPath(path);
            return;
        }
        const QImage mask = coverage(path);
        const auto inside = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < mask.width() && y < mask.height() &&
                   mask.constScanLine(y)[x] != 0;
        };
        painter.save();
        painter.resetTransform();
        for (int y = 0; y < mask.height(); ++y)
            for (int x = 0; x < mask.width(); ++x)
                if (inside(x, y)) {
                    const bool border = !inside(x - 1, y) || !inside(x + 1, y) ||
                                        !inside(x, y - 1) || !inside(x, y + 1);
                    painter.fillRect(x, y, 1, 1, QColor(border ? edge : fill));
                }
        painter.restore();
    }

    // Which pixels' centres the path covers.
    QImage coverage(const QPainterPath& path) const
    {
        QImage mask(pixels, QImage::Format_Alpha8);
        mask.fill(Qt::transparent);
        QPainter maskPainter(&mask);
        maskPainter.scale(scale, scale);
        maskPainter.setPen(Qt::NoPen);
        maskPainter.setBrush(Qt::black);
        maskPainter.drawPath(path);
        maskPainter.end();
        return mask;
    }

    void stroke(const QPainterPath& path, QRgb colour)
    {
        painter.setPen(
            QPen(QColor(colour), lineWidth(), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }

    // The pages darken toward the spine, where they curve down into the binding.
    void drawGutter()
    {
        painter.save();
        painter.setClipPath(pages());
        painter.fillRect(QRectF(spineX - 2, 0, 4, grid), QColor(gutter));
        painter.restore();
        QPainterPath spine;
        spine.moveTo(spineX, 6);
        spine.lineTo(spineX, 26);
        stroke(spine, outline);
    }

    // Lines of text on the left-hand page, following the curve of its top edge.
    void drawPrint()
    {
        painter.save();
        painter.setClipRect(QRectF(5.0, 0, 8.0, grid));
        for (int row = 1; row <= detail.printRows; ++row) {
            QPainterPath text;
            const qreal y = 3.0 + row * detail.printStep;
            text.moveTo(2.0, y);
            text.quadTo(9.0, y - detail.bulge, spineX, y + 2.5);
            stroke(text, print);
        }
        painter.restore();
    }

    QSize pixels;
    QPainter painter;
    qreal scale;
    Detail detail;
};

} // namespace

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        IconPainter painter(image, size);
        painter.draw();
    }
    if (size > largestPaletteIcon)
        return image.convertToFormat(QImage::Format_ARGB32);
    return toPalette(image, iconPalette()).convertToFormat(QImage::Format_ARGB32);
}

QList<QRgb> iconPalette()
{
    return {transparent, outline, coverEdge, cover,  page,      gutter,
            pageEdges,   print,   white,     yellow, yellowEdge};
}

} // namespace tessaly::drawing
