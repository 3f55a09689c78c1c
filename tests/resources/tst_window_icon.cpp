// SPDX-License-Identifier: MIT
// The window icon: the designed 32-pixel one the program ships, and every size drawn for a
// desktop, which must all show the same picture.
#include "bitmap_support.h"

#include "icon.h"
#include "resources/resources.h"

#include <QBitArray>
#include <QIcon>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

bool isGreen(QRgb c)
{
    return qGreen(c) >= qRed(c) + 50 && qGreen(c) >= qBlue(c) + 30;
}
bool isYellow(QRgb c)
{
    return qRed(c) >= 200 && qGreen(c) >= 150 && qBlue(c) <= 80;
}
// Pure white: the pages are a warmer off-white, so this is the white gear.
bool isWhite(QRgb c)
{
    return qRed(c) >= 250 && qGreen(c) >= 250 && qBlue(c) >= 250;
}

struct Found
{
    int count = 0;
    int leftmost = 1 << 30;
};

Found find(const QImage& icon, const std::function<bool(QRgb)>& kind)
{
    Found found;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (const QRgb c = icon.pixel(x, y); qAlpha(c) >= 128 && kind(c)) {
                ++found.count;
                found.leftmost = std::min(found.leftmost, x);
            }
    return found;
}

// Which of the 32 x 32 cells the icon mostly covers.
QBitArray silhouette(const QImage& icon)
{
    const QImage cells = argb(icon).scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QBitArray covered(32 * 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            covered.setBit(y * 32 + x, qAlpha(cells.pixel(x, y)) >= 128);
    return covered;
}

void addSizeRows()
{
    QTest::addColumn<int>("size");
    for (const int size : tessaly::drawing::kIconSizes)
        QTest::addRow("%d px", size) << size;
}

} // namespace

class TestWindowIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedIconIsTheDesignedOne()
    {
        QImage icon;
        QVERIFY(icon.load(tessaly::resources::iconPath.toString()));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(coloursIn(icon).size() <= 16);
        icon = argb(icon);
        QVERIFY(find(icon, isGreen).count > 0);
        QVERIFY(find(icon, isYellow).count > 0);
        QVERIFY(find(icon, isWhite).count > 0);
    }

    void windowIconOffersEverySize()
    {
        const QIcon icon = tessaly::resources::windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : tessaly::drawing::kIconSizes)
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // A title bar's 16 pixels get the drawing made for them, not the 32 shrunk.
        const QImage small = icon.pixmap(QSize(16, 16)).toImage();
        QCOMPARE(argb(small), argb(tessaly::drawing::drawIcon(16)));
        // On a 125 % screen the 32-pixel icon is drawn at 40 pixels, not the 48 shrunk.
        const QPixmap scaled = icon.pixmap(QSize(32, 32), 1.25);
        QCOMPARE(scaled.size(), QSize(40, 40));
        QImage drawn = argb(tessaly::drawing::drawIcon(40));
        drawn.setDevicePixelRatio(1.25);
        QCOMPARE(argb(scaled.toImage()), drawn);
    }

    void bookWithGears_data() { addSizeRows(); }
    void bookWithGears()
    {
        QFETCH(int, size);
        const QImage icon = argb(tessaly::drawing::drawIcon(size));
        QCOMPARE(icon.size(), QSize(size, size));
        const Found yellow = find(icon, isYellow);
        const Found white = find(icon, isWhite);
        QVERIFY(yellow.count > 0 && white.count > 0);
        QVERIFY2(yellow.leftmost >= size * 45 / 100 && white.leftmost >= size * 45 / 100,
                 "a gear strays off the right-hand page");
        // The cover shows at both outer edges and below the pages.
        const auto firstOpaque = [&](int x, int y, int dx, int dy) {
            while (qAlpha(icon.pixel(x, y)) < 128)
                x += dx, y += dy;
            return icon.pixel(x, y);
        };
        QVERIFY(isGreen(firstOpaque(0, size / 2, 1, 0)));
        QVERIFY(isGreen(firstOpaque(size - 1, size / 2, -1, 0)));
        QVERIFY(isGreen(firstOpaque(size / 4, size - 1, 0, -1)));
    }

    void smallSizesKeepToThePalette_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 24, 32})
            QTest::addRow("%d px", size) << size;
    }
    void smallSizesKeepToThePalette()
    {
        QFETCH(int, size);
        const QList<QRgb> palette = tessaly::drawing::iconPalette();
        QVERIFY(palette.size() <= 16);
        const QSet<QRgb> colours = coloursIn(tessaly::drawing::drawIcon(size));
        for (const QRgb colour : colours)
            QVERIFY2(palette.contains(colour), qPrintable(describe(colour)));
    }

    void sizesShowOneShape_data() { addSizeRows(); }
    void sizesShowOneShape()
    {
        QFETCH(int, size);
        const QBitArray reference = silhouette(tessaly::drawing::drawIcon(256));
        const QBitArray shape = silhouette(tessaly::drawing::drawIcon(size));
        const int differing = (reference ^ shape).count(true);
        QVERIFY2(differing <= reference.count(true) / 12, qPrintable(QString::number(differing)));
    }

    void largeSizesAreDrawnNotEnlarged()
    {
        // A blown-up 32-pixel icon would keep its 16 colours and its hard edges.
        const QImage icon = tessaly::drawing::drawIcon(256);
        QVERIFY(coloursIn(icon).size() > 64);
    }
};

QTEST_MAIN(TestWindowIcon)
#include "tst_window_icon.moc"
