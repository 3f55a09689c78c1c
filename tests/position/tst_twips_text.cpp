// SPDX-License-Identifier: MIT
// The text of a saved window edge, both ways, and the promise that whatever is read writes back
// to a text that reads as the same value.
#include "app/position/twips_text.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

using namespace position;
using namespace Qt::Literals::StringLiterals;

namespace {

// The written form: no exponent, no blank, no "+", no leading zero before a digit, no trailing
// zero after the point.
const QRegularExpression kWrittenForm(u"^-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?$"_s);

int significantDigits(const QString& text)
{
    QString digits = text;
    digits.remove(u'-').remove(u'.');
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    return static_cast<int>(digits.size());
}

} // namespace

class TestTwipsText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writes_data()
    {
        QTest::addColumn<float>("twips");
        QTest::addColumn<QString>("text");

        QTest::newRow("whole") << 2880.0f << u"2880"_s;
        QTest::newRow("whole 1215") << 1215.0f << u"1215"_s;
        QTest::newRow("negative") << -1440.0f << u"-1440"_s;
        QTest::newRow("zero") << 0.0f << u"0"_s;
        QTest::newRow("negative zero") << -0.0f << u"0"_s;
        QTest::newRow("seven digits") << 1000000.0f << u"1000000"_s;
        QTest::newRow("seven digits negative") << -9999999.0f << u"-9999999"_s;
        QTest::newRow("eight digits round") << 12345678.0f << u"12345680"_s;
        QTest::newRow("large") << 123456789.0f << u"123456800"_s;
        QTest::newRow("largest float") << FLT_MAX << u"340282300000000000000000000000000000000"_s;
        QTest::newRow("fraction") << 1234.5f << u"1234.5"_s;
        QTest::newRow("negative fraction") << -0.5f << u"-0.5"_s;
        QTest::newRow("tenth") << 0.1f << u"0.1"_s;
        QTest::newRow("third") << 1.0f / 3.0f << u"0.3333333"_s;
        QTest::newRow("fraction rounded to 7 digits") << 2880.123f << u"2880.123"_s;
        QTest::newRow("carry into a new digit") << 9999999.5f << u"10000000"_s;
        QTest::newRow("small") << 0.00001f << u"0.00001"_s;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << QString();
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << QString();
        QTest::newRow("minus infinite") << -std::numeric_limits<float>::infinity() << QString();
    }

    void writes()
    {
        QFETCH(float, twips);
        QFETCH(QString, text);
        QCOMPARE(twipsText(twips), text);
    }

    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<float>("twips");

        QTest::newRow("whole") << u"2880"_s << true << 2880.0f;
        QTest::newRow("negative") << u"-1440"_s << true << -1440.0f;
        QTest::newRow("zero") << u"0"_s << true << 0.0f;
        QTest::newRow("minus zero") << u"-0"_s << true << 0.0f;
        QTest::newRow("leading zeros") << u"0003000"_s << true << 3000.0f;
        QTest::newRow("fraction down") << u"1234.4"_s << true << 1234.0f;
        QTest::newRow("fraction up") << u"1234.6"_s << true << 1235.0f;
        QTest::newRow("half away from zero") << u"2.5"_s << true << 3.0f;
        QTest::newRow("negative half away from zero") << u"-0.5"_s << true << -1.0f;
        QTest::newRow("upper limit") << u"1000000"_s << true << 1000000.0f;
        QTest::newRow("lower limit") << u"-1000000"_s << true << -1000000.0f;
        QTest::newRow("rounds onto the limit") << u"1000000.4"_s << true << 1000000.0f;
        QTest::newRow("below the smallest float")
            << u"0.0000000000000000000000000000000000000000000000000001"_s << true << 0.0f;
        QTest::newRow("fifty leading zeros") << (QString(50, u'0') + u"15"_s) << true << 15.0f;

        QTest::newRow("empty") << QString() << false << 0.0f;
        QTest::newRow("blank") << u" "_s << false << 0.0f;
        QTest::newRow("letters") << u"abc"_s << false << 0.0f;
        QTest::newRow("trailing junk") << u"3000abc"_s << false << 0.0f;
        QTest::newRow("trailing blank") << u"3000 "_s << false << 0.0f;
        QTest::newRow("leading blank") << u" 3000"_s << false << 0.0f;
        QTest::newRow("plus sign") << u"+3000"_s << false << 0.0f;
        QTest::newRow("double minus") << u"--3000"_s << false << 0.0f;
        QTest::newRow("lone minus") << u"-"_s << false << 0.0f;
        QTest::newRow("exponent too large") << u"1e40"_s << false << 0.0f;
        QTest::newRow("exponent in range") << u"1e3"_s << false << 0.0f;
        QTest::newRow("not a number") << u"nan"_s << false << 0.0f;
        QTest::newRow("infinity") << u"inf"_s << false << 0.0f;
        QTest::newRow("minus infinity") << u"-inf"_s << false << 0.0f;
        QTest::newRow("hexadecimal") << u"0x10"_s << false << 0.0f;
        QTest::newRow("thousands comma") << u"3,000"_s << false << 0.0f;
        QTest::newRow("decimal comma") << u"1234,5"_s << false << 0.0f;
        QTest::newRow("point without digits after") << u"3000."_s << false << 0.0f;
        QTest::newRow("point without digits before") << u".5"_s << false << 0.0f;
        QTest::newRow("two points") << u"1.2.3"_s << false << 0.0f;
        QTest::newRow("full-width digits") << u"３０００"_s << false << 0.0f;
        QTest::newRow("embedded nul") << QString(u"30\0"
                                                 "00"_s)
                                      << false << 0.0f;
        QTest::newRow("just beyond the limit") << u"1000001"_s << false << 0.0f;
        QTest::newRow("rounds beyond the limit") << u"1000000.5"_s << false << 0.0f;
        QTest::newRow("just below the limit") << u"-1000001"_s << false << 0.0f;
        QTest::newRow("beyond a float") << (u"1"_s + QString(50, u'0')) << false << 0.0f;
        QTest::newRow("largest float written")
            << u"340282300000000000000000000000000000000"_s << false << 0.0f;
    }

    void reads()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(float, twips);
        const std::optional<float> value = twipsFromText(text);
        QCOMPARE(value.has_value(), accepted);
        if (accepted) {
            QCOMPARE(*value, twips);
            QVERIFY(!std::signbit(*value) || *value < 0.0f);
        }
    }

    // Every value the reader can give, written and read again.
    void everyAcceptedValueRoundTrips()
    {
        const int limit = static_cast<int>(kMaxEdgeTwips);
        for (int whole = -limit; whole <= limit; ++whole) {
            const float twips = static_cast<float>(whole);
            const QString text = twipsText(twips);
            if (text != QString::number(whole) || twipsFromText(text) != twips)
                QFAIL(qPrintable(u"%1 wrote \"%2\""_s.arg(whole).arg(text)));
        }
    }

    // Random decimal texts, some of them valid: whatever is accepted is a whole number in range
    // whose written text has at most 7 digits and reads back as the same value.
    void randomTextsThatAreAcceptedRoundTrip()
    {
        QRandomGenerator random(20260101);
        const QString alphabet = u"0123456789-.e+ xn"_s;
        int accepted = 0;
        for (int i = 0; i < 200000; ++i) {
            QString text;
            const int length = 1 + static_cast<int>(random.bounded(12));
            for (int k = 0; k < length; ++k) {
                const bool digit = random.bounded(4) != 0;
                text += digit ? QChar(u'0' + static_cast<char16_t>(random.bounded(10)))
                              : alphabet[random.bounded(alphabet.size())];
            }
            const std::optional<float> value = twipsFromText(text);
            if (!value)
                continue;
            ++accepted;
            const QString written = twipsText(*value);
            QVERIFY2(std::fabs(*value) <= kMaxEdgeTwips && *value == std::round(*value),
                     qPrintable(text));
            QVERIFY2(significantDigits(written) <= 7, qPrintable(text + u" -> "_s + written));
            QVERIFY2(twipsFromText(written) == value, qPrintable(text + u" -> "_s + written));
        }
        QVERIFY(accepted > 10000); // the generator did reach valid texts
    }

    // Random float bit patterns: the text has the written form, at most 7 significant digits, and
    // is the value correctly rounded to 7 digits (compared with the C library's %.7g; exact ties go
    // to
    // the even digit in both).
    void randomFloatsWriteSevenDigits()
    {
        QRandomGenerator random(7);
        for (int i = 0; i < 100000; ++i) {
            const quint32 bits = random.generate();
            float value;
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
            const QString text = twipsText(value);
            QVERIFY2(kWrittenForm.match(text).hasMatch(), qPrintable(text));
            QVERIFY2(significantDigits(text) <= 7, qPrintable(text));
            std::array<char, 64> printed{};
            std::snprintf(printed.data(), printed.size(), "%.7g", static_cast<double>(value));
            const double expected = std::strtod(printed.data(), nullptr);
            QVERIFY2(text.toDouble() == expected,
                     qPrintable(text + u" for "_s + QString::number(value, 'g', 9)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTwipsText)
#include "tst_twips_text.moc"
