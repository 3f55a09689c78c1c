// SPDX-License-Identifier: MIT
// The spellings of a size, and the messages for what is no size.
#include "cli_test_support.h"

#include "cli/sizes.h"

#include <QTest>

using namespace cli;
using namespace Qt::Literals::StringLiterals;

class TestCliSizes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
        QTest::newRow("just over 500") << u"500.0001"_s << u"500～560"_s << u"500.0001"_s;
        QTest::newRow("step over 500") << u"2800-3150"_s << u"2800～3150"_s << QString();
        QTest::newRow("largest") << u"3150"_s << u"2800～3150"_s << u"3150"_s;
    }

    void labelsAndSpellings()
    {
        QFETCH(QString, text);
        QFETCH(QString, label);
        QFETCH(QString, diameter);
        const Size size = parseSize(utf8(text));
        QCOMPARE(q(size.label()), label);
        QCOMPARE(size.diameter.has_value(), !diameter.isEmpty());
        if (size.diameter)
            QCOMPARE(q(tolerance::formatDiameter(*size.diameter)), diameter);
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
        QTest::newRow("just over 3150") << u"3150.0001"_s << u"over 3150 mm"_s;
        QTest::newRow("huge") << u"99999999999999999999999999"_s << u"over 3150 mm"_s;
        QTest::newRow("wraps a 64-bit integer to 1")
            << u"0018446744073709551617"_s << u"over 3150 mm"_s;
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
};

QTEST_APPLESS_MAIN(TestCliSizes)
#include "tst_cli_sizes.moc"
