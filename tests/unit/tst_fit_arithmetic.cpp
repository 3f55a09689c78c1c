// SPDX-License-Identifier: MIT
// Exact lengths, the range a nominal size falls in, and the fit finder over lists of its own.
#include "test_support.h"

#include "tolerance/fit_finder.h"
#include "tolerance/nominal_size.h"

#include <QStringList>
#include <QTest>

using namespace tolerance;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr Length kLargest = 500 * kNanometresPerMm;

struct Bounds
{
    int lower;
    int upper;
};

// The bounds as the label states them, read with Qt, apart from the core's own reading.
Bounds boundsOf(std::size_t range)
{
    const QStringList parts = q(kSizeRanges[range]).split(QChar(0xFF5E));
    Q_ASSERT(parts.size() == 2);
    return {parts[0].toInt(), parts[1].toInt()};
}

std::optional<std::size_t> rangeOf(const QString& size)
{
    const DiameterReading read = readDiameter(size.toStdString(), kLargest);
    return read.fault == DiameterFault::None ? rangeOfDiameter(read.diameter) : std::nullopt;
}

QStringList namesOf(const std::vector<FoundFit>& fits)
{
    QStringList names;
    for (const FoundFit& f : fits)
        names << q(f.hole->code) + u'/' + q(f.shaft->code);
    return names;
}

Deviations um(int upper, int lower)
{
    return {upper * kNanometresPerMicrometre, lower * kNanometresPerMicrometre};
}

} // namespace

class TestFitArithmetic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Over the lower bound, up to and including the upper: every boundary, as typed.
    void rangeRuleAtEveryBoundary()
    {
        for (std::size_t range = 0; range < kSizeRangeCount; ++range) {
            const Bounds bounds = boundsOf(range);
            const QString lower = QString::number(bounds.lower);
            const QString upper = QString::number(bounds.upper);
            const QString label = q(kSizeRanges[range]);
            QVERIFY2(rangeOf(lower + u".0001") == range, qPrintable(label));
            QVERIFY2(rangeOf(upper) == range, qPrintable(label));
            QVERIFY2(rangeOf(upper + u".0000") == range, qPrintable(label));
            if (range + 1 < kSizeRangeCount)
                QVERIFY2(rangeOf(upper + u".0001") == range + 1, qPrintable(label));
            QVERIFY2(rangeOfDiameter(Length{bounds.lower} * kNanometresPerMm) != range,
                     qPrintable(label));
        }
        QCOMPARE(rangeOf(u"3"_s), 0u);
        QCOMPARE(rangeOf(u"3.001"_s), 1u);
        QCOMPARE(rangeOf(u"500"_s), 24u);
        QVERIFY(!rangeOfDiameter(0));
        QVERIFY(!rangeOfDiameter(kLargest + 1));
    }

    // The largest size is the caller's: the same text is too large at 500 and fine at 3150.
    void largestDiameterIsAParameter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("largest"); // mm
        QTest::addColumn<int>("fault");
        QTest::addColumn<qint64>("nanometres");

        const int none = int(DiameterFault::None);
        const int tooLarge = int(DiameterFault::TooLarge);
        QTest::newRow("630 of 500") << u"630"_s << qint64(500) << tooLarge << qint64(0);
        QTest::newRow("630 of 3150") << u"630"_s << qint64(3150) << none << qint64(630'000'000);
        QTest::newRow("largest") << u"3150.0000"_s << qint64(3150) << none << qint64(3'150'000'000);
        QTest::newRow("a step over") << u"3150.0001"_s << qint64(3150) << tooLarge << qint64(0);
        QTest::newRow("five digits") << u"10000"_s << qint64(3150) << tooLarge << qint64(0);
        QTest::newRow("fifth decimal")
            << u"35.00005"_s << qint64(3150) << int(DiameterFault::TooFine) << qint64(0);
        QTest::newRow("negative zero")
            << u"-0"_s << qint64(3150) << int(DiameterFault::NotPositive) << qint64(0);
        QTest::newRow("comma") << u"3,5"_s << qint64(3150) << int(DiameterFault::NotANumber)
                               << qint64(0);
    }

    void largestDiameterIsAParameter()
    {
        QFETCH(QString, text);
        QFETCH(qint64, largest);
        QFETCH(int, fault);
        QFETCH(qint64, nanometres);
        const DiameterReading read = readDiameter(text.toStdString(), largest * kNanometresPerMm);
        QCOMPARE(int(read.fault), fault);
        if (read.fault == DiameterFault::None)
            QCOMPARE(read.diameter, nanometres);
    }

    // Whole and half micrometres as the tables have always printed them; finer values with as
    // many decimals as they need.
    void exactDecimals_data()
    {
        QTest::addColumn<qint64>("nanometres");
        QTest::addColumn<QString>("millimetres");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("micrometres");

        QTest::newRow("whole mm") << qint64(35'000'000) << u"35.000"_s << u"35"_s << u"35000"_s;
        QTest::newRow("whole µm") << qint64(35'025'000) << u"35.025"_s << u"35.025"_s << u"35025"_s;
        QTest::newRow("half µm") << qint64(6'495'500) << u"6.4955"_s << u"6.4955"_s << u"6495.5"_s;
        QTest::newRow("small negative")
            << qint64(-500) << u"-0.0005"_s << u"-0.0005"_s << u"-0.5"_s;
        QTest::newRow("negative") << qint64(-18'000) << u"-0.018"_s << u"-0.018"_s << u"-18"_s;
        QTest::newRow("half an IT01") << qint64(150) << u"0.00015"_s << u"0.00015"_s << u"0.15"_s;
        QTest::newRow("a nanometre")
            << qint64(-1) << u"-0.000001"_s << u"-0.000001"_s << u"-0.001"_s;
        QTest::newRow("zero") << qint64(0) << u"0.000"_s << u"0"_s << u"0"_s;
        QTest::newRow("largest size")
            << qint64(3'150'000'000) << u"3150.000"_s << u"3150"_s << u"3150000"_s;
    }

    void exactDecimals()
    {
        QFETCH(qint64, nanometres);
        QFETCH(QString, millimetres);
        QFETCH(QString, diameter);
        QFETCH(QString, micrometres);
        QCOMPARE(q(formatMillimetres(nanometres)), millimetres);
        QCOMPARE(q(formatDiameter(nanometres)), diameter);
        QCOMPARE(q(formatMicrometres(nanometres)), micrometres);
        // What is written reads back to the same length.
        const std::string written = formatMillimetres(nanometres); // the views below point into it
        const auto decimal = splitDecimal(written);
        QVERIFY(decimal);
        QCOMPARE(decimal->negative ? -*magnitudeOf(*decimal) : *magnitudeOf(*decimal), nanometres);
    }

    // The finder knows nothing of where its lists come from: codes it has never seen, ties
    // decided by list order, not by code, and the basis read from the code alone.
    void finderOverListsOfItsOwn()
    {
        // Widths: Z9/g4 12 + 8 = 20; H01/g4 10 + 8 = 18; Z9/h01 12 + 1 = 13; H01/h01 10 + 1 = 11.
        const std::vector<Candidate> holes{{"Z9", um(60, 48)}, {"H01", um(10, 0)}};
        const std::vector<Candidate> shafts{{"h01", um(0, -1)}, {"g4", um(-2, -10)}};
        Requirement any;
        QCOMPARE(namesOf(findFits(holes, shafts, any)),
                 QStringList({u"Z9/g4"_s, u"H01/g4"_s, u"Z9/h01"_s, u"H01/h01"_s}));
        Requirement shaftBasis;
        shaftBasis.basis = Basis::Shaft;
        QCOMPARE(namesOf(findFits(holes, shafts, shaftBasis)),
                 QStringList({u"Z9/h01"_s, u"H01/h01"_s}));
        Requirement clearFrom;
        clearFrom.minimumClearance = 2 * kNanometresPerMicrometre; // H01/g4 clears by 2 µm
        clearFrom.type = FitType::Clearance;
        QCOMPARE(namesOf(findFits(holes, shafts, clearFrom)),
                 QStringList({u"Z9/g4"_s, u"H01/g4"_s, u"Z9/h01"_s}));
        // Equal widths keep list order, whatever the codes.
        const std::vector<Candidate> tied{{"Z9", um(58, 48)}, {"H01", um(10, 0)}};
        QCOMPARE(namesOf(findFits(tied, shafts, any)),
                 QStringList({u"Z9/g4"_s, u"H01/g4"_s, u"Z9/h01"_s, u"H01/h01"_s}));
    }
};

QTEST_APPLESS_MAIN(TestFitArithmetic)
#include "tst_fit_arithmetic.moc"
