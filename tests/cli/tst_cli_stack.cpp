// SPDX-License-Identifier: MIT
// --stack on the command line: bad values refused with one line and exit 2, the JSON object and
// its keys, and the answer in words for a chain file like the README's.
#include "cli_test_support.h"

#include "cli/app.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
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

// The README's chain: a shaft's end play between a housing's shoulder and a circlip, over two
// bearings 6204 (20 × 47 × 14) and a spacer.
const QByteArray kEndPlay = R"({
  "members": [
    {"name": "housing", "direction": "+", "nominal": 59.9, "tolerance": "+0.1/0"},
    {"name": "bearing 1", "direction": "-", "nominal": 14, "tolerance": "bearing:0 6204"},
    {"name": "spacer", "direction": "-", "nominal": 30, "tolerance": "h9"},
    {"name": "bearing 2", "direction": "-", "nominal": 14, "tolerance": "bearing:0 6204"},
    {"name": "circlip", "direction": "-", "nominal": 1.75, "tolerance": "0/-0.06"}
  ],
  "requirement": "0.1..0.5"
})";

class Files
{
public:
    QString write(const QString& name, const QByteArray& bytes)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

private:
    QTemporaryDir m_dir;
};

Outcome runTool(const QStringList& args)
{
    std::vector<std::string> texts;
    for (const QString& arg : args)
        texts.push_back(utf8(arg));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::ostringstream out;
    std::ostringstream err;
    const int exit = run(views, out, err);
    return {exit, q(out.str()), q(err.str())};
}

} // namespace

class TestCliStack : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void badValuesExitTwoWithOneLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("more");
        QTest::addColumn<QString>("message");
        const QString end = u"ENDPLAY"_s;
        QTest::newRow("samples a word") << end << QStringList{u"--samples"_s, u"many"_s}
                                        << u"--samples \"many\" is not a number of assemblies "
                                           u"from 0 (none) to 10000000"_s;
        QTest::newRow("samples too many") << end << QStringList{u"--samples=20000000"_s}
                                          << u"--samples \"20000000\" is not a number of "
                                             u"assemblies from 0 (none) to 10000000"_s;
        QTest::newRow("samples without --stack")
            << QString() << QStringList{u"--samples=9"_s} << u"--samples is for --stack"_s;
        QTest::newRow("unknown distribution") << end << QStringList{u"--distribution=gauss"_s}
                                              << u"unknown --distribution \"gauss\"; use normal "
                                                 u"or uniform (the file's, normal if it names "
                                                 u"none)"_s;
        QTest::newRow("with --fits")
            << end << QStringList{u"--fits"_s, u"35"_s} << u"--fits is not for --stack"_s;
        QTest::newRow("an operand") << end << QStringList{u"35"_s}
                                    << u"too many arguments from \"35\"; --stack takes FILE "
                                       u"alone"_s;
        QTest::newRow("no such file") << u"/nonexistent/gap.json"_s << QStringList{}
                                      << u"cannot read \"/nonexistent/gap.json\": No such file or "
                                         u"directory"_s;
        QTest::newRow("not JSON") << u"BROKEN"_s << QStringList{}
                                  << u"\"BROKEN\": line 2, column 14: not JSON"_s;
        QTest::newRow("a member's tolerance") << u"BADMEMBER"_s << QStringList{}
                                              << u"\"BADMEMBER\": member 2 (\"スペーサ\"): "
                                                 u"tolerance \"h19\": no grade 19 in the "
                                                 u"standard; the grades are 01, 0, 1 … 18"_s;
        QTest::newRow("a member's temperature") << u"COLD"_s << QStringList{}
                                                << u"\"COLD\": member 1: temperature \"80\" needs "
                                                   u"the member's material, whose expansion it "
                                                   u"takes"_s;
        QTest::newRow("a bearing's width")
            << u"WIDE"_s << QStringList{}
            << u"\"WIDE\": member 1: tolerance \"bearing:0 6204\" is "
               u"14 mm wide, not \"15\" mm"_s;
        QTest::newRow("the requirement") << u"UPSIDE"_s << QStringList{}
                                         << u"\"UPSIDE\": requirement \"0.7..0.1\" has MIN over "
                                            u"MAX; write the smaller bound first"_s;
        QTest::newRow("no members")
            << u"EMPTY"_s << QStringList{} << u"\"EMPTY\": the chain has no members"_s;
    }
    void badValuesExitTwoWithOneLine()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, more);
        QFETCH(QString, message);
        Files files;
        const QMap<QString, QByteArray> contents = {
            {u"ENDPLAY"_s, kEndPlay},
            {u"BROKEN"_s, "{\"members\": [\n  {\"name\": 5,]}"},
            {u"BADMEMBER"_s, R"({"members": [{"direction": "+", "nominal": 10, "tolerance": "H7"},
                {"name": "スペーサ", "direction": "-", "nominal": 9, "tolerance": "h19"}]})"},
            {u"COLD"_s, R"({"members": [{"direction": "+", "nominal": 10, "tolerance": "H7",
                "temperature": 80}]})"},
            {u"UPSIDE"_s, R"({"members": [{"direction": "+", "nominal": 10, "tolerance": "H7"}],
                "requirement": "0.7..0.1"})"},
            {u"EMPTY"_s, R"({"members": []})"},
            {u"WIDE"_s, R"({"members": [{"direction": "-", "nominal": 15,
                "tolerance": "bearing:0 6204"}]})"},
        };
        QStringList args = more;
        if (contents.contains(file)) {
            args.prepend(files.write(file, contents[file]));
            message.replace(file, args.front());
        } else if (!file.isEmpty()) {
            args.prepend(file);
        }
        if (!file.isEmpty())
            args.prepend(u"--stack"_s);
        const Outcome outcome = runTool(args);
        QCOMPARE(outcome.exit, kExitUsage);
        QCOMPARE(outcome.out, QString());
        QCOMPARE(outcome.err, u"tessaly-cli: "_s + message + u'\n');
    }

    void jsonObject()
    {
        Files files;
        const QString path = files.write(u"end-play.json"_s, kEndPlay);
        Outcome outcome =
            runTool({u"--stack"_s, path, u"--format"_s, u"json"_s, u"--samples"_s, u"20000"_s});
        QCOMPARE(outcome.exit, kExitSuccess);
        const QJsonObject stack =
            QJsonDocument::fromJson(outcome.out.toUtf8()).object()[u"stack"_s].toObject();
        QCOMPARE(stack.keys(),
                 (QStringList{u"contributions"_s, u"monte_carlo"_s, u"nominal"_s, u"statistical"_s,
                              u"thermal_shift"_s, u"worst_case"_s}));
        // 59.9 - 14 - 30 - 14 - 1.75 = 0.15; at most 0.15 + 0.1 + 0.12 + 0.052 + 0.12 + 0.06.
        QCOMPARE(stack[u"nominal"_s].toDouble(), 0.15);
        QCOMPARE(stack[u"worst_case"_s][u"maximum"_s].toDouble(), 0.602);
        QCOMPARE(stack[u"worst_case"_s][u"minimum"_s].toDouble(), 0.15);
        const QJsonArray shares = stack[u"contributions"_s].toArray();
        QCOMPARE(shares.size(), 5);
        QCOMPARE(shares[2].toObject()[u"name"_s].toString(), u"spacer"_s);
        double total = 0;
        for (const QJsonValue share : shares)
            total += share[u"percent"_s].toDouble();
        QCOMPARE(qRound(total * 10), 1000);
        QCOMPARE(stack[u"statistical"_s][u"distribution"_s].toString(), u"normal"_s);
        QVERIFY(stack[u"statistical"_s][u"probability_outside"_s].isDouble());
        QCOMPARE(stack[u"monte_carlo"_s][u"samples"_s].toInt(), 20000);

        // No requirement: no odds; no samples: no Monte Carlo run.
        QByteArray loose = kEndPlay;
        loose.replace(",\n  \"requirement\": \"0.1..0.5\"", "");
        outcome = runTool({u"--stack"_s, files.write(u"loose.json"_s, loose), u"--format=json"_s,
                           u"--samples=0"_s, u"--distribution=uniform"_s});
        const QJsonObject bare =
            QJsonDocument::fromJson(outcome.out.toUtf8()).object()[u"stack"_s].toObject();
        QVERIFY(bare[u"statistical"_s][u"probability_outside"_s].isNull());
        QCOMPARE(bare[u"statistical"_s][u"distribution"_s].toString(), u"uniform"_s);
        QVERIFY(bare[u"monte_carlo"_s].isNull());
    }

    void answerInWords()
    {
        Files files;
        const Outcome outcome =
            runTool({u"--stack"_s, files.write(u"end-play.json"_s, kEndPlay), u"--samples=0"_s});
        QCOMPARE(outcome.exit, kExitSuccess);
        const QStringList lines = outcome.out.split(u'\n', Qt::SkipEmptyParts);
        // ΔBs of class 0 over 18 to 30 mm of bore 0/-0.12 (JIS B 1514-1), h9 over 18 to 30 mm
        // 0/-0.052 (ISO 286-1). Widths 0.1, 0.12, 0.052, 0.12, 0.06: squares 0.045104,
        // √ 0.212377, half 0.106189 about the centre 0.15 + 0.05 + 0.06 + 0.026 + 0.06 + 0.03 =
        // 0.376: 0.26981 to 0.48219. Below 0.1 nothing to speak of; above 0.5, z = 0.124 /
        // 0.035396 = 3.5032: 0.0002298 (the normal table's 0.0002326 at 3.50, 0.0002241 at
        // 3.51), printed to four figures. The housing's share 0.01 / 0.045104 = 22.17 % of the
        // variance (rounded up: its remainder among the three largest), 0.1 / 0.452 = 22.12 % of
        // the worst case (rounded down).
        QCOMPARE(lines.mid(0, 5),
                 (QStringList{u"nominal: 0.150"_s, u"worst_case_maximum: 0.602"_s,
                              u"worst_case_minimum: 0.150"_s,
                              u"statistical: normal spread: 99.73 % of assemblies from 0.2698 to "
                              u"0.4822"_s,
                              u"requirement: 0.1..0.5, outside in 0.02298 % of assemblies"_s}));
        QCOMPARE(lines[5], u"member: housing: + 59.9 +0.1/0: 22.2 % of the variance, 22.1 % of "
                           u"the worst case"_s);
        QCOMPARE(lines.size(), 10);
    }
};

QTEST_APPLESS_MAIN(TestCliStack)
#include "tst_cli_stack.moc"
