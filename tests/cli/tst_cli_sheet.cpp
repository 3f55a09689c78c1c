// SPDX-License-Identifier: MIT
// --format html, the calculation sheet of every query, and --output, any answer written whole or
// not at all.
#include "cli_test_support.h"

#include "cli/app.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <sstream>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Outcome
{
    int status;
    QString out;
    QString err;
};

Outcome runCli(const QStringList& args)
{
    std::vector<std::string> texts;
    for (const QString& arg : args)
        texts.push_back(arg.toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(views, out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

// The page's title and the text of every cell, read as XML.
struct Page
{
    QString title;
    QStringList cells;
    QString error;
};

Page readPage(const QString& html)
{
    Page page;
    QXmlStreamReader reader(html);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"title")
            page.title = reader.readElementText();
        else if (reader.name() == u"td" || reader.name() == u"th")
            page.cells << reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    page.error = reader.errorString();
    return page;
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestCliSheet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void htmlOfEveryQuery_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("figure");
        // 35 H7/g6: +0.025/0 and -0.009/-0.025, the largest clearance 0.025 + 0.025.
        QTest::newRow("fit") << QStringList{u"H7/g6"_s, u"35"_s} << u"計算書 はめあい φ35 H7/g6"_s
                             << u"0.050"_s;
        QTest::newRow("range") << QStringList{u"H7/g6"_s, u"30～40"_s}
                               << u"計算書 はめあい 30～40 H7/g6"_s << u"-0.025"_s;
        QTest::newRow("class alone")
            << QStringList{u"H7"_s, u"35"_s} << u"計算書 穴 φ35 H7"_s << u"35.025"_s;
        // g6 at 20: -0.007/-0.020; largest clearance 0 + 0.020, largest interference 0.009 - 0.007.
        QTest::newRow("side by its limits")
            << QStringList{u"g6"_s, u"20"_s, u"--hole-limits"_s, u"0/-0.009"_s}
            << u"計算書 はめあい φ20 (0/-0.009)/g6"_s << u"0.002"_s;
        // k5 at 30: +0.011/+0.002 in a class 0 bore of 0/-0.010: at most 0.011 + 0.010.
        QTest::newRow("bearing ring") << QStringList{u"k5"_s, u"30"_s, u"--bearing-bore"_s, u"0"_s}
                                      << u"計算書 はめあい φ30 軸受内輪 0 級/k5"_s << u"0.021"_s;
        // The inner raceway (62 + 4 × 30)/5 = 36.4 widens by 0.021 × 30/36.4 = 0.0173 at most,
        // which leaves CN's 0.005 at -0.0123 (JIS B 1520, bore over 24 up to 30: CN 5 to 20 µm).
        QTest::newRow("bearing by its number")
            << QStringList{u"--bearing"_s, u"6206"_s,      u"--shaft"_s,
                           u"k5"_s,        u"--housing"_s, u"H7"_s}
            << u"計算書 転がり軸受 6206（軸 k5、ハウジング H7）"_s << u"-0.0123"_s;
        // docs/end-play.json: 59.9 - 14 - 30 - 14 - 1.75 = 0.15 at the nominal sizes, and at worst
        // 60.0 - 13.88 - 29.948 - 13.88 - 1.69 = 0.602.
        QTest::newRow("stack") << QStringList{u"--stack"_s,
                                              QStringLiteral(TESSALY_SOURCE_DIR
                                                             "/docs/end-play.json"),
                                              u"--samples"_s, u"0"_s}
                               << u"計算書 公差の積み上げ（5 部品）"_s << u"0.602"_s;
        // 35.025 + 23.8e-6 × 60 K × 35 mm = 35.025 + 0.04998.
        QTest::newRow("in service")
            << QStringList{u"H7/g6"_s,         u"35"_s, u"--materials"_s, u"A5052/S45C"_s,
                           u"--temperature"_s, u"80"_s}
            << u"計算書 はめあい φ35 H7/g6"_s << u"35.07498"_s;
    }

    void htmlOfEveryQuery()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, title);
        QFETCH(QString, figure);
        // In Japanese, as the windows write it; English is the command line's own.
        const Outcome outcome =
            runCli(args << u"--format"_s << u"html"_s << u"--lang"_s << u"ja"_s);
        QCOMPARE(outcome.status, cli::kExitSuccess);
        QVERIFY(outcome.out.startsWith(u"<!DOCTYPE html>\n"_s));
        const Page page = readPage(outcome.out);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        QCOMPARE(page.title, title);
        QVERIFY2(page.cells.contains(figure), qPrintable(page.cells.join(u'|')));
    }

    // English unless --lang ja: the same figures under the other words, the page named so.
    // H7/g6 at 35: +0.025/0 and -0.009/-0.025, clearances 0.050 and 0.009 (JIS B 0401 table).
    void htmlInEitherLanguage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("code");
        const QStringList fit{u"H7/g6"_s, u"35"_s, u"--format"_s, u"html"_s};
        QTest::newRow("English unless asked")
            << fit << u"Calculation sheet Fit φ35 H7/g6"_s
            << QStringList{u"clearance fit"_s, u"0.050"_s, u"0.009"_s} << u"en"_s;
        QTest::newRow("English asked")
            << (QStringList(fit) << u"--lang"_s << u"en"_s) << u"Calculation sheet Fit φ35 H7/g6"_s
            << QStringList{u"maximum clearance"_s} << u"en"_s;
        QTest::newRow("Japanese asked")
            << (QStringList(fit) << u"--lang"_s << u"ja"_s) << u"計算書 はめあい φ35 H7/g6"_s
            << QStringList{u"すきまばめ"_s, u"0.050"_s, u"0.009"_s} << u"ja"_s;
        QTest::newRow("a chain")
            << QStringList{u"--stack"_s,   QStringLiteral(TESSALY_SOURCE_DIR "/docs/end-play.json"),
                           u"--samples"_s, u"0"_s,
                           u"--format"_s,  u"html"_s}
            << u"Calculation sheet Tolerance stack-up (5 members)"_s
            << QStringList{u"0.602"_s, u"housing"_s} << u"en"_s;
        QTest::newRow("a bearing")
            << QStringList{u"--bearing"_s, u"6206"_s, u"--shaft"_s,  u"k5"_s,
                           u"--housing"_s, u"H7"_s,   u"--format"_s, u"html"_s}
            << u"Calculation sheet Rolling bearing 6206 (shaft k5, housing H7)"_s
            << QStringList{u"deep groove ball bearing"_s, u"-0.0123"_s} << u"en"_s;
    }

    void htmlInEitherLanguage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, title);
        QFETCH(QStringList, cells);
        QFETCH(QString, code);
        const Outcome outcome = runCli(args);
        QCOMPARE(outcome.status, cli::kExitSuccess);
        QVERIFY(outcome.out.contains(u"lang=\""_s + code + u'"'));
        const Page page = readPage(outcome.out);
        QVERIFY2(page.error.isEmpty(), qPrintable(page.error));
        QCOMPARE(page.title, title);
        for (const QString& cell : cells)
            QVERIFY2(page.cells.contains(cell),
                     qPrintable(cell + u" not in "_s + page.cells.join(u'|')));
    }

    void langRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("said");
        QTest::newRow("a language we do not write")
            << QStringList{u"H7"_s, u"35"_s, u"--format"_s, u"html"_s, u"--lang"_s, u"de"_s}
            << u"unknown language \"de\"; use ja or en"_s;
        QTest::newRow("no sheet to write") << QStringList{u"H7"_s, u"35"_s, u"--lang"_s, u"ja"_s}
                                           << u"--lang is for --format html"_s;
    }

    void langRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, said);
        const Outcome outcome = runCli(args);
        QCOMPARE(outcome.status, cli::kExitUsage);
        QVERIFY2(outcome.err.contains(said), qPrintable(outcome.err));
    }

    void htmlOfNoList_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("--fits") << QStringList{u"--fits"_s, u"35"_s};
        QTest::newRow("--table") << QStringList{u"--table"_s};
        QTest::newRow("--general") << QStringList{u"--general"_s, u"m"_s, u"35"_s};
        QTest::newRow("--load alone")
            << QStringList{u"--load"_s, u"rotating-inner"_s, u"--load-size"_s, u"normal"_s};
    }

    void htmlOfNoList()
    {
        QFETCH(QStringList, args);
        const Outcome outcome = runCli(args << u"--format"_s << u"html"_s);
        QCOMPARE(outcome.status, cli::kExitUsage);
        QVERIFY2(
            outcome.err.contains(u"--format html writes the calculation sheet of one answer"_s),
            qPrintable(outcome.err));
    }

    // The file holds what standard output would, and a second answer replaces it whole, keeping
    // its mode; nothing is left beside it.
    void outputWritesWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"answer.json"_s);
        const QStringList first{u"H7"_s, u"35"_s, u"--format"_s, u"json"_s};
        const Outcome written = runCli(QStringList(first) << u"--output"_s << path);
        QCOMPARE(written.status, cli::kExitSuccess);
        QVERIFY(written.out.isEmpty() && written.err.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), runCli(first).out);
        file.close();
        QVERIFY(chmod(QFile::encodeName(path).constData(), 0640) == 0);
        const QStringList second{u"H7/g6"_s, u"35"_s, u"--format"_s, u"html"_s};
        QCOMPARE(runCli(QStringList(second) << u"--output"_s << path).status, cli::kExitSuccess);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // The same sheet but for its date, which is today's in both.
        QCOMPARE(QString::fromUtf8(file.readAll()), runCli(second).out);
        struct stat status = {};
        QVERIFY(stat(QFile::encodeName(path).constData(), &status) == 0);
        QCOMPARE(status.st_mode & 07777, mode_t(0640));
        QCOMPARE(entriesOf(folder.path()), QStringList{u"answer.json"_s});
    }

    // A link is written through, and stays a link.
    void outputThroughLink()
    {
        QTemporaryDir folder;
        const QString target = folder.filePath(u"target.txt"_s);
        const QString link = folder.filePath(u"link.txt"_s);
        QVERIFY(QFile::link(u"target.txt"_s, link));
        QCOMPARE(runCli({u"H7"_s, u"35"_s, u"--output"_s, link}).status, cli::kExitSuccess);
        QVERIFY(QFileInfo(link).isSymLink());
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("class: H7\n"));
    }

    void outputFailure_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("reason");
        QTest::newRow("under a file") << u"existing/answer.txt"_s << u"Not a directory"_s;
        QTest::newRow("a folder") << u"folder"_s << u"Is a directory"_s;
        QTest::newRow("no such folder")
            << u"missing/answer.txt"_s << u"No such file or directory"_s;
    }

    // One line with the system's reason, exit 3, the folder as it was.
    void outputFailure()
    {
        QFETCH(QString, relative);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QFile existing(folder.filePath(u"existing"_s));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("kept") == 4);
        existing.close();
        QVERIFY(QDir(folder.path()).mkdir(u"folder"_s));
        const QStringList before = entriesOf(folder.path());
        const QString path = folder.filePath(relative);
        const Outcome outcome = runCli({u"H7"_s, u"35"_s, u"--output"_s, path});
        QCOMPARE(outcome.status, cli::kExitWriteFailure);
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(outcome.err,
                 u"tessaly-cli: cannot write \""_s + path + u"\": "_s + reason + u'\n');
        QCOMPARE(entriesOf(folder.path()), before);
        QVERIFY(entriesOf(folder.filePath(u"folder"_s)).isEmpty());
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("kept"));
    }
};

QTEST_GUILESS_MAIN(TestCliSheet)
#include "tst_cli_sheet.moc"
