// SPDX-License-Identifier: MIT
// Rolling bearings: the ring tolerances against catalogue examples and the relations the
// standard's tables keep.
#include "test_support.h"

#include "tolerance/bearing/ring_tolerances.h"

#include <QTest>

using namespace tolerance;
using namespace tolerance::bearing;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Length mm(double value)
{
    return Length(value * double(kNanometresPerMm) + (value < 0 ? -0.5 : 0.5));
}

constexpr Length um(double value)
{
    return Length(value * double(kNanometresPerMicrometre) + (value < 0 ? -0.5 : 0.5));
}

// The lower deviation in µm, or a negative number of the fault for a compact row.
constexpr Length kNotInTable = 1;
constexpr Length kOutside = 2;

Length lowerOf(const RingAnswer& answer)
{
    if (const auto* fault = std::get_if<TableFault>(&answer))
        return *fault == TableFault::ClassNotInTable ? kNotInTable : kOutside;
    const Deviations& d = std::get<Deviations>(answer);
    if (d.upper != 0)
        qFatal("an upper deviation other than 0");
    return d.lower;
}

} // namespace

class TestBearing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ringDeviations_data();
    void ringDeviations();
    void widths_data();
    void widths();
    void classesTightenAndSizesWiden();
    void classNames_data();
    void classNames();
};

void TestBearing::ringDeviations_data()
{
    QTest::addColumn<int>("construction");
    QTest::addColumn<int>("ring");
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<Length>("lower");
    const int radial = int(Construction::Radial);
    const int tapered = int(Construction::TaperedRoller);
    const int inner = int(Ring::Inner);
    const int outer = int(Ring::Outer);
    // A 6206 (30 × 62 × 16), class 0: NSK's and SKF's fit tables print its bore 0/-10 and its
    // outside diameter 0/-13 beside k5 and H7.
    QTest::newRow("6206 bore") << radial << inner << u"0"_s << 30.0 << um(-10);
    QTest::newRow("6206 outside") << radial << outer << u"0"_s << 62.0 << um(-13);
    // A 6310 (50 × 110 × 27): bore 0/-12 beside m5, outside 0/-15 beside J7.
    QTest::newRow("6310 bore") << radial << inner << u"0"_s << 50.0 << um(-12);
    QTest::newRow("6310 outside") << radial << outer << u"0"_s << 110.0 << um(-15);
    // A class-5 spindle bearing 7014 (70 × 110 × 20): bore 0/-9, outside 0/-10.
    QTest::newRow("7014 class 5 bore") << radial << inner << u"5"_s << 70.0 << um(-9);
    QTest::newRow("7014 class 5 outside") << radial << outer << u"5"_s << 110.0 << um(-10);
    // The steps include their upper bound and exclude their lower, but for the first.
    QTest::newRow("bore 18 in 10-18") << radial << inner << u"0"_s << 18.0 << um(-8);
    QTest::newRow("bore 18.001 in 18-30") << radial << inner << u"0"_s << 18.001 << um(-10);
    QTest::newRow("bore 0.6 included") << radial << inner << u"2"_s << 0.6 << um(-2.5);
    QTest::newRow("bore 0.5 outside") << radial << inner << u"0"_s << 0.5 << kOutside;
    QTest::newRow("outside 2.5 included") << radial << outer << u"4"_s << 2.5 << um(-4);
    QTest::newRow("outside 150 vs 150.5") << radial << outer << u"6"_s << 150.0 << um(-15);
    QTest::newRow("outside 150.5") << radial << outer << u"6"_s << 150.5 << um(-18);
    // The ends of each class's table.
    QTest::newRow("class 0 bore 2000") << radial << inner << u"0"_s << 2000.0 << um(-200);
    QTest::newRow("class 0 bore past 2000") << radial << inner << u"0"_s << 2000.5 << kOutside;
    QTest::newRow("class 0 outside 2500") << radial << outer << u"0"_s << 2500.0 << um(-250);
    QTest::newRow("class 6 bore 630") << radial << inner << u"6"_s << 630.0 << um(-40);
    QTest::newRow("class 6 bore 700") << radial << inner << u"6"_s << 700.0 << kOutside;
    QTest::newRow("class 4 bore 300") << radial << inner << u"4"_s << 300.0 << kOutside;
    QTest::newRow("class 2 outside 400") << radial << outer << u"2"_s << 400.0 << um(-10);
    QTest::newRow("6X is no radial class") << radial << inner << u"6X"_s << 30.0 << kNotInTable;
    // Tapered roller bearings: a 30206 (30 × 62) class 0 is 0/-12 and 0/-16 (SKF, DAS), not a
    // radial bearing's -10 and -13; 6X has class 0's diameters.
    QTest::newRow("30206 bore") << tapered << inner << u"0"_s << 30.0 << um(-12);
    QTest::newRow("30206 outside") << tapered << outer << u"0"_s << 62.0 << um(-16);
    QTest::newRow("30206 6X bore") << tapered << inner << u"6X"_s << 30.0 << um(-12);
    QTest::newRow("tapered class 5 bore") << tapered << inner << u"5"_s << 30.0 << um(-8);
    QTest::newRow("tapered class 2") << tapered << inner << u"2"_s << 30.0 << kNotInTable;
    QTest::newRow("tapered bore 9") << tapered << inner << u"0"_s << 9.0 << kOutside;
}

void TestBearing::ringDeviations()
{
    QFETCH(int, construction);
    QFETCH(int, ring);
    QFETCH(QString, accuracy);
    QFETCH(double, diameter);
    QFETCH(Length, lower);
    const auto named = accuracyClassNamed(accuracy.toStdString());
    QVERIFY(named);
    QCOMPARE(lowerOf(meanDiameterDeviation(Construction(construction), Ring(ring), *named,
                                           mm(diameter))),
             lower);
}

void TestBearing::widths_data()
{
    QTest::addColumn<QString>("accuracy");
    QTest::addColumn<double>("bore");
    QTest::addColumn<Length>("lower");
    QTest::addColumn<Length>("taperedInner");
    QTest::addColumn<Length>("taperedOuter");
    // 6206: its rings 16 mm wide, 0/-0.120 (NSK, SKF, ZVL, DAS alike).
    QTest::newRow("class 0 at 30") << u"0"_s << 30.0 << um(-120) << um(-120) << um(-120);
    QTest::newRow("class 6X at 30") << u"6X"_s << 30.0 << kNotInTable << um(-50) << um(-100);
    // The precision classes are narrower below 18 mm only; a tapered roller bearing's first step
    // holds 10 mm itself (DAS's note).
    QTest::newRow("class 5 at 10") << u"5"_s << 10.0 << um(-40) << um(-200) << um(-200);
    QTest::newRow("class 5 at 12") << u"5"_s << 12.0 << um(-80) << um(-200) << um(-200);
    QTest::newRow("class 2 at 70") << u"2"_s << 70.0 << um(-150) << kNotInTable << kNotInTable;
    QTest::newRow("class 0 at 1800") << u"0"_s << 1800.0 << um(-2000) << kOutside << kOutside;
    // A width only where the class has a bore.
    QTest::newRow("class 4 at 300") << u"4"_s << 300.0 << kOutside << kOutside << kOutside;
}

void TestBearing::widths()
{
    QFETCH(QString, accuracy);
    QFETCH(double, bore);
    QFETCH(Length, lower);
    QFETCH(Length, taperedInner);
    QFETCH(Length, taperedOuter);
    const AccuracyClass named = *accuracyClassNamed(accuracy.toStdString());
    QCOMPARE(lowerOf(widthDeviation(named, mm(bore))), lower);
    QCOMPARE(lowerOf(taperedWidthDeviation(Ring::Inner, named, mm(bore))), taperedInner);
    QCOMPARE(lowerOf(taperedWidthDeviation(Ring::Outer, named, mm(bore))), taperedOuter);
}

// At any size a finer class is never wider than a coarser one, and a larger size never
// narrower than a smaller one of the same class: what every edition of the tables keeps.
void TestBearing::classesTightenAndSizesWiden()
{
    const AccuracyClass order[] = {AccuracyClass::Class0, AccuracyClass::Class6,
                                   AccuracyClass::Class5, AccuracyClass::Class4,
                                   AccuracyClass::Class2};
    for (const Ring ring : {Ring::Inner, Ring::Outer}) {
        for (Length d = mm(0.6); d <= mm(2500); d += mm(0.5)) {
            Length coarser = -mm(1);
            for (const AccuracyClass accuracy : order) {
                const RingAnswer answer =
                    meanDiameterDeviation(Construction::Radial, ring, accuracy, d);
                if (const auto* deviations = std::get_if<Deviations>(&answer)) {
                    QVERIFY2(deviations->lower >= coarser, qPrintable(QString::number(d)));
                    coarser = deviations->lower;
                    const RingAnswer larger =
                        meanDiameterDeviation(Construction::Radial, ring, accuracy, d + mm(0.5));
                    if (const auto* next = std::get_if<Deviations>(&larger))
                        QVERIFY(next->lower <= deviations->lower);
                }
            }
        }
    }
}

void TestBearing::classNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << u"0"_s << u"0"_s;
    QTest::newRow("P0") << u"P0"_s << u"0"_s;
    QTest::newRow("normal") << u"Normal"_s << u"0"_s;
    QTest::newRow("p6x") << u"p6x"_s << u"6X"_s;
    QTest::newRow("P5") << u"P5"_s << u"5"_s;
    QTest::newRow("3 is none") << u"3"_s << QString();
    QTest::newRow("H7 is none") << u"H7"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestBearing::classNames()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    const auto named = accuracyClassNamed(text.toStdString());
    QCOMPARE(named ? q(nameOf(*named)) : QString(), name);
}

QTEST_GUILESS_MAIN(TestBearing)
#include "tst_bearing.moc"
