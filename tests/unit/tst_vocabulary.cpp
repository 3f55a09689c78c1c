// SPDX-License-Identifier: MIT
// The lists the window fills, the names of the classes, the dispatch and the lookup contract.
#include "test_support.h"

#include "tolerance/classes.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

using namespace tolerance;
using namespace Qt::Literals::StringLiterals;

namespace {

QStringList codesOf(Side side)
{
    QStringList codes;
    for (const ToleranceClass& cls : classesOf(side))
        codes << q(cls.code);
    return codes;
}

} // namespace

class TestVocabulary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeRangesAreTheTwentyFiveLabelsInOrder()
    {
        QStringList labels;
        for (std::string_view label : kSizeRanges)
            labels << q(label);
        QCOMPARE(labels.size(), 25);
        QCOMPARE(labels.first(), QStringLiteral("0～3"));
        QCOMPARE(labels.last(), QStringLiteral("450～500"));
        // Each label starts where the previous one ended, so none is missing or out of place.
        for (qsizetype i = 1; i < labels.size(); ++i) {
            const QStringList prev = labels[i - 1].split(QChar(0xFF5E));
            const QStringList cur = labels[i].split(QChar(0xFF5E));
            QCOMPARE(prev.size(), 2);
            QCOMPARE(cur.size(), 2);
            QCOMPARE(cur[0], prev[1]);
            QVERIFY(cur[1].toInt() > cur[0].toInt());
        }
    }

    void classListsAreInListOrder()
    {
        QCOMPARE(codesOf(Side::Hole),
                 QStringList({u"B10"_s, u"C9"_s, u"C10"_s, u"D8"_s, u"D9"_s,  u"D10"_s, u"E7"_s,
                              u"E8"_s,  u"E9"_s, u"F6"_s,  u"F7"_s, u"F8"_s,  u"G6"_s,  u"G7"_s,
                              u"H6"_s,  u"H7"_s, u"H8"_s,  u"H9"_s, u"H10"_s, u"JS6"_s, u"JS7"_s,
                              u"K6"_s,  u"K7"_s, u"M6"_s,  u"M7"_s, u"N6"_s,  u"N7"_s,  u"P6"_s,
                              u"P7"_s,  u"R7"_s, u"S7"_s,  u"T7"_s, u"U7"_s,  u"X7"_s}));
        QCOMPARE(
            codesOf(Side::Shaft),
            QStringList({u"b9"_s, u"c9"_s,  u"d8"_s,  u"d9"_s,  u"e7"_s, u"e8"_s, u"e9"_s, u"f6"_s,
                         u"f7"_s, u"f8"_s,  u"g5"_s,  u"g6"_s,  u"h5"_s, u"h6"_s, u"h7"_s, u"h8"_s,
                         u"h9"_s, u"js5"_s, u"js6"_s, u"js7"_s, u"k5"_s, u"k6"_s, u"m5"_s, u"m6"_s,
                         u"n6"_s, u"p6"_s,  u"r6"_s,  u"s6"_s,  u"t6"_s, u"u6"_s, u"x6"_s}));
    }

    void moduleNamesFollowTheCode()
    {
        // M_ + letters + two-digit grade + A for holes, N_ + … + Z for shafts; d8 is N_D08Z.
        const QRegularExpression codeShape(u"^([A-Za-z]+)([0-9]+)$"_s);
        for (Side side : {Side::Hole, Side::Shaft}) {
            for (const ToleranceClass& cls : classesOf(side)) {
                QCOMPARE(cls.side, side);
                const auto m = codeShape.match(q(cls.code));
                QVERIFY2(m.hasMatch(), qPrintable(q(cls.code)));
                QString expected = side == Side::Hole
                                       ? u"M_%1%2A"_s.arg(m.captured(1))
                                             .arg(m.captured(2).toInt(), 2, 10, QChar(u'0'))
                                       : u"N_%1%2Z"_s.arg(m.captured(1))
                                             .arg(m.captured(2).toInt(), 2, 10, QChar(u'0'));
                if (cls.code == "d8")
                    expected = u"N_D08Z"_s;
                QCOMPARE(q(cls.module), expected);
            }
        }
    }

    void dispatchTriesD9BeforeD8AndOtherwiseListOrder()
    {
        QStringList holeOrder, shaftOrder;
        for (std::size_t i : dispatchOrder(Side::Hole))
            holeOrder << q(holeClasses()[i].code);
        for (std::size_t i : dispatchOrder(Side::Shaft))
            shaftOrder << q(shaftClasses()[i].code);
        QCOMPARE(holeOrder, codesOf(Side::Hole));
        QStringList expectedShaft = codesOf(Side::Shaft);
        expectedShaft.swapItemsAt(2, 3);
        QCOMPARE(shaftOrder.mid(0, 5), QStringList({u"b9"_s, u"c9"_s, u"d9"_s, u"d8"_s, u"e7"_s}));
        QCOMPARE(shaftOrder, expectedShaft);
    }

    void findClassIsExact_data()
    {
        QTest::addColumn<bool>("hole");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("module"); // empty: no class

        QTest::newRow("hole H7") << true << u"H7"_s << u"M_H07A"_s;
        QTest::newRow("hole JS6") << true << u"JS6"_s << u"M_JS06A"_s;
        QTest::newRow("hole C10 not C9") << true << u"C10"_s << u"M_C10A"_s;
        QTest::newRow("shaft d8 runs N_D08Z") << false << u"d8"_s << u"N_D08Z"_s;
        QTest::newRow("shaft d9") << false << u"d9"_s << u"N_d09Z"_s;
        QTest::newRow("shaft js5") << false << u"js5"_s << u"N_js05Z"_s;
        QTest::newRow("small h7 on the hole side") << true << u"h7"_s << QString();
        QTest::newRow("capital H7 on the shaft side") << false << u"H7"_s << QString();
        QTest::newRow("trailing space") << true << u"H7 "_s << QString();
        QTest::newRow("leading space") << true << u" H7"_s << QString();
        QTest::newRow("empty hole") << true << QString() << QString();
        QTest::newRow("empty shaft") << false << QString() << QString();
        QTest::newRow("full-width letter") << true << u"Ｈ7"_s << QString();
        QTest::newRow("prefix of a code") << true << u"H"_s << QString();
        QTest::newRow("js in capitals on shaft") << false << u"JS6"_s << QString();
    }

    void findClassIsExact()
    {
        QFETCH(bool, hole);
        QFETCH(QString, code);
        QFETCH(QString, module);
        const QByteArray utf8 = code.toUtf8();
        const ToleranceClass* cls =
            findClass(hole ? Side::Hole : Side::Shaft, std::string_view(utf8.data(), utf8.size()));
        if (module.isEmpty()) {
            QVERIFY(cls == nullptr);
        } else {
            QVERIFY(cls != nullptr);
            QCOMPARE(q(cls->module), module);
            QCOMPARE(q(cls->code), code);
        }
    }

    void showDeviationsExamples_data()
    {
        QTest::addColumn<bool>("hole");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");

        const QString undefined = u"  ---"_s;
        const auto row = [](const char* name, bool hole, const QString& code, const QString& range,
                            const QString& upper, const QString& lower) {
            QTest::newRow(name) << hole << code << range << upper << lower;
        };
        row("B10 0~3 first lookup", true, u"B10"_s, u"0～3"_s, u"+0.180"_s, u"+0.140"_s);
        row("H7 30~40", true, u"H7"_s, u"30～40"_s, u"+0.025"_s, u" 0"_s);
        row("JS6 6~10 half micrometre", true, u"JS6"_s, u"6～10"_s, u"±"_s, u"0.0045"_s);
        row("JS6 30~40", true, u"JS6"_s, u"30～40"_s, u"±"_s, u"0.008"_s);
        row("JS6 450~500", true, u"JS6"_s, u"450～500"_s, u"±"_s, u"0.020"_s);
        row("JS7 6~10 rounded down", true, u"JS7"_s, u"6～10"_s, u"±"_s, u"0.007"_s);
        row("T7 0~3 undefined", true, u"T7"_s, u"0～3"_s, undefined, undefined);
        row("T7 18~24 undefined", true, u"T7"_s, u"18～24"_s, undefined, undefined);
        row("T7 24~30", true, u"T7"_s, u"24～30"_s, u"-0.033"_s, u"-0.054"_s);
        row("T7 180~200 undefined", true, u"T7"_s, u"180～200"_s, undefined, undefined);
        row("X7 10~14", true, u"X7"_s, u"10～14"_s, u"-0.033"_s, u"-0.051"_s);
        row("X7 14~18", true, u"X7"_s, u"14～18"_s, u"-0.038"_s, u"-0.056"_s);
        row("X7 30~40 undefined", true, u"X7"_s, u"30～40"_s, undefined, undefined);
        row("R7 50~65", true, u"R7"_s, u"50～65"_s, u"-0.030"_s, u"-0.060"_s);
        row("R7 65~80", true, u"R7"_s, u"65～80"_s, u"-0.032"_s, u"-0.062"_s);
        row("B10 400~450", true, u"B10"_s, u"400～450"_s, u"+1.010"_s, u"+0.760"_s);
        row("B10 450~500", true, u"B10"_s, u"450～500"_s, u"+1.090"_s, u"+0.840"_s);
        row("K7 0~3", true, u"K7"_s, u"0～3"_s, u" 0"_s, u"-0.010"_s);
        row("M7 0~3", true, u"M7"_s, u"0～3"_s, u"-0.002"_s, u"-0.012"_s);
        row("M7 3~6", true, u"M7"_s, u"3～6"_s, u" 0"_s, u"-0.012"_s);
        row("M6 250~280", true, u"M6"_s, u"250～280"_s, u"-0.009"_s, u"-0.041"_s);
        row("M6 280~315", true, u"M6"_s, u"280～315"_s, u"-0.009"_s, u"-0.041"_s);
        row("b9 0~3 first lookup", false, u"b9"_s, u"0～3"_s, u"-0.140"_s, u"-0.165"_s);
        row("h7 0~3", false, u"h7"_s, u"0～3"_s, u" 0"_s, u"-0.010"_s);
        row("h7 30~40", false, u"h7"_s, u"30～40"_s, u" 0"_s, u"-0.025"_s);
        row("g6 0~3", false, u"g6"_s, u"0～3"_s, u"-0.002"_s, u"-0.008"_s);
        row("js7 0~3", false, u"js7"_s, u"0～3"_s, u"±"_s, u"0.005"_s);
        row("js7 18~24", false, u"js7"_s, u"18～24"_s, u"±"_s, u"0.010"_s);
        row("js6 6~10", false, u"js6"_s, u"6～10"_s, u"±"_s, u"0.0045"_s);
        row("js5 6~10", false, u"js5"_s, u"6～10"_s, u"±"_s, u"0.003"_s);
        row("t6 18~24 undefined", false, u"t6"_s, u"18～24"_s, undefined, undefined);
        row("t6 24~30", false, u"t6"_s, u"24～30"_s, u"+0.054"_s, u"+0.041"_s);
        row("t6 180~200 undefined", false, u"t6"_s, u"180～200"_s, undefined, undefined);
        row("x6 10~14", false, u"x6"_s, u"10～14"_s, u"+0.051"_s, u"+0.040"_s);
        row("x6 14~18", false, u"x6"_s, u"14～18"_s, u"+0.056"_s, u"+0.045"_s);
        row("x6 30~40 undefined", false, u"x6"_s, u"30～40"_s, undefined, undefined);
        row("u6 18~24", false, u"u6"_s, u"18～24"_s, u"+0.054"_s, u"+0.041"_s);
        row("u6 24~30", false, u"u6"_s, u"24～30"_s, u"+0.061"_s, u"+0.048"_s);
        row("k6 0~3", false, u"k6"_s, u"0～3"_s, u"+0.006"_s, u" 0"_s);
        row("b9 450~500", false, u"b9"_s, u"450～500"_s, u"-0.840"_s, u"-0.995"_s);
    }

    void showDeviationsExamples()
    {
        QFETCH(bool, hole);
        QFETCH(QString, code);
        QFETCH(QString, range);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        const QByteArray codeUtf8 = code.toUtf8();
        const QByteArray rangeUtf8 = range.toUtf8();
        const ToleranceClass* cls = findClass(hole ? Side::Hole : Side::Shaft,
                                              std::string_view(codeUtf8.data(), codeUtf8.size()));
        QVERIFY(cls != nullptr);
        const auto entry =
            ShowDeviations(*cls, std::string_view(rangeUtf8.data(), rangeUtf8.size()));
        QVERIFY(entry.has_value());
        QCOMPARE(q(entry->upper), upper);
        QCOMPARE(q(entry->lower), lower);
    }

    void rangeTextsThatMatchNothing_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("ASCII tilde") << QByteArray("30~40");
        QTest::newRow("wave dash U+301C") << QStringLiteral("30\u301C40").toUtf8();
        QTest::newRow("hyphen") << QByteArray("30-40");
        QTest::newRow("trailing space") << QStringLiteral("30～40 ").toUtf8();
        QTest::newRow("leading space") << QStringLiteral(" 30～40").toUtf8();
        QTest::newRow("leading zero") << QStringLiteral("03～6").toUtf8();
        QTest::newRow("full-width digits") << QStringLiteral("３０～４０").toUtf8();
        QTest::newRow("bounds swapped") << QStringLiteral("40～30").toUtf8();
        QTest::newRow("half a label") << QStringLiteral("30～").toUtf8();
        QTest::newRow("label plus NUL") << QStringLiteral("30～40").toUtf8().append('\0');
        QTest::newRow("bare number") << QByteArray("35");
        QTest::newRow("beyond the table") << QStringLiteral("500～630").toUtf8();
    }

    void rangeTextsThatMatchNothing()
    {
        QFETCH(QByteArray, text);
        const std::string_view view(text.data(), text.size());
        QVERIFY(!findSizeRange(view).has_value());
        for (Side side : {Side::Hole, Side::Shaft})
            for (const ToleranceClass& cls : classesOf(side))
                QVERIFY(!ShowDeviations(cls, view).has_value());
    }

    void everyLabelFindsItsOwnEntry()
    {
        for (std::size_t i = 0; i < kSizeRanges.size(); ++i) {
            QCOMPARE(findSizeRange(kSizeRanges[i]), std::optional<std::size_t>(i));
            for (Side side : {Side::Hole, Side::Shaft})
                for (const ToleranceClass& cls : classesOf(side))
                    QVERIFY(ShowDeviations(cls, kSizeRanges[i]) == cls.entries[i]);
        }
    }
};

QTEST_APPLESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
