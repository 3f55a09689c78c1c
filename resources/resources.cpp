// SPDX-License-Identifier: MIT
#include "resources/resources.h"

#include "fit_diagram.h"
#include "icon.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tessaly::resources {

namespace {

constexpr int kKeptSide = 64;

// Gives the icon at each pixel size on first use and keeps it. QIcon asks for sizes in device
// pixels (its default scaledPixmap passes the size already multiplied by the ratio).
class DrawnIconEngine : public QIconEngine
{
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return drawn(std::max(1, std::min(size.width(), size.height())));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap pixmap = this->pixmap(rect.size() * ratio, mode, state);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pixmap);
    }

    // The committed sizes, and the design's 16 and 32 at each screen's ratio: what an X11
    // window manager picks its title-bar icon from.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<int> sides(drawing::kIconSizes.begin(), drawing::kIconSizes.end());
        for (const QScreen* screen : QGuiApplication::screens())
            for (int side : {16, 32}) {
                const int scaled = int(std::lround(side * screen->devicePixelRatio()));
                if (!sides.contains(scaled))
                    sides << scaled;
            }
        QList<QSize> sizes;
        for (int side : sides)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("tessaly-drawn"); }

private:
    // The committed sizes are what drawIcon() draws (tst_committed_bitmaps holds them to it) and
    // decode in a sixth of the time it takes to draw them; a window manager asks for all of them
    // at start. Other sizes are drawn.
    QPixmap drawn(int side)
    {
        auto it = m_drawn.find(side);
        if (it == m_drawn.end()) {
            const bool committed = std::find(drawing::kIconSizes.begin(), drawing::kIconSizes.end(),
                                             side) != drawing::kIconSizes.end();
            // Decoded as an image: QPixmap's own loading would keep a second copy in QPixmapCache.
            QPixmap pixmap =
                QPixmap::fromImage(committed ? QImage(QStringLiteral(":/icon_%1.png").arg(side))
                                             : drawing::drawIcon(side));
            // Title and task bars ask again for the small sizes; a window manager asks once, at
            // start, for the large ones, which need not stay in memory.
            if (side > kKeptSide)
                return pixmap;
            it = m_drawn.insert(side, pixmap);
        }
        return *it;
    }

    QHash<int, QPixmap> m_drawn;
};

} // namespace

QPixmap fitDiagram(qreal ratio)
{
    // A handful of ratios at most (one per kind of screen the window visits).
    static QHash<qreal, QPixmap> drawn;
    auto it = drawn.find(ratio);
    if (it == drawn.end())
        it = drawn.insert(ratio, QPixmap::fromImage(drawing::drawFitDiagram(ratio)));
    return *it;
}

QIcon windowIcon()
{
    return QIcon(new DrawnIconEngine);
}

} // namespace tessaly::resources
