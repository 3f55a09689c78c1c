// SPDX-License-Identifier: MIT
// The PNGs in resources/ are what the drawing code draws today: change one without the other
// and this fails. Redraw with `cmake --build build --target redraw_resources`.
#include "bitmap_support.h"

#include "fit_diagram.h"
#include "icon.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

class TestCommittedBitmaps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matchesDrawing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QImage>("drawn");
        QTest::addColumn<int>("tolerance"); // per channel
        QTest::newRow("fit_diagram.png")
            << u"fit_diagram.png"_s << tessaly::drawing::drawFitDiagram() << 0;
        for (const int size : tessaly::drawing::kIconSizes) {
            // Antialiased edges may round differently on another processor's blend code.
            const int tolerance = size > tessaly::drawing::largestPaletteIcon ? 2 : 0;
            QTest::addRow("icon_%d.png", size)
                << u"icon_%1.png"_s.arg(size) << tessaly::drawing::drawIcon(size) << tolerance;
        }
    }

    void matchesDrawing()
    {
        QFETCH(QString, file);
        QFETCH(QImage, drawn);
        QFETCH(int, tolerance);
        QImage committed;
        QVERIFY2(committed.load(QDir(QStringLiteral(TESSALY_RESOURCES_DIR)).filePath(file)),
                 qPrintable(file));
        QCOMPARE(committed.size(), drawn.size());
        committed = argb(committed);
        drawn = argb(drawn);
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb a = committed.pixel(x, y), b = drawn.pixel(x, y);
                const int worst =
                    std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
                if (worst > tolerance)
                    QFAIL(qPrintable(u"%1 differs at %2,%3: committed %4, drawn %5"_s.arg(file)
                                         .arg(x)
                                         .arg(y)
                                         .arg(describe(a), describe(b))));
            }
    }
};

QTEST_MAIN(TestCommittedBitmaps)
#include "tst_committed_bitmaps.moc"
