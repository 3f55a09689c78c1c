// SPDX-License-Identifier: MIT
// The diagram the program ships, checked against the design's coordinates and against the
// controls the two tab pages place on it; and as the window draws it for scaled screens: in
// device pixels, never the design's pixels enlarged.
#include "bitmap_support.h"

#include "resources/resources.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QRgb background = qRgb(192, 192, 192);
constexpr QRgb surface = qRgb(160, 160, 164);
constexpr QRgb ink = qRgb(0, 0, 0);

// From the design: shaft 88..303 x 23..166 with its dimension line at 123; hole part
// 22..368 x 207..315, bore 88..303, its dimension line at 287; a page shows 397 x 341.
constexpr int diameterLeft = 88, diameterRight = 303;
constexpr int shaftTop = 23, shaftBottom = 166, shaftDimension = 123;
constexpr int partLeft = 22, partRight = 368, partTop = 207, partBottom = 315;
constexpr int boreDimension = 287;
constexpr QSize view(397, 341);

enum class Ground
{
    Shaft, // on the shaft's surface, above its dimension line
    Bore,  // in the empty bore, above its dimension line
    Clear, // on the background, away from both parts
};

// The drawing as the window draws it for a screen of that ratio, read as ARGB.
QImage drawnAt(qreal ratio)
{
    return argb(tessaly::resources::fitDiagram(ratio).toImage());
}

void addRatioRows()
{
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0})
        QTest::addRow("%d %%", int(ratio * 100)) << ratio;
}

// Device rows of the left wall's cut face, clear of its chamfers and outline.
constexpr int sectionTop = partTop + 10, sectionBottom = partBottom - 10;

} // namespace

Q_DECLARE_METATYPE(Ground)

class TestFitDiagram : public QObject
{
    Q_OBJECT

    QImage diagram;

    // Black pixels in one column, contiguous through (x, y).
    int blackRun(int x, int y) const
    {
        int top = y, bottom = y;
        while (diagram.pixel(x, top - 1) == ink)
            --top;
        while (diagram.pixel(x, bottom + 1) == ink)
            ++bottom;
        return diagram.pixel(x, y) == ink ? bottom - top + 1 : 0;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(diagram.load(tessaly::resources::fitDiagramPath.toString()));
        diagram = argb(diagram);
    }

    void sizeAndColours()
    {
        QCOMPARE(diagram.size(), QSize(470, 408));
        QCOMPARE(coloursIn(diagram), (QSet<QRgb>{background, surface, ink}));
    }

    void drawnForEachRatio_data() { addRatioRows(); }
    void drawnForEachRatio()
    {
        QFETCH(qreal, ratio);
        const QPixmap drawn = tessaly::resources::fitDiagram(ratio);
        QCOMPARE(drawn.devicePixelRatio(), ratio);
        QCOMPARE(drawn.size(), (QSize(qRound(470 * ratio), qRound(408 * ratio))));
        QCOMPARE(coloursIn(drawn.toImage()), (QSet<QRgb>{background, surface, ink}));
        if (ratio == 1.0)
            QCOMPARE(argb(drawn.toImage()), diagram);
    }

    // Each section line crosses a row as one run `line` device pixels wide (the ratio rounded),
    // one device pixel further left on each row down. A resampled bitmap has runs of uneven
    // width at 1.25 and 1.5, a doubled one moves them two pixels every second row.
    void sectionLinesStepByDevicePixels_data() { addRatioRows(); }
    void sectionLinesStepByDevicePixels()
    {
        QFETCH(qreal, ratio);
        const QImage image = drawnAt(ratio);
        const int line = std::max(1, qRound(ratio));
        const int left = qRound((partLeft + 2) * ratio), right = qRound((diameterLeft - 2) * ratio);
        // Where each whole run of ink in row y starts.
        const auto starts = [&](int y) {
            QList<int> found;
            for (int x = left; x <= right; ++x) {
                if (image.pixel(x, y) != ink || image.pixel(x - 1, y) == ink)
                    continue;
                int run = 0;
                while (image.pixel(x + run, y) == ink)
                    ++run;
                if (x + run <= right) {
                    found << x;
                    if (run != line)
                        return QList<int>{-run};
                }
            }
            return found;
        };
        for (int y = qRound(sectionTop * ratio); y < qRound(sectionBottom * ratio); ++y) {
            const QList<int> here = starts(y), below = starts(y + 1);
            QVERIFY2(here.size() >= 3 && here.first() > 0,
                     qPrintable(u"row %1: a run of %2"_s.arg(y).arg(-here.first())));
            for (int start : here)
                if (start - 1 > left)
                    QVERIFY2(below.contains(start - 1),
                             qPrintable(u"row %1: the line at %2 jumps"_s.arg(y).arg(start)));
        }
    }

    // At ratio 2 a doubled bitmap is made of 2 x 2 blocks of one colour aligned to the origin;
    // drawn in device pixels, the section lines cut through many such blocks.
    void ratioTwoIsNoDoubledBitmap()
    {
        const QImage image = drawnAt(2.0);
        int mixed = 0;
        for (int y = 2 * sectionTop; y < 2 * sectionBottom; y += 2)
            for (int x = 2 * (partLeft + 2); x < 2 * (diameterLeft - 2); x += 2) {
                const QRgb c = image.pixel(x, y);
                mixed += image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                         image.pixel(x + 1, y + 1) != c;
            }
        QVERIFY2(mixed > 100, qPrintable(u"%1 mixed blocks"_s.arg(mixed)));
    }

    // The break line and the arrowheads rise by at most one device pixel per device column.
    void edgesStepByDevicePixels_data() { addRatioRows(); }
    void edgesStepByDevicePixels()
    {
        QFETCH(qreal, ratio);
        const QImage image = drawnAt(ratio);
        const auto top = [&](int x) {
            int y = 0;
            while (image.pixel(x, y) == background)
                ++y;
            return y;
        };
        for (int x = qRound((diameterLeft + 1) * ratio); x < qRound(diameterRight * ratio); ++x)
            QVERIFY2(std::abs(top(x) - top(x - 1)) <= 1, qPrintable(u"break line at %1"_s.arg(x)));

        for (const int line : {shaftDimension, boreDimension}) {
            const int y = qRound(line * ratio);
            const auto height = [&](int x) {
                int up = 0, down = 0;
                while (image.pixel(x, y - up - 1) == ink)
                    ++up;
                while (image.pixel(x, y + down + 1) == ink)
                    ++down;
                return up + down + 1;
            };
            // From beside the bore wall to the arrowhead's base, 12 design pixels from its tip.
            const int tip = qRound(diameterLeft * ratio);
            const int length = qRound(12 * ratio);
            QVERIFY(height(tip + length) >= qRound(6 * ratio));
            for (int x = tip + std::max(1, qRound(ratio)) + 1; x <= tip + length; ++x)
                QVERIFY2(std::abs(height(x) - height(x - 1)) <= 2,
                         qPrintable(u"arrowhead at %1,%2"_s.arg(x).arg(y)));
        }
    }

    void areas_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRgb>("colour");
        const auto row = [](const char* name, QPoint from, QPoint to, QRgb colour) {
            QTest::newRow(name) << QRect(from, to) << colour;
        };
        row("shaft left side", {diameterLeft, 40}, {diameterLeft, 155}, ink);
        row("shaft right side", {diameterRight, 40}, {diameterRight, 155}, ink);
        row("shaft end", {100, shaftBottom}, {290, shaftBottom}, ink);
        row("shaft dimension line", {diameterLeft, shaftDimension}, {diameterRight, shaftDimension},
            ink);
        row("part outer left", {partLeft, partTop}, {partLeft, partBottom}, ink);
        row("part outer right", {partRight, partTop}, {partRight, partBottom}, ink);
        row("part top face left", {partLeft, partTop}, {75, partTop}, ink);
        row("part top face right", {316, partTop}, {partRight, partTop}, ink);
        row("part bottom face left", {partLeft, partBottom}, {75, partBottom}, ink);
        row("part bottom face right", {316, partBottom}, {partRight, partBottom}, ink);
        row("bore wall left", {diameterLeft, 220}, {diameterLeft, 300}, ink);
        row("bore wall right", {diameterRight, 220}, {diameterRight, 300}, ink);
        row("bore dimension line", {diameterLeft, boreDimension}, {diameterRight, boreDimension},
            ink);
        row("above the shaft", {0, 0}, {view.width() - 1, shaftTop - 1}, background);
        row("left of the shaft", {0, 0}, {diameterLeft - 1, partTop - 1}, background);
        row("right of the shaft", {diameterRight + 1, 0}, {view.width() - 1, partTop - 1},
            background);
        row("left of the part", {0, 0}, {partLeft - 1, view.height() - 1}, background);
        row("right of the part", {partRight + 1, 0}, {view.width() - 1, view.height() - 1},
            background);
        row("beyond the page's right", {view.width(), 0}, {469, 407}, background);
        row("beyond the page's bottom", {0, view.height()}, {469, 407}, background);
        row("shaft end chamfered left", {diameterLeft, shaftBottom}, {diameterLeft, shaftBottom},
            background);
        row("shaft end chamfered right", {diameterRight, shaftBottom}, {diameterRight, shaftBottom},
            background);
        for (const int y : {partTop, partBottom})
            for (const int x : {diameterLeft, diameterRight})
                QTest::addRow("bore edge chamfered at %d,%d", x, y)
                    << QRect(x, y, 1, 1) << background;
    }

    void areas()
    {
        QFETCH(QRect, area);
        QFETCH(QRgb, colour);
        const int wrong = area.width() * area.height() - countIn(diagram, area, colour);
        QVERIFY2(wrong == 0, qPrintable(u"%1 pixels not %2"_s.arg(wrong).arg(describe(colour))));
    }

    void topOfShaftIsABreakLine()
    {
        QList<int> tops;
        for (int x = diameterLeft; x <= diameterRight; ++x) {
            int y = 0;
            while (diagram.pixel(x, y) == background)
                ++y;
            QCOMPARE(diagram.pixel(x, y), ink);
            tops << y;
        }
        QCOMPARE(*std::min_element(tops.begin(), tops.end()), shaftTop);
        QVERIFY(*std::max_element(tops.begin(), tops.end()) >= shaftTop + 4);
        int turns = 0, lastStep = 0;
        for (qsizetype i = 1; i < tops.size(); ++i) {
            const int step = tops[i] - tops[i - 1];
            QVERIFY2(std::abs(step) <= 1, "the break line jumps");
            if (step != 0) {
                turns += lastStep != 0 && step != lastStep ? 1 : 0;
                lastStep = step;
            }
        }
        QVERIFY2(turns >= 2, "a slant or a single bow is no break line");
    }

    void dimensionLinesEndInArrowheads()
    {
        for (const int y : {shaftDimension, boreDimension}) {
            int leftHead = 0, rightHead = 0;
            for (int i = 1; i <= 15; ++i) {
                leftHead = std::max(leftHead, blackRun(diameterLeft + i, y));
                rightHead = std::max(rightHead, blackRun(diameterRight - i, y));
            }
            QVERIFY2(leftHead >= 5 && rightHead >= 5, qPrintable(u"line at y %1"_s.arg(y)));
            QCOMPARE(blackRun(150, y), 1);
            QCOMPARE(blackRun(250, y), 1);
        }
    }

    void sectionHatchedBoreEmptyShaftPlain()
    {
        int crossings = 0;
        for (int x = partLeft + 1; x < diameterLeft; ++x)
            crossings += diagram.pixel(x, 260) == ink && diagram.pixel(x - 1, 260) != ink;
        QVERIFY2(crossings >= 4, "the cut face carries no section lines");
        const QRect bore(QPoint(diameterLeft + 1, partTop + 1),
                         QPoint(diameterRight - 1, partBottom - 1));
        QCOMPARE(countIn(diagram, bore, surface), 0);
        const QRect shaftBand(QPoint(diameterLeft + 1, 135), QPoint(diameterRight - 1, 150));
        // Only the axis may cross the shaft's plain surface here.
        QVERIFY(countIn(diagram, shaftBand, ink) <= shaftBand.height());
    }

    void controlsSitWhereDesigned_data()
    {
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<Ground>("ground");
        QTest::addColumn<bool>("onDimensionLine"); // stands just above the line
        const auto row = [](const char* name, int l, int t, int w, int h, Ground g, bool on) {
            QTest::newRow(name) << QRect(l, t, w, h) << g << on;
        };
        row("hole page Combo1", 1440, 3840, 1335, 345, Ground::Bore, false);
        row("hole page Combo2", 2820, 3840, 765, 345, Ground::Bore, false);
        row("hole page Text1", 3660, 3540, 795, 300, Ground::Bore, false);
        row("hole page Text2", 3660, 3885, 795, 300, Ground::Bore, false);
        row("hole page Label2 caption", 1710, 3555, 765, 195, Ground::Bore, false);
        row("hole page Label4 caption", 2940, 3555, 480, 195, Ground::Bore, false);
        row("hole page Label3 on the shaft", 2520, 1050, 855, 285, Ground::Shaft, false);
        row("hole page Label5 range", 2220, 1440, 1455, 345, Ground::Shaft, true);
        row("shaft page Combo3", 1440, 1380, 1335, 345, Ground::Shaft, false);
        row("shaft page Combo4", 2820, 1380, 765, 345, Ground::Shaft, false);
        row("shaft page Text3", 3630, 1095, 795, 300, Ground::Shaft, false);
        row("shaft page Text4", 3630, 1425, 795, 300, Ground::Shaft, false);
        row("shaft page Label2 caption", 1725, 1095, 765, 195, Ground::Shaft, false);
        row("shaft page Label4 caption", 2940, 1095, 480, 195, Ground::Shaft, false);
        row("shaft page Label3 in the bore", 2580, 3540, 855, 285, Ground::Bore, false);
        row("shaft page Label5 range", 2280, 3900, 1455, 345, Ground::Bore, true);
        row("both pages Label1 unit", 4800, 240, 960, 240, Ground::Clear, false);
    }

    void controlsSitWhereDesigned()
    {
        QFETCH(QRect, twips);
        QFETCH(Ground, ground);
        QFETCH(bool, onDimensionLine);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QVERIFY(QRect(QPoint(0, 0), view).contains(pixels));
        const QRgb colour = ground == Ground::Shaft ? surface : background;
        QCOMPARE(countIn(diagram, pixels, colour), pixels.width() * pixels.height());
        if (ground == Ground::Clear)
            return;
        QVERIFY(pixels.left() > diameterLeft && pixels.right() < diameterRight);
        const int line = ground == Ground::Shaft ? shaftDimension : boreDimension;
        QVERIFY(pixels.bottom() < line);
        if (onDimensionLine)
            QVERIFY2(line - pixels.bottom() <= 8, "not just above its dimension line");
    }
};

QTEST_MAIN(TestFitDiagram)
#include "tst_fit_diagram.moc"
