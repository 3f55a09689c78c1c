// SPDX-License-Identifier: MIT
// The built tool as a user's shell runs it: arguments, standard streams and exit statuses.
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome runProcess(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.closeWriteChannel();
    Outcome outcome;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return outcome; // a crash or a hang shows as exit code -1
    outcome.exitCode = process.exitCode();
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

Outcome runCli(const QStringList& args)
{
    return runProcess(QStringLiteral(TESSALY_CLI_PATH), args);
}

} // namespace

class TestCliProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classQuery_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("answer");
        QTest::newRow("H7") << QStringList{u"H7"_s, u"35"_s}
                            << u"class: H7\nside: hole\nsize: 35\nrange: 30～40\nupper: +0.025\n"
                               "lower:  0\nmaximum: 35.025\nminimum: 35.000\n"
                               "source: JIS B 0401:1984 table\n"_s;
        // "±" over "0.0045" is spelt out, so that nobody reads the lower as +0.0045.
        QTest::newRow("js6") << QStringList{u"js6"_s, u"6-10"_s}
                             << u"class: js6\nside: shaft\nrange: 6～10\nupper: ±\nlower: 0.0045\n"
                                "plus_minus: upper deviation +0.0045, lower deviation -0.0045\n"
                                "source: JIS B 0401:1984 table\n"_s;
        QTest::newRow("over 500, current edition")
            << QStringList{u"F7"_s, u"630"_s, u"--edition"_s, u"2016"_s}
            << u"class: F7\nside: hole\nsize: 630\nrange: 560～630\nupper: +0.146\n"
               "lower: +0.076\nmaximum: 630.146\nminimum: 630.076\nsource: ISO 286-1:2010 rules\n"_s;
        // The standard's coarser steps name the finer ones they span.
        QTest::newRow("coarser step")
            << QStringList{u"F7"_s, u"500～630"_s}
            << u"class: F7\nside: hole\nrange: 500～630\nupper: +0.146\nlower: +0.076\n"
               "source: ISO 286-1:2010 rules\n"_s;
        // a and b begin over 1 mm: a class without a value is an answer, not an error.
        QTest::newRow("no value") << QStringList{u"a11"_s, u"0.5"_s}
                                  << u"class: a11\nside: shaft\nsize: 0.5\nrange: 0～3\n"
                                     "upper:   ---\nlower:   ---\n"
                                     "note: a11 has no value for 0～3; nothing computed\n"
                                     "source: ISO 286-1:2010 rules\n"_s;
    }

    void classQuery()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, answer);
        const Outcome r = runCli(args);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, answer);
    }

    void fitQueryAsJson()
    {
        const Outcome r = runCli({u"H7/p6"_s, u"35"_s, u"--format"_s, u"json"_s});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o[u"fit"].toString(), u"interference"_s);
        QCOMPARE(o[u"shaft_minimum"].toString(), u"35.026"_s);
    }

    void operandsAfterDoubleDash()
    {
        const Outcome r = runCli({u"--"_s, u"g6"_s, u"30~40"_s});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.contains(u"\nupper: -0.009\n"_s));
    }

    void tableHasEveryEntry()
    {
        for (const QString& format : {u"csv"_s, u"json"_s}) {
            const Outcome r = runCli({u"--table"_s, u"--format="_s + format});
            QCOMPARE(r.exitCode, 0);
            // CSV: a header and 1625 rows; JSON: "[", 1625 objects, "]".
            QCOMPARE(r.out.count(u'\n'), format == u"csv" ? 1626 : 1627);
        }
    }

    void helpAndVersion()
    {
        const Outcome help = runCli({u"--help"_s});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith(u"Usage: tessaly-cli"_s));
        QVERIFY(help.out.contains(u" JS6 JS7 "_s) && help.out.contains(u" 450～500\n"_s));
        const Outcome version = runCli({u"--version"_s});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, u"tessaly-cli " TESSALY_VERSION "\n"_s);
        // Either wins over anything else, even an option left without its value.
        QCOMPARE(runCli({u"--bogus"_s, u"--version"_s}).out, version.out);
        QCOMPARE(runCli({u"--help"_s, u"--format"_s}).out, help.out);
    }

    // The example in the help is the tool's real answer to the command it shows.
    void helpShowsTheFinder()
    {
        const QStringList help = runCli({u"--help"_s}).out.split(u'\n');
        const QString prompt = u"  $ tessaly-cli "_s;
        const auto command = std::find_if(help.begin(), help.end(),
                                          [&](const QString& l) { return l.startsWith(prompt); });
        QVERIFY(command != help.end() && command->contains(u"--fits"_s));
        const Outcome example = runCli(command->mid(prompt.size()).split(u' '));
        QCOMPARE(example.exitCode, 0);
        QStringList shown;
        for (auto line = command + 1; line != help.end() && line->startsWith(u"  "_s); ++line)
            shown << line->mid(2);
        QVERIFY(shown.size() > 1);
        QCOMPARE(shown.join(u'\n') + u'\n', example.out);
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");

        QTest::newRow("nothing") << QStringList() << u"missing CLASS and SIZE"_s;
        QTest::newRow("no size") << QStringList{u"H7"_s} << u"missing SIZE"_s;
        QTest::newRow("too many") << QStringList{u"H7"_s, u"3"_s, u"4"_s} << u"too many"_s;
        QTest::newRow("empty arguments") << QStringList{QString(), QString()} << u"empty class"_s;
        QTest::newRow("empty size") << QStringList{u"H7"_s, QString()} << u"empty size"_s;
        QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << u"unknown option"_s;
        QTest::newRow("format without value")
            << QStringList{u"H7"_s, u"3"_s, u"--format"_s} << u"needs a value"_s;
        QTest::newRow("empty format takes no operand")
            << QStringList{u"--format="_s, u"H7"_s, u"35"_s} << u"empty format; use text"_s;
        QTest::newRow("csv for a query")
            << QStringList{u"--format=csv"_s, u"H7"_s, u"3"_s} << u"is for --table"_s;
        QTest::newRow("table with operands") << QStringList{u"--table"_s, u"H7"_s} << u"no CLASS"_s;
        QTest::newRow("shaft first in a fit")
            << QStringList{u"h7/g6"_s, u"35"_s} << u"h7 is a shaft class; did you mean H7?"_s;
        QTest::newRow("hole as the shaft")
            << QStringList{u"H7/G6"_s, u"35"_s} << u"G6 is a hole class; did you mean g6?"_s;
        QTest::newRow("negative size") << QStringList{u"H7"_s, u"-5"_s} << u"not over 0 mm"_s;
        QTest::newRow("over 500") << QStringList{u"H7"_s, u"1e9"_s} << u"neither"_s;
        QTest::newRow("junk after number") << QStringList{u"H7"_s, u"35x"_s} << u"neither"_s;
        QTest::newRow("line break in size") << QStringList{u"H7"_s, u"3\n5"_s} << u"\"3\\x0A5\""_s;
        QTest::newRow("fits without SIZE") << QStringList{u"--fits"_s} << u"--fits needs a value"_s;
        QTest::newRow("fits with a class")
            << QStringList{u"--fits"_s, u"35"_s, u"H7"_s} << u"--fits takes SIZE alone"_s;
        QTest::newRow("fits and table")
            << QStringList{u"--fits=35"_s, u"--table"_s} << u"do not go together"_s;
        QTest::newRow("fits over 3150")
            << QStringList{u"--fits"_s, u"3150.0001"_s} << u"over 3150 mm"_s;
        const QStringList fits{u"--fits"_s, u"35"_s, u"--clearance"_s};
        QTest::newRow("bound with junk")
            << fits + QStringList{u"0.01x..0.04"_s} << u"bound \"0.01x\" is not a number"_s;
        QTest::newRow("bound too fine")
            << fits + QStringList{u"..0.00001"_s} << u"\"0.00001\" has more than 4 decimals"_s;
        QTest::newRow("MIN over MAX")
            << fits + QStringList{u"-0.020..-0.060"_s} << u"has MIN over MAX"_s;
        QTest::newRow("one number") << fits + QStringList{u"0.010"_s} << u"is not MIN..MAX"_s;
        QTest::newRow("no bound") << fits + QStringList{u".."_s} << u"has no bound"_s;
        QTest::newRow("clearance without value") << fits << u"--clearance needs a value"_s;
        QTest::newRow("clearance without fits")
            << QStringList{u"--clearance"_s, u"0.01.."_s, u"H7/g6"_s, u"35"_s}
            << u"--clearance is for --fits"_s;
        QTest::newRow("basis without fits")
            << QStringList{u"--basis=hole"_s, u"--table"_s} << u"--basis is for --fits"_s;
        QTest::newRow("unknown type")
            << QStringList{u"--fits=35"_s, u"--type=loose"_s} << u"unknown fit type \"loose\""_s;
        QTest::newRow("unknown basis")
            << QStringList{u"--fits=35"_s, u"--basis"_s, u"H"_s} << u"unknown basis \"H\""_s;
        QTest::newRow("no such letter")
            << QStringList{u"Q7"_s, u"35"_s} << u"no fundamental deviation is written Q"_s;
        QTest::newRow("grade out of the standard")
            << QStringList{u"H19"_s, u"35"_s} << u"no grade 19 in the standard"_s;
        QTest::newRow("no grade") << QStringList{u"h"_s, u"35"_s} << u"no grade after h"_s;
        QTest::newRow("grade in a fit")
            << QStringList{u"H7/g19"_s, u"35"_s} << u"shaft class \"g19\"; no grade 19"_s;
        QTest::newRow("over 3150") << QStringList{u"H7"_s, u"3151"_s} << u"over 3150 mm"_s;
        QTest::newRow("zero size") << QStringList{u"H7"_s, u"0"_s} << u"not over 0 mm"_s;
        QTest::newRow("unknown range over 500")
            << QStringList{u"H7"_s, u"500-600"_s} << u"… 2800～3150"_s;
        QTest::newRow("class changing within a coarser step")
            << QStringList{u"H7/r6"_s, u"500～630"_s}
            << u"r6 changes within 500～630: give one of 500～560, 560～630, or a diameter"_s;
        QTest::newRow("unknown edition") << QStringList{u"--edition"_s, u"2010"_s, u"H7"_s, u"35"_s}
                                         << u"unknown edition \"2010\"; use 1984"_s;
        QTest::newRow("unknown classes")
            << QStringList{u"--fits=35"_s, u"--classes=most"_s} << u"unknown --classes \"most\""_s;
        QTest::newRow("classes for a query")
            << QStringList{u"--classes=all"_s, u"H7"_s, u"35"_s} << u"--classes is for --table"_s;
        const QStringList bore{u"g6"_s, u"20"_s, u"--hole-limits"_s};
        QTest::newRow("limits lower above upper")
            << bore + QStringList{u"-0.009/0"_s} << u"lower deviation above its upper"_s;
        QTest::newRow("limits too fine")
            << bore + QStringList{u"0/-0.00001"_s} << u"more than 4 decimals"_s;
        QTest::newRow("limits not a pair")
            << bore + QStringList{u"-0.009"_s} << u"is not UPPER/LOWER in mm"_s;
        QTest::newRow("limits empty") << bore + QStringList{QString()} << u"empty --hole-limits"_s;
        QTest::newRow("limits without value") << bore << u"--hole-limits needs a value"_s;
        QTest::newRow("limits beside a class of their side")
            << QStringList{u"H7"_s, u"20"_s, u"--hole-limits=0/-0.009"_s}
            << u"--hole-limits gives the hole; give the shaft's class, such as g6, not \"H7\""_s;
        QTest::newRow("limits beside a fit")
            << QStringList{u"H7/g6"_s, u"20"_s, u"--shaft-limits=0/-0.009"_s}
            << u"with --shaft-limits give the hole's class"_s;
        QTest::newRow("both limits and a class")
            << QStringList{u"--hole-limits=0/-0.009"_s, u"--shaft-limits=0/-0.009"_s, u"g6"_s,
                           u"20"_s}
            << u"give SIZE alone"_s;
        QTest::newRow("limits for the finder")
            << QStringList{u"--fits=35"_s, u"--hole-limits=0/-0.009"_s}
            << u"--hole-limits is for a fit, not for --fits"_s;
        QTest::newRow("unknown distribution")
            << QStringList{u"H7/g6"_s, u"35"_s, u"--distribution=gauss"_s}
            << u"unknown --distribution \"gauss\"; use normal"_s;
        QTest::newRow("distribution for the table")
            << QStringList{u"--table"_s, u"--distribution=uniform"_s}
            << u"--distribution is for a fit"_s;
        QTest::newRow("limit of nothing")
            << QStringList{u"--fits=35"_s, u"--limit=0"_s} << u"neither a number of rows"_s;
    }

    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Outcome r = runCli(args);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(u"tessaly-cli: "_s) && r.err.contains(message),
                 qPrintable(r.err));
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY(r.err.endsWith(u'\n'));
    }

    // What QProcess cannot set up, through the shell: a raw byte 0xFF as an argument (QProcess
    // passes only text), and an output that cannot be written.
    void throughTheShell_data()
    {
        QTest::addColumn<QString>("command"); // "$0" is the tool
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::newRow("invalid UTF-8")
            << u"exec \"$0\" H7 \"$(printf '3\\377')\""_s << 2
            << u"tessaly-cli: argument 2, \"3\\xFF\", is not valid UTF-8\n"_s;
        QTest::newRow("full device")
            << u"exec \"$0\" --table > /dev/full"_s << 3
            << u"tessaly-cli: cannot write the output: No space left on device\n"_s;
    }

    void throughTheShell()
    {
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        const Outcome r =
            runProcess(u"/bin/sh"_s, {u"-c"_s, command, QStringLiteral(TESSALY_CLI_PATH)});
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.err, err);
    }
};

QTEST_GUILESS_MAIN(TestCliProcess)
#include "tst_cli_process.moc"
