// SPDX-License-Identifier: MIT
// --general: a general tolerance as the text, the JSON and the one-line refusals give it.
#include "cli_test_support.h"

#include "cli/app.h"

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

Outcome runGeneral(const QString& commandLine)
{
    std::vector<std::string> texts{"--general"};
    for (const QString& arg : commandLine.split(u' ', Qt::SkipEmptyParts))
        texts.push_back(utf8(arg));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::ostringstream out;
    std::ostringstream err;
    const int exit = run(views, out, err);
    return {exit, q(out.str()), q(err.str())};
}

QJsonObject jsonOf(const QString& commandLine)
{
    const Outcome outcome = runGeneral(commandLine + u" --format json"_s);
    return QJsonDocument::fromJson(outcome.out.toUtf8()).object()[u"general"_s].toObject();
}

} // namespace

class TestCliGeneral : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Figures of JIS B 0405 and JIS B 0419 as MIKI PULLEY's and NBK's excerpts print them; the
    // limits of size by hand (35 ± 0.3 = 34.7 to 35.3). "m 35" is the README's example.
    void answers_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("lines"); // among the answer's lines

        QTest::newRow("m 35") << u"m 35"_s
                              << QStringList{u"standard: JIS B 0405:1991 (ISO 2768-1:1989)"_s,
                                             u"class: m (medium)"_s,
                                             u"kind: linear"_s,
                                             u"range: 30～120"_s,
                                             u"tolerance: ±0.3"_s,
                                             u"upper: +0.3"_s,
                                             u"lower: -0.3"_s,
                                             u"maximum: 35.3"_s,
                                             u"minimum: 34.7"_s};
        QTest::newRow("v on its dash")
            << u"v 2"_s << QStringList{u"range: 0.5～3"_s, u"tolerance: —"_s, u"upper: —"_s};
        QTest::newRow("angle on a boundary")
            << u"m 50 --kind angle"_s
            << QStringList{u"range: 10～50"_s, u"tolerance: ±0°30′"_s, u"lower: -0°30′"_s};
        QTest::newRow("chamfer") << u"c 7 --kind chamfer"_s
                                 << QStringList{u"range: 6～"_s, u"tolerance: ±2"_s,
                                                u"minimum: 5"_s};
        QTest::newRow("a drawing's mK, for flatness")
            << u"mK 150 --kind flatness"_s
            << QStringList{u"standard: JIS B 0419:1991 (ISO 2768-2:1989)"_s, u"class: K"_s,
                           u"tolerance: 0.4"_s, u"lower: 0"_s,
                           u"note: ISO withdrew ISO 2768-2 (ISO 22081:2021 replaces it); "
                           u"JIS B 0419 stands"_s};
        QTest::newRow("runout") << u"L 7 --kind runout"_s
                                << QStringList{u"range: any size"_s, u"tolerance: 0.5"_s};
    }

    void answers()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, lines);
        const Outcome outcome = runGeneral(command);
        QCOMPARE(outcome.exit, kExitSuccess);
        const QStringList answer = outcome.out.split(u'\n');
        for (const QString& line : lines)
            QVERIFY2(answer.contains(line), qPrintable(line + u" in:\n"_s + outcome.out));
    }

    // Numbers in mm, an angle's in degrees, null where the table has its dash.
    void json()
    {
        const QJsonObject size = jsonOf(u"m 35"_s);
        QCOMPARE(size[u"upper"_s].toDouble(), 0.3);
        QCOMPARE(size[u"lower"_s].toDouble(), -0.3);
        QCOMPARE(size[u"text"_s].toString(), u"±0.3"_s);
        QCOMPARE(size[u"range"_s].toString(), u"30～120"_s);
        const QJsonObject angle = jsonOf(u"c 10 --kind angle"_s); // ±1°30′ up to 10
        QCOMPARE(angle[u"upper"_s].toDouble(), 1.5);
        QCOMPARE(angle[u"lower"_s].toDouble(), -1.5);
        QCOMPARE(angle[u"unit"_s].toString(), u"degree"_s);
        const QJsonObject dash = jsonOf(u"f 2500"_s);
        QVERIFY(dash[u"upper"_s].isNull() && dash[u"lower"_s].isNull());
        QCOMPARE(dash[u"text"_s].toString(), u"—"_s);
        const QJsonObject form = jsonOf(u"K 300 --kind symmetry"_s);
        QCOMPARE(form[u"upper"_s].toDouble(), 0.6);
        QCOMPARE(form[u"lower"_s].toDouble(), 0.0);
        QVERIFY(form[u"range"_s].toString() == u"100～300"_s && form[u"maximum"_s].isNull());
    }

    void badInputExitsTwoWithOneLine_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("message"); // a part of the one line

        QTest::newRow("under 0.5") << u"m 0.4999"_s << u"under 0.5 mm"_s;
        QTest::newRow("over 4000") << u"m 4000.0001"_s << u"over 4000 mm"_s;
        QTest::newRow("form over 3000")
            << u"H 3000.0001 --kind straightness"_s << u"over 3000 mm"_s;
        QTest::newRow("form class for a size") << u"H 35"_s << u"takes f, m, c or v"_s;
        QTest::newRow("size class for form") << u"m 35 --kind flatness"_s << u"takes H, K or L"_s;
        QTest::newRow("unknown class") << u"M 35"_s << u"unknown general class \"M\""_s;
        QTest::newRow("unknown kind") << u"m 35 --kind radial"_s << u"unknown --kind"_s;
        QTest::newRow("no size") << u"m"_s << u"missing SIZE"_s;
        QTest::newRow("two sizes") << u"m 35 40"_s << u"too many arguments from \"40\""_s;
        QTest::newRow("not a number") << u"m 35,5"_s << u"is not a length in mm"_s;
        QTest::newRow("an ISO 286 option")
            << u"m 35 --edition 2016"_s << u"--edition does not go with --general"_s;
        QTest::newRow("csv") << u"m 35 --format csv"_s << u"--general writes text or json"_s;
    }

    void badInputExitsTwoWithOneLine()
    {
        QFETCH(QString, command);
        QFETCH(QString, message);
        const Outcome outcome = runGeneral(command);
        QCOMPARE(outcome.exit, kExitUsage);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QCOMPARE(outcome.err.count(u'\n'), 1);
        QVERIFY(outcome.out.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestCliGeneral)
#include "tst_cli_general.moc"
