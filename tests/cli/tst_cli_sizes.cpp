// Which range a size falls in, the spellings of a label, and exact decimal reading and writing.
#include "cli_test_support.h"

#include "cli/exact.h"
#include "cli/sizes.h"

#include <QTest>

using namespace cli;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Bounds
{
    int lower;
    int upper;
};

// The bounds as the label states them, read with Qt, apart from the tool's own reading.
Bounds boundsOf(std::size_t range)
{
    const QStringList parts = q(tolerance::kSizeRanges[range]).split(QChar(0xFF5E));
    Q_ASSERT(parts.size() == 2);
    return {parts[0].toInt(), parts[1].toInt()};
}

std::size_t rangeOf(const QString& size)
{
    return parseSize(utf8(size)).range;
}

} // namespace

class TestCliSizes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Over the lower bound, up to and including the upper: every boundary, as typed.
    void rangeRuleAtEveryBoundary()
    {
        for (std::size_t range = 0; range < tolerance::kSizeRangeCount; ++range) {
            const Bounds bounds = boundsOf(range);
            const QString lower = QString::number(bounds.lower);
            const QString upper = QString::number(bounds.upper);
            const QString label = q(tolerance::kSizeRanges[range]);
            QVERIFY2(rangeOf(lower + u".0001") == range, qPrintable(label));
            QVERIFY2(rangeOf(upper) == range, qPrintable(label));
            QVERIFY2(rangeOf(upper + u".0000") == range, qPrintable(label));
            if (range + 1 < tolerance::kSizeRangeCount)
                QVERIFY2(rangeOf(upper + u".0001") == range + 1, qPrintable(label));
            QVERIFY2(rangeOfDiameter(Length{bounds.lower} * kUnitsPerMm) != range,
                     qPrintable(label));
        }
        QCOMPARE(rangeOf(u"3"_s), 0u);
        QCOMPARE(rangeOf(u"3.001"_s), 1u);
        QCOMPARE(rangeOf(u"500"_s), 24u);
        QVERIFY(!rangeOfDiameter(0));
        QVERIFY(!rangeOfDiameter(kLargestDiameter + 1));
    }

    void labelsAndSpellings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("diameter"); // empty when the size is a label

        QTest::newRow("full-width tilde") << u"30～40"_s << u"30～40"_s << QString();
        QTest::newRow("hyphen") << u"30-40"_s << u"30～40"_s << QString();
        QTest::newRow("ASCII tilde") << u"450~500"_s << u"450～500"_s << QString();
        QTest::newRow("first range") << u"0-3"_s << u"0～3"_s << QString();
        QTest::newRow("whole number") << u"35"_s << u"30～40"_s << u"35"_s;
        QTest::newRow("decimal") << u"35.5"_s << u"30～40"_s << u"35.5"_s;
        QTest::newRow("finest step") << u"0.0001"_s << u"0～3"_s << u"0.0001"_s;
        QTest::newRow("zeros past the fourth decimal")
            << u"35.500000"_s << u"30～40"_s << u"35.5"_s;
        QTest::newRow("leading zeros") << u"007.5"_s << u"6～10"_s << u"7.5"_s;
        QTest::newRow("just below 500") << u"499.9999"_s << u"450～500"_s << u"499.9999"_s;
    }

    void labelsAndSpellings()
    {
        QFETCH(QString, text);
        QFETCH(QString, label);
        QFETCH(QString, diameter);
        const Size size = parseSize(utf8(text));
        QCOMPARE(q(tolerance::kSizeRanges[size.range]), label);
        QCOMPARE(size.diameter.has_value(), !diameter.isEmpty());
        if (size.diameter)
            QCOMPARE(q(formatDiameter(*size.diameter)), diameter);
    }

    void badSizes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // a part of the one-line message

        QTest::newRow("empty") << QString() << u"empty size"_s;
        QTest::newRow("unit appended") << u"35mm"_s << u"neither a size range"_s;
        QTest::newRow("exponent") << u"1e3"_s << u"neither a size range"_s;
        QTest::newRow("decimal comma") << u"35,5"_s << u"with a point"_s;
        QTest::newRow("no whole part") << u".5"_s << u"neither a size range"_s;
        QTest::newRow("no decimals after point") << u"35."_s << u"neither a size range"_s;
        QTest::newRow("leading space") << u" 35"_s << u"neither a size range"_s;
        QTest::newRow("plus sign") << u"+35"_s << u"neither a size range"_s;
        QTest::newRow("full-width digit") << u"3５"_s << u"neither a size range"_s;
        QTest::newRow("two points") << u"3.5.1"_s << u"neither a size range"_s;
        QTest::newRow("negative") << u"-5"_s << u"\"-5\" is not over 0 mm"_s;
        QTest::newRow("negative zero") << u"-0"_s << u"not over 0 mm"_s;
        QTest::newRow("zero") << u"0"_s << u"not over 0 mm"_s;
        QTest::newRow("zero with decimals") << u"0.0000"_s << u"not over 0 mm"_s;
        QTest::newRow("just over 500") << u"500.0001"_s << u"over 500 mm"_s;
        QTest::newRow("huge") << u"99999999999999999999999999"_s << u"over 500 mm"_s;
        QTest::newRow("wraps a 64-bit integer to 1")
            << u"0018446744073709551617"_s << u"over 500 mm"_s;
        QTest::newRow("tiny") << u"0.00000000001"_s << u"more than 4 decimals"_s;
        QTest::newRow("fifth decimal") << u"35.00005"_s << u"more than 4 decimals"_s;
        QTest::newRow("unknown range") << u"30-45"_s << u"not one of the ranges"_s;
        QTest::newRow("spaced label") << u"30 ～ 40"_s << u"not one of the ranges"_s;
        QTest::newRow("open label") << u"3～"_s << u"not one of the ranges"_s;
    }

    void badSizes()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        const QString error = inputErrorOf([&] { parseSize(utf8(text)); });
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    void exactDecimals_data()
    {
        QTest::addColumn<qint64>("units"); // 0.0001 mm
        QTest::addColumn<QString>("millimetres");

        QTest::newRow("three decimals kept") << qint64(350000) << u"35.000"_s;
        QTest::newRow("whole micrometres") << qint64(350250) << u"35.025"_s;
        QTest::newRow("half micrometre") << qint64(64955) << u"6.4955"_s;
        QTest::newRow("small negative") << qint64(-5) << u"-0.0005"_s;
        QTest::newRow("negative") << qint64(-180) << u"-0.018"_s;
        QTest::newRow("largest") << qint64(5010900) << u"501.090"_s;
    }

    void exactDecimals()
    {
        QFETCH(qint64, units);
        QFETCH(QString, millimetres);
        QCOMPARE(q(formatMillimetres(units)), millimetres);
    }
};

QTEST_APPLESS_MAIN(TestCliSizes)
#include "tst_cli_sizes.moc"
