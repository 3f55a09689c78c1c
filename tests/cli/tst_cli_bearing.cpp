// SPDX-License-Identifier: MIT
// Rolling bearings on the command line: a ring as a side, a bearing by its number with both fits
// and what they take of its clearance, the recommended classes, and the input refused.
#include "cli_test_support.h"

#include "cli/app.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <sstream>

using namespace cli;
using namespace Qt::Literals::StringLiterals;

namespace {

struct Outcome
{
    int exit;
    QString out;
    QString err;
};

Outcome runTool(const QString& commandLine)
{
    std::vector<std::string> texts;
    for (const QString& arg : commandLine.split(u' ', Qt::SkipEmptyParts))
        texts.push_back(utf8(arg));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::ostringstream out;
    std::ostringstream err;
    const int exit = run(views, out, err);
    return {exit, q(out.str()), q(err.str())};
}

// A value of the JSON answer by its path, "shaft_fit/maximum_interference", as text.
QString valueAt(const QJsonObject& root, const QString& path)
{
    QJsonValue value = root;
    for (const QString& key : path.split(u'/')) {
        bool index = false;
        const int i = key.toInt(&index);
        value = index ? value.toArray().at(i) : value.toObject().value(key);
    }
    if (value.isString())
        return value.toString();
    if (value.isBool())
        return value.toBool() ? u"true"_s : u"false"_s;
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue& item : value.toArray())
            items << item.toString();
        return items.join(u' ');
    }
    return value.isDouble() ? QString::number(value.toDouble()) : QString();
}

} // namespace

class TestCliBearing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("value");
        // 6206 on k5 in H7 (SKF's fit tables: the bore 0/-10 on k5 +11/+2 gives 2 to 21 µm of
        // interference; H7 +30/0 round the outside 0/-13 gives 0 to 43 µm of clearance).
        const QString k5 = u"k5 30 --bearing-bore 0"_s;
        QTest::newRow("inner ring on k5") << k5 << u"maximum_interference"_s << u"0.021"_s;
        QTest::newRow("inner ring on k5, loosest") << k5 << u"minimum_interference"_s << u"0.002"_s;
        QTest::newRow("inner ring named") << k5 << u"hole"_s << u"bearing inner ring, class 0"_s;
        QTest::newRow("ring group") << k5 << u"bearing/lower"_s << u"-0.01"_s;
        QTest::newRow("ring group standard")
            << k5 << u"bearing/standard"_s << u"JIS B 1514-1 (ISO 492), radial bearings"_s;
        QTest::newRow("outer ring in H7")
            << u"H7 62 --bearing-outside 0"_s << u"maximum_clearance"_s << u"0.043"_s;
        const QString b6206 = u"--bearing 6206 --shaft k5 --housing H7"_s;
        QTest::newRow("6206 dimensions") << b6206 << u"bearing/B"_s << u"16"_s;
        QTest::newRow("6206 housing fit")
            << b6206 << u"housing_fit/minimum_clearance"_s << u"0.000"_s;
        // Worked out in tst_bearing: 2·30/36.4 to 21·30/36.4 µm, CN 5 to 20 µm.
        QTest::newRow("6206 reduction") << b6206 << u"clearance/reduction_max"_s << u"0.0173"_s;
        QTest::newRow("6206 CN may vanish")
            << b6206 << u"clearance/groups/1/may_vanish"_s << u"true"_s;
        QTest::newRow("6206 CN left")
            << b6206 << u"clearance/groups/1/mounted_minimum"_s << u"-0.0123"_s;
        // 6310 on m5 in J7: the shaft 9 to 32 µm (SKF, 30 to 50 mm), the housing from 13 µm of
        // interference to 37 µm of clearance (SKF, 80 to 120 mm).
        const QString b6310 = u"--bearing 6310 --shaft m5 --housing J7"_s;
        QTest::newRow("6310 shaft fit")
            << b6310 << u"shaft_fit/maximum_interference"_s << u"0.032"_s;
        QTest::newRow("6310 housing fit")
            << b6310 << u"housing_fit/maximum_interference"_s << u"0.013"_s;
        QTest::newRow("6310 reduction") << b6310 << u"clearance/reduction_max"_s << u"0.0374"_s;
        // A class-5 spindle bearing 7014 (70 × 110 × 20): bore 0/-9, outside 0/-10 (NSK, SKF,
        // ZVL). On js5 (±6.5 at 65-80): 0 - (-6.5) = 6.5 µm clear to -9 - 6.5 = 15.5 µm tight;
        // in JS6 (±11 at 80-120): 11 + 10 = 21 µm clear to 11 µm tight.
        const QString spindle = u"--bearing 7014 --bearing-class 5 --shaft js5 --housing JS6"_s;
        QTest::newRow("spindle inner ring")
            << spindle << u"bearing/inner_ring/lower"_s << u"-0.009"_s;
        QTest::newRow("spindle shaft fit")
            << spindle << u"shaft_fit/maximum_interference"_s << u"0.0155"_s;
        QTest::newRow("spindle housing fit")
            << spindle << u"housing_fit/maximum_clearance"_s << u"0.021"_s;
        QTest::newRow("angular contact has no groups")
            << spindle << u"clearance/groups"_s << QString();
        // The load's first classes stand in for --shaft and --housing.
        const QString byLoad = u"--bearing 6206 --load rotating-inner --load-size normal"_s;
        QTest::newRow("recommended shaft") << byLoad << u"recommended/shaft"_s << u"k5 k6"_s;
        QTest::newRow("recommended shaft used") << byLoad << u"shaft_fit/shaft"_s << u"k5"_s;
        QTest::newRow("recommended housing used") << byLoad << u"housing_fit/hole"_s << u"H7"_s;
        QTest::newRow("load alone")
            << u"--load rotating-outer --load-size heavy"_s << u"recommended/housing"_s << u"P7"_s;
        QTest::newRow("tapered 30206") << u"--bearing 30206 --shaft k6 --housing H7"_s
                                       << u"bearing/inner_ring/lower"_s << u"-0.012"_s;
    }

    void answers()
    {
        QFETCH(QString, args);
        QFETCH(QString, path);
        QFETCH(QString, value);
        const Outcome outcome = runTool(args + u" --format json"_s);
        QCOMPARE(outcome.exit, kExitSuccess);
        QCOMPARE(valueAt(QJsonDocument::fromJson(outcome.out.toUtf8()).object(), path), value);
    }

    void badInputExitsTwoWithOneLine_data()
    {
        QTest::addColumn<QString>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no bearing class")
            << u"k5 30 --bearing-bore 3"_s << u"--bearing-bore \"3\" is not a bearing class"_s;
        QTest::newRow("outside the class's table")
            << u"k5 300 --bearing-bore 4"_s
            << u"bore 300 mm is outside class 4's table for a radial bearing's inner ring "
               u"(over 0.6 up to 250 mm)"_s;
        QTest::newRow("a range, not a diameter")
            << u"k5 24～30 --bearing-bore 0"_s
            << u"--bearing-bore needs a diameter such as 30, not the range 24～30"_s;
        QTest::newRow("the ring's own side")
            << u"H7 30 --bearing-bore 0"_s << u"--bearing-bore makes the hole the inner ring"_s;
        QTest::newRow("unknown number")
            << u"--bearing 6806 --shaft k5"_s << u"--bearing \"6806\" is not a bearing number"_s;
        QTest::newRow("bore past the series")
            << u"--bearing 6299"_s << u"--bearing \"6299\" has a bore outside its series' table"_s;
        QTest::newRow("load the tables leave out")
            << u"--bearing 6206 --load rotating-inner --load-size heavy"_s
            << u"the tables have no classes for a heavy rotating-inner load on 6206"_s;
        QTest::newRow("no such load") << u"--load sideways --load-size light"_s
                                      << u"--load \"sideways\" is not a load case"_s;
        QTest::newRow("6X on a radial bearing") << u"--bearing 6206 --bearing-class 6X"_s
                                                << u"class 6X is no class of a radial bearing"_s;
        QTest::newRow("a fit's option") << u"--bearing 6206 --hub-diameter 80"_s
                                        << u"--hub-diameter does not go with --bearing"_s;
        QTest::newRow("housing class for the shaft")
            << u"--bearing 6206 --shaft H7"_s << u"--shaft takes the shaft's class"_s;
    }

    void badInputExitsTwoWithOneLine()
    {
        QFETCH(QString, args);
        QFETCH(QString, message);
        const Outcome outcome = runTool(args);
        QCOMPARE(outcome.exit, kExitUsage);
        QVERIFY(outcome.out.isEmpty());
        QVERIFY2(outcome.err.startsWith(u"tessaly-cli: "_s + message), qPrintable(outcome.err));
        QCOMPARE(outcome.err.count(u'\n'), 1);
    }

    // The text answer keeps the fit's lines under a heading of each fit, and says in words
    // what is left of each group.
    void textAnswer()
    {
        const Outcome outcome = runTool(u"--bearing 6206 --shaft k5 --housing H7"_s);
        QCOMPARE(outcome.exit, kExitSuccess);
        QVERIFY(outcome.out.contains(u"\nshaft_fit:\n  hole: bearing inner ring, class 0\n"_s));
        QVERIFY(outcome.out.contains(
            u"clearance_CN: 0.005 to 0.020 mm before mounting, -0.0123 to 0.0184 mm mounted: "
            u"the clearance may vanish; the largest reduction exceeds CN's smallest clearance "
            u"by 0.0123 mm\n"_s));
    }
};

QTEST_GUILESS_MAIN(TestCliBearing)
#include "tst_cli_bearing.moc"
