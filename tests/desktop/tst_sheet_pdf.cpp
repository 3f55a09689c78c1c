// SPDX-License-Identifier: MIT
// The calculation sheet on PDF pages, read back as a reviewer's tools read it (poppler-utils):
// every figure of the answer in its text, A4, its Japanese font embedded, a long table broken
// between rows with its head on every page, a failed save leaving nothing, printing the same.
#include "test_support.h"

#include "desktop/sheet/sheet_file.h"

#include "tolerance/iso286.h"
#include "tolerance/sheet/fit_sheet.h"
#include "tolerance/sheet/stack_sheet.h"

#include <QApplication>
#include <QDir>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;
using namespace tolerance;
using namespace tolerance::sheet;

Q_DECLARE_METATYPE(tolerance::sheet::Sheet)

namespace {

constexpr Length kMm = kNanometresPerMm;
const Stamp kStamp{"2026-12-09", "Tessaly 4.20"};

// The README's fit in service, at 80 °C: every kind of figure the sheet has.
Sheet pressedFit()
{
    const service::Material* steel = service::findMaterial("S45C");
    FitAsked asked;
    asked.size = {50 * kMm, 50 * kMm, "40～50"};
    asked.hole = std::get<ClassCode>(parseClassCode("H7"));
    asked.shaft = std::get<ClassCode>(parseClassCode("s6"));
    asked.service = ServiceAsked{{"S45C", steel, steel->figures},
                                 {"S45C", steel, steel->figures},
                                 service::Temperatures{80, 80},
                                 service::Joint{50 * kMm, 80 * kMm, 0, 40 * kMm, 0.15, {}, {}}};
    return fitSheet(asked, kStamp);
}

// Rows of a wrapping text whose ends are marked: row 17 begins "R017a" and ends "R017z".
Sheet longTable(int rows)
{
    Table table{{{"項目"}, {"値", true}}, {}, {0.7, 0.3}};
    for (int i = 0; i < rows; ++i) {
        const std::string mark = QStringLiteral("R%1").arg(i, 3, 10, QChar(u'0')).toStdString();
        table.rows.push_back({{mark +
                               "a 組立てのすきまと締め代の関係を確かめるための長い説明の行"
                               "で、枠の中で二行か三行に折り返す " +
                               mark + "z"},
                              {"12.345", true}});
    }
    return {"計算書", "長い表", {"作成日 2026-12-09"}, {{"表", {table}}}, "{1} / {2} ページ"};
}

// A chain of members R000a, R001a …, each a millimetre long with its own tolerance.
Sheet longStack(int members)
{
    stack::ChainText typed;
    for (int i = 0; i < members; ++i)
        typed.members.push_back({QStringLiteral("R%1a").arg(i, 3, 10, QChar(u'0')).toStdString(),
                                 i == 0 ? "+" : "-", i == 0 ? "200" : "1", "+0.01/-0.01", "", "",
                                 ""});
    return stackSheet({typed, std::get<stack::Chain>(stack::readChain(typed)), std::nullopt},
                      kStamp);
}

QString tool(const QString& program, const QStringList& args)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        qFatal("%s is missing: install poppler-utils", qPrintable(program));
    QProcess process;
    process.start(path, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qFatal("%s failed", qPrintable(program));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& pdf, int page = 0)
{
    QStringList args{u"-layout"_s};
    if (page > 0)
        args << u"-f"_s << QString::number(page) << u"-l"_s << QString::number(page);
    return tool(u"pdftotext"_s, args << pdf << u"-"_s);
}

int pageCount(const QString& pdf)
{
    const auto match = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(tool(u"pdfinfo"_s, {pdf}));
    return match.captured(1).toInt();
}

QStringList figuresOf(const Sheet& sheet)
{
    QStringList figures;
    for (const Section& section : sheet.sections)
        for (const Block& block : section.blocks)
            if (const auto* table = std::get_if<Table>(&block))
                for (const auto& row : table->rows)
                    for (const Cell& cell : row)
                        if (cell.figure && !cell.text.empty())
                            figures << q(cell.text);
    return figures;
}

} // namespace

class TestSheetPdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pdfHoldsEveryFigure()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"sheet.pdf"_s);
        const Sheet sheet = pressedFit();
        QCOMPARE(sheetFile::savePdf(sheet, pdf), QString());
        const QString text = pdfText(pdf);
        const QStringList figures = figuresOf(sheet);
        QVERIFY(figures.size() > 60);
        for (const QString& figure : figures)
            QVERIFY2(text.contains(figure), qPrintable(figure));
        for (const QString& words : {u"伝達トルク"_s, u"ハブの降伏に対する安全率"_s,
                                     u"JIS B 0401 (1984) の表"_s, u"1 / "_s})
            QVERIFY2(text.contains(words), qPrintable(words));
    }

    void a4WithItsFontEmbedded()
    {
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"sheet.pdf"_s);
        QCOMPARE(sheetFile::savePdf(pressedFit(), pdf), QString());
        QVERIFY(tool(u"pdfinfo"_s, {pdf}).contains(u"(A4)"_s));
        // name, type (two words), encoding, emb, sub, uni, object, generation
        const QStringList lines = tool(u"pdffonts"_s, {pdf}).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 2);
        for (const QString& line : lines.mid(2)) {
            const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(fields.value(fields.size() - 5), u"yes"_s);
        }
        QVERIFY2(lines.mid(2).join(u'\n').contains(QRegularExpression(u"Gothic|CJK|Meiryo"_s)),
                 qPrintable(lines.join(u'\n')));
    }

    void longTableBreaksBetweenRows_data()
    {
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QString>("head");
        QTest::addColumn<bool>("twoEnds"); // the rows wrap, their last word marked "z"
        QTest::newRow("a table of long rows") << longTable(150) << u"項目"_s << true;
        QTest::newRow("a stack of 150 members") << longStack(150) << u"向き"_s << false;
    }

    // Each row's ends on one page and above its foot, every row somewhere, the head on every
    // page: a row is never cut by a page's end.
    void longTableBreaksBetweenRows()
    {
        QFETCH(Sheet, sheet);
        QFETCH(QString, head);
        QFETCH(bool, twoEnds);
        QTemporaryDir folder;
        const QString pdf = folder.filePath(u"long.pdf"_s);
        QCOMPARE(sheetFile::savePdf(sheet, pdf), QString());
        const int pages = pageCount(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        // A4 is 842 pt high; below 15 mm of margin and the 5 mm of the page's number (1 mm is
        // 2.835 pt) no row may reach.
        const double lowest = 842 - 20 * 2.835;
        const QRegularExpression word(u"<word xMin=\"[^\"]+\" yMin=\"[^\"]+\" xMax=\"[^\"]+\" "
                                      "yMax=\"([^\"]+)\">R(\\d{3})([az])</word>"_s);
        QMap<QString, int> pageOfEnd[2];
        for (int page = 1; page <= pages; ++page) {
            const QString boxes =
                tool(u"pdftotext"_s, {u"-bbox"_s, u"-f"_s, QString::number(page), u"-l"_s,
                                      QString::number(page), pdf, u"-"_s});
            bool rows = false;
            for (auto match = word.globalMatch(boxes); match.hasNext(); rows = true) {
                const auto found = match.next();
                QVERIFY2(found.captured(1).toDouble() < lowest, qPrintable(found.captured(0)));
                pageOfEnd[found.captured(3) == u"z"_s][found.captured(2)] = page;
            }
            // A page with rows of the table has its head; the stack's chart of shares names
            // members too, under its own heading.
            const QString text = pdfText(pdf, page);
            QVERIFY2(!rows || text.contains(head) || text.contains(u"寄与（"_s),
                     qPrintable(QString::number(page)));
        }
        QCOMPARE(pageOfEnd[0].size(), 150);
        if (twoEnds)
            QCOMPARE(pageOfEnd[0], pageOfEnd[1]);
    }

    // A save that cannot finish leaves the folder as it was; one that can replaces the file.
    void failedSaveLeavesNothing()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(u"file"_s));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kept") == 4);
        file.close();
        QVERIFY(QDir(folder.path()).mkdir(u"folder"_s));
        const QStringList before = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden);
        QVERIFY(!sheetFile::savePdf(pressedFit(), folder.filePath(u"file/sheet.pdf"_s)).isEmpty());
        QVERIFY(!sheetFile::savePdf(pressedFit(), folder.filePath(u"folder"_s)).isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(sheetFile::savePdf(pressedFit(), file.fileName()), QString());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
    }

    // The printer gets the same pages: here one that prints to a file.
    void printsTheSamePages()
    {
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(u"printed.pdf"_s));
        sheetFile::setSheetPage(printer);
        QCOMPARE(sheetFile::print(pressedFit(), printer), QString());
        QCOMPARE(pdfText(printer.outputFileName()), [&] {
            const QString saved = folder.filePath(u"saved.pdf"_s);
            sheetFile::savePdf(pressedFit(), saved);
            return pdfText(saved);
        }());
    }
};

TESSALY_QT_TEST_MAIN(QApplication, TestSheetPdf)
#include "tst_sheet_pdf.moc"
