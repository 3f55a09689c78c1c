// SPDX-License-Identifier: MIT
// Rolling bearings: the ring tolerances against catalogue examples and the relations the
// standard's tables keep.
#include "test_support.h"

#include "tolerance/bearing/boundary.h"
#include "tolerance/bearing/clearance.h"
#include "tolerance/bearing/mounting.h"
#include "tolerance/bearing/recommended.h"
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
    void numbers_data();
    void numbers();
    void recommendations_data();
    void recommendations();
    void clearanceReduction_data();
    void clearanceReduction();
    void clearanceGroups();
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

void TestBearing::numbers_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("D");
    QTest::addColumn<double>("B");
    QTest::addColumn<double>("T");
    const int ball = int(BearingType::DeepGrooveBall);
    const int cylindrical = int(BearingType::CylindricalRoller);
    const int tapered = int(BearingType::TaperedRoller);
    // The catalogues' examples: 6206 30 × 62 × 16, 6310 50 × 110 × 27.
    QTest::newRow("6206") << u"6206"_s << u"6206"_s << ball << 30.0 << 62.0 << 16.0 << 0.0;
    QTest::newRow("6310") << u"6310"_s << u"6310"_s << ball << 50.0 << 110.0 << 27.0 << 0.0;
    QTest::newRow("suffix left aside")
        << u"6206ZZ"_s << u"6206"_s << ball << 30.0 << 62.0 << 16.0 << 0.0;
    QTest::newRow("bore code 00") << u"6300"_s << u"6300"_s << ball << 10.0 << 35.0 << 11.0 << 0.0;
    QTest::newRow("160 series") << u"16006"_s << u"16006"_s << ball << 30.0 << 55.0 << 9.0 << 0.0;
    // The spindle bearing of the class-5 example: 7014, dimension series 10 like 6014.
    QTest::newRow("7014") << u"7014C"_s << u"7014"_s << int(BearingType::AngularContactBall) << 70.0
                          << 110.0 << 20.0 << 0.0;
    QTest::newRow("self-aligning 2206")
        << u"2206"_s << u"2206"_s << int(BearingType::SelfAligningBall) << 30.0 << 62.0 << 20.0
        << 0.0;
    QTest::newRow("nu 2206 e") << u"nu 2206 e"_s << u"NU2206"_s << cylindrical << 30.0 << 62.0
                               << 20.0 << 0.0;
    QTest::newRow("NJ312") << u"NJ312"_s << u"NJ312"_s << cylindrical << 60.0 << 130.0 << 31.0
                           << 0.0;
    // 30206: T 17.25, its cone 16 wide.
    QTest::newRow("30206") << u"30206J"_s << u"30206"_s << tapered << 30.0 << 62.0 << 16.0 << 17.25;
    // FBJ prints 32211's T 25.75; DAS, SKF and NKE 26.75.
    QTest::newRow("32211 settled")
        << u"32211"_s << u"32211"_s << tapered << 55.0 << 100.0 << 25.0 << 26.75;
    QTest::newRow("unknown series 68")
        << u"6806"_s << QString() << int(NumberFault::UnknownSeries) << 0.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("no number") << u"H7"_s << QString() << int(NumberFault::NotANumber) << 0.0 << 0.0
                               << 0.0 << 0.0;
    QTest::newRow("bore past the table")
        << u"6299"_s << QString() << int(NumberFault::SizeOutside) << 0.0 << 0.0 << 0.0 << 0.0;
}

void TestBearing::numbers()
{
    QFETCH(QString, number);
    QFETCH(QString, written);
    QFETCH(int, type);
    QFETCH(double, d);
    QFETCH(double, D);
    QFETCH(double, B);
    QFETCH(double, T);
    const auto found = bearingNamed(number.toStdString());
    if (written.isEmpty()) {
        QVERIFY(std::holds_alternative<NumberFault>(found));
        QCOMPARE(int(std::get<NumberFault>(found)), type);
        return;
    }
    QVERIFY(std::holds_alternative<Bearing>(found));
    const Bearing& bearing = std::get<Bearing>(found);
    QCOMPARE(q(bearing.number), written);
    QCOMPARE(int(bearing.type), type);
    QCOMPARE(bearing.bore, mm(d));
    QCOMPARE(bearing.outside, mm(D));
    QCOMPARE(bearing.width, mm(B));
    QCOMPARE(bearing.totalWidth.value_or(0), mm(T));
}

void TestBearing::recommendations_data()
{
    QTest::addColumn<QString>("load");
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("roller");
    QTest::addColumn<double>("bore");
    QTest::addColumn<QString>("shaft");
    QTest::addColumn<QString>("housing");
    // A 6206 under a normal load turning with the shaft: k5 (or k6) in H7 (or H8), NSK's
    // example of a general-purpose fit.
    QTest::newRow("6206 normal") << u"rotating-inner"_s << u"normal"_s << false << 30.0
                                 << u"k5 k6"_s << u"H7 H8"_s;
    QTest::newRow("ball 18 is js")
        << u"rotating-inner"_s << u"normal"_s << false << 18.0 << u"js5 js6 j5 j6"_s << u"H7 H8"_s;
    QTest::newRow("roller 100 normal")
        << u"indeterminate"_s << u"normal"_s << true << 100.0 << u"m5 m6"_s << u"K7"_s;
    QTest::newRow("light indeterminate")
        << u"indeterminate"_s << u"light"_s << false << 50.0 << u"js6 j6"_s << u"JS7 J7"_s;
    QTest::newRow("wheel on a standing axle")
        << u"rotating-outer"_s << u"heavy"_s << true << 60.0 << u"g6 h6"_s << u"P7"_s;
    QTest::newRow("heavy roller 60")
        << u"rotating-inner"_s << u"heavy"_s << true << 60.0 << u"n6"_s << u"H7"_s;
    // No row: a ball bearing under a heavy load, a roller under 50 mm, a bore past 200 mm.
    QTest::newRow("heavy ball") << u"rotating-inner"_s << u"heavy"_s << false << 60.0 << QString()
                                << QString();
    QTest::newRow("heavy roller 40")
        << u"rotating-inner"_s << u"heavy"_s << true << 40.0 << QString() << QString();
    QTest::newRow("light ball 250")
        << u"rotating-inner"_s << u"light"_s << false << 250.0 << QString() << QString();
}

void TestBearing::recommendations()
{
    QFETCH(QString, load);
    QFETCH(QString, size);
    QFETCH(bool, roller);
    QFETCH(double, bore);
    QFETCH(QString, shaft);
    QFETCH(QString, housing);
    const auto found = recommendedFits(*loadCaseNamed(load.toStdString()),
                                       *loadSizeNamed(size.toStdString()), roller, mm(bore));
    const auto joined = [](const std::vector<std::string_view>& codes) {
        QStringList list;
        for (const std::string_view code : codes)
            list << q(code);
        return list.join(u' ');
    };
    QCOMPARE(found ? joined(found->shaft) : QString(), shaft);
    QCOMPARE(found ? joined(found->housing) : QString(), housing);
}

void TestBearing::clearanceReduction_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<Length>("shaftUpper");
    QTest::addColumn<Length>("shaftLower");
    QTest::addColumn<Length>("housingUpper");
    QTest::addColumn<Length>("housingLower");
    QTest::addColumn<bool>("warm");
    QTest::addColumn<Length>("reductionMin");
    QTest::addColumn<Length>("reductionMax");
    QTest::addColumn<Length>("residualCN");
    // 6206 on k5 (+11/+2) in H7 (+30/0), class 0 rings 0/-10 and 0/-13: SKF's fit tables give
    // the shaft 2 to 21 µm of interference, the housing 0 to 43 µm of clearance. Di = (62 +
    // 4·30)/5 = 36.4, so the inner raceway widens by 2·30/36.4 = 1.648 to 21·30/36.4 = 17.308
    // µm; nothing in the housing. CN at 30 mm is 5 to 20 µm: at worst 5 - 17.308 = -12.308.
    QTest::newRow("6206 k5/H7") << u"6206"_s << um(11) << um(2) << um(30) << um(0) << false
                                << Length(1648) << Length(17308) << Length(-12308);
    // 6310 on m5 (+20/+9) in J7 (+22/-13), rings 0/-12 and 0/-15: the shaft 9 to 32 µm (SKF),
    // the housing 13 µm of interference to 37 µm of clearance. Di = (110 + 200)/5 = 62, De =
    // (440 + 50)/5 = 98: 9·50/62 = 7.258 to 32·50/62 = 25.806, and 13·98/110 = 11.582 at most.
    // CN at 50 mm is 6 to 23 µm: at worst 6 - 37.388 = -31.388.
    QTest::newRow("6310 m5/J7") << u"6310"_s << um(20) << um(9) << um(22) << um(-13) << false
                                << Length(7258) << Length(37388) << Length(-31388);
    // 6206 k5/H7 warm: shaft and inner ring at 60 °C, outer ring at 50 °C, housing at 40 °C, the
    // shaft growing 11.7 and the housing 10 × 10⁻⁶/K. The ring outgrows the shaft by (12.5 -
    // 11.7)·40·30 = 0.96 µm: 1.04 to 20.04 µm, 0.857 to 16.516 µm on the raceway. The outer ring
    // grows 12.5·30·62 = 23.25 µm, the housing 10·20·62 = 12.4 µm: 0 to 10.85 µm of
    // interference, 10.85·55.6/62 = 9.730 µm. The inner ring 10 K warmer than the outer:
    // 12.5·10·55.6 = 6.95 µm. In all 7.807 to 33.196 µm; CN at worst 5 - 33.196.
    QTest::newRow("6206 k5/H7 warm") << u"6206"_s << um(11) << um(2) << um(30) << um(0) << true
                                     << Length(7807) << Length(33196) << Length(-28196);
}

void TestBearing::clearanceReduction()
{
    QFETCH(QString, number);
    QFETCH(Length, shaftUpper);
    QFETCH(Length, shaftLower);
    QFETCH(Length, housingUpper);
    QFETCH(Length, housingLower);
    QFETCH(bool, warm);
    QFETCH(Length, reductionMin);
    QFETCH(Length, reductionMax);
    QFETCH(Length, residualCN);
    const Bearing bearing = std::get<Bearing>(bearingNamed(number.toStdString()));
    const auto ring = [&](Ring which, Length diameter) {
        return std::get<Deviations>(
            meanDiameterDeviation(Construction::Radial, which, AccuracyClass::Class0, diameter));
    };
    const Seat shaft{ring(Ring::Inner, bearing.bore), {shaftUpper, shaftLower}, 11.7};
    const Seat housing{ring(Ring::Outer, bearing.outside), {housingUpper, housingLower}, 10.0};
    const auto temperatures =
        warm ? std::optional(MountingTemperatures{60, 60, 50, 40}) : std::nullopt;
    const Mounting mounting =
        mountingOf(bearing.bore, bearing.outside, shaft, housing, temperatures);
    const Raceways raceways = racewaysOf(bearing.bore, bearing.outside, isRoller(bearing.type));
    const Reduction reduction =
        reductionOf(raceways, bearing.bore, bearing.outside,
                    warm ? *mounting.atWorking : mounting.at20, mounting.ringDifference);
    QCOMPARE(reduction.totalMin(), reductionMin);
    QCOMPARE(reduction.totalMax(), reductionMax);
    const ClearanceRange cn = *radialClearance(ClearanceGroup::CN, bearing.bore);
    QCOMPARE(residualOf(cn, reduction).minimum, residualCN);
}

// The groups follow one another at every bore of the table, each overlapping the next, as JIS
// B 1520 lays them out; 6206's CN is 5 to 20 µm (NSK, SKF, ZVL alike).
void TestBearing::clearanceGroups()
{
    const ClearanceRange cn = *radialClearance(ClearanceGroup::CN, mm(30));
    QCOMPARE(cn.minimum, um(5));
    QCOMPARE(cn.maximum, um(20));
    QVERIFY(!radialClearance(ClearanceGroup::CN, mm(6)));
    QVERIFY(!radialClearance(ClearanceGroup::C4, mm(400.5)));
    for (Length d = mm(6.5); d <= mm(400); d += mm(0.5)) {
        for (int g = 0; g < 3; ++g) {
            const auto lower = radialClearance(ClearanceGroup(g), d);
            const auto upper = radialClearance(ClearanceGroup(g + 1), d);
            QVERIFY(lower && upper);
            QVERIFY(lower->minimum < lower->maximum);
            QVERIFY(upper->minimum > lower->minimum && upper->maximum > lower->maximum);
            QVERIFY(upper->minimum <= lower->maximum);
        }
    }
}

QTEST_GUILESS_MAIN(TestBearing)
#include "tst_bearing.moc"
