// SPDX-License-Identifier: MIT
// Twips and pixels, where the window goes at start, and what is saved for a window closed while
// minimized or maximized.
#include "app/position/placement.h"

#include <QTest>

using namespace position;

Q_DECLARE_METATYPE(position::SavedPosition)
Q_DECLARE_METATYPE(std::optional<QPoint>)

namespace {

// The primary screen, and one to its left, each less a 30-pixel panel at the bottom.
const QRect kPrimary(0, 0, 1280, 994);
const QRect kLeftScreen(-1920, 0, 1920, 1050);
// Some frame at some design position.
const QRect kDesign(QPoint(100, 50), QSize(302, 221));

} // namespace

class TestPlacement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pixelsFromTwips_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("zero") << 0.0f << 0;
        QTest::newRow("one pixel") << 15.0f << 1;
        QTest::newRow("whole") << 2880.0f << 192;
        QTest::newRow("negative") << -1440.0f << -96;
        QTest::newRow("below half a pixel") << 7.0f << 0;
        QTest::newRow("above half a pixel") << 8.0f << 1;
        QTest::newRow("half away from zero") << 22.5f << 2;
        QTest::newRow("negative half away from zero") << -22.5f << -2;
        QTest::newRow("upper limit") << 1000000.0f << 66667;
        QTest::newRow("beyond the range") << 3.0e9f << 66667;
        QTest::newRow("below the range") << -3.0e38f << -66667;
    }

    void pixelsFromTwips()
    {
        QFETCH(float, twips);
        QFETCH(int, pixels);
        QCOMPARE(position::pixelsFromTwips(twips), pixels);
    }

    // Every pixel position within the range survives a save and a restore.
    void pixelsSurviveTwips()
    {
        for (int pixels = -66666; pixels <= 66666; ++pixels) {
            const float twips = twipsFromPixels(pixels);
            if (twips != 15.0f * static_cast<float>(pixels) ||
                position::pixelsFromTwips(twips) != pixels)
                QFAIL(qPrintable(QString::number(pixels)));
        }
    }

    void startFramePosition_data()
    {
        QTest::addColumn<SavedPosition>("saved");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("expected");
        const QList<QRect> one{kPrimary};
        const QList<QRect> two{kPrimary, kLeftScreen};
        const QPoint design = kDesign.topLeft();

        QTest::newRow("nothing saved") << SavedPosition{} << one << design;
        QTest::newRow("both saved") << SavedPosition{3000.0f, 1500.0f} << one << QPoint(200, 100);
        QTest::newRow("only X1") << SavedPosition{3000.0f, {}} << one << QPoint(200, design.y());
        QTest::newRow("only Y1") << SavedPosition{{}, 3000.0f} << one << QPoint(design.x(), 200);
        QTest::newRow("partly left of the primary screen")
            << SavedPosition{-1440.0f, 1500.0f} << one << QPoint(-96, 100);
        // Only the title bar above the top, or a sliver at an edge: moved the least distance
        // that leaves its top 24 pixels over 100 of its width on the screen.
        QTest::newRow("title bar above the primary screen")
            << SavedPosition{3000.0f, -150.0f} << one << QPoint(200, 0);
        QTest::newRow("one column still on screen")
            << SavedPosition{-301.0f * 15, 0.0f} << one << QPoint(-202, 0);
        QTest::newRow("just enough to grab on the left")
            << SavedPosition{-202.0f * 15, 1500.0f} << one << QPoint(-202, 100);
        QTest::newRow("sliver at the right edge")
            << SavedPosition{1270.0f * 15, 1500.0f} << one << QPoint(1180, 100);
        QTest::newRow("title bar in the bottom panel")
            << SavedPosition{3000.0f, 980.0f * 15} << one << QPoint(200, 970);
        QTest::newRow("sliver in a corner")
            << SavedPosition{-300.0f * 15, 990.0f * 15} << one << QPoint(-202, 970);
        QTest::newRow("sliver of the screen to the left")
            << SavedPosition{-2221.0f * 15, 1500.0f} << two << QPoint(-2122, 100);
        QTest::newRow("nearer of two screens")
            << SavedPosition{-290.0f * 15, -100.0f * 15} << two << QPoint(-290, 0);
        QTest::newRow("just off the left edge")
            << SavedPosition{-302.0f * 15, 0.0f} << one << design;
        QTest::newRow("just off the bottom edge, in the panel")
            << SavedPosition{0.0f, 994.0f * 15} << one << design;
        QTest::newRow("on a screen that is gone")
            << SavedPosition{-1000.0f * 15, 1500.0f} << one << design;
        QTest::newRow("on the screen to the left")
            << SavedPosition{-1000.0f * 15, 1500.0f} << two << QPoint(-1000, 100);
        QTest::newRow("far out") << SavedPosition{1000000.0f, 1000000.0f} << two << design;
        QTest::newRow("X1 off screen, Y1 missing")
            << SavedPosition{-1000.0f * 15, {}} << one << design;
        QTest::newRow("Y1 off screen, X1 goes back too")
            << SavedPosition{3000.0f, 20000.0f * 15} << one << design;
        QTest::newRow("no screen known")
            << SavedPosition{3000.0f, 1500.0f} << QList<QRect>{} << design;
    }

    void startFramePosition()
    {
        QFETCH(SavedPosition, saved);
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, expected);
        QCOMPARE(position::startFramePosition(saved, kDesign, screens), expected);
    }

    // Figures as Qt 6.4 on xcb under openbox reports them for a frame at 400,300 with margins
    // 1,20,1,1 (0,19,0,0 while maximized).
    void framePositionToSave_data()
    {
        QTest::addColumn<Qt::WindowStates>("states");
        QTest::addColumn<QPoint>("framePosition");
        QTest::addColumn<QRect>("normalGeometry");
        QTest::addColumn<std::optional<QPoint>>("expected");
        const QRect normal(401, 320, 300, 200);
        const std::optional<QPoint> restored = QPoint(400, 300);

        QTest::newRow("normal") << Qt::WindowStates(Qt::WindowNoState) << QPoint(400, 300) << normal
                                << restored;
        QTest::newRow("normal and active")
            << Qt::WindowStates(Qt::WindowActive) << QPoint(400, 300) << normal << restored;
        QTest::newRow("normal, moved since")
            << Qt::WindowStates(Qt::WindowNoState) << QPoint(-96, 20) << normal
            << std::optional<QPoint>(QPoint(-96, 20));
        QTest::newRow("minimized")
            << Qt::WindowStates(Qt::WindowMinimized) << QPoint(400, 300) << normal << restored;
        QTest::newRow("maximized")
            << Qt::WindowStates(Qt::WindowMaximized) << QPoint(0, 0) << normal << restored;
        QTest::newRow("minimized after maximized")
            << (Qt::WindowMinimized | Qt::WindowMaximized) << QPoint(-1, -1) << normal << restored;
        QTest::newRow("full screen")
            << Qt::WindowStates(Qt::WindowFullScreen) << QPoint(0, 0) << normal << restored;
        QTest::newRow("minimized, restored geometry unknown")
            << Qt::WindowStates(Qt::WindowMinimized) << QPoint(-32000, -32000) << QRect()
            << std::optional<QPoint>();
        QTest::newRow("normal, restored geometry unknown")
            << Qt::WindowStates(Qt::WindowNoState) << QPoint(400, 300) << QRect() << restored;
    }

    void framePositionToSave()
    {
        QFETCH(Qt::WindowStates, states);
        QFETCH(QPoint, framePosition);
        QFETCH(QRect, normalGeometry);
        QFETCH(std::optional<QPoint>, expected);
        const QMargins restoredMargins(1, 20, 1, 1);
        QCOMPARE(
            position::framePositionToSave(states, framePosition, normalGeometry, restoredMargins),
            expected);
    }
};

QTEST_GUILESS_MAIN(TestPlacement)
#include "tst_placement.moc"
