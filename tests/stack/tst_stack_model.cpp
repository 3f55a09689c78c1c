// SPDX-License-Identifier: MIT
// The stack-up window's model alone: a member's limits as it is typed, one undo step per cell
// typed into and per row added, removed or moved; a half-typed chain answering nothing with the
// row that stops it; a newer edit replacing an older Monte Carlo run; files saved whole or not
// at all and bad ones refused; the chain kept as typed between runs.
#include "model/last_chain.h"
#include "model/stack_model.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using tolerance::stack::MemberText;

namespace {

// Types text into a cell a key at a time, as the window's editor hands each key over.
void type(MemberTable& table, int row, int column, const QString& text)
{
    const QString before = table.data(table.index(row, column), Qt::EditRole).toString();
    for (qsizetype i = 1; i <= text.size(); ++i)
        table.setData(table.index(row, column), QString(before + text.left(i)));
    table.endTyping();
}

void addMember(MemberTable& table, const QStringList& cells)
{
    const int row = table.insertMember(table.rowCount() - 1);
    const int columns[] = {MemberTable::Name, MemberTable::Direction, MemberTable::Nominal,
                           MemberTable::Tolerance};
    for (int i = 0; i < cells.size(); ++i)
        type(table, row, columns[i], cells[i]);
}

QString cell(const MemberTable& table, int row, int column, int role = Qt::DisplayRole)
{
    return table.data(table.index(row, column), role).toString();
}

QString names(const MemberTable& table)
{
    QStringList names;
    for (int row = 0; row < table.rowCount(); ++row)
        names << cell(table, row, MemberTable::Name);
    return names.join(u',');
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

class TestStackModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void limitsFollowTheTyping()
    {
        StackModel model;
        MemberTable& table = model.table();
        addMember(table, {u"housing"_s, u"+"_s, u"62"_s});
        // "H" is no class yet, "H8" is +0.046/0 at 62 (IT8 over 50 to 80 mm, 46 µm).
        table.setData(table.index(0, MemberTable::Tolerance), u"H"_s);
        QVERIFY(!cell(table, 0, MemberTable::Limits, MemberTable::ProblemRole).isEmpty());
        QVERIFY(!model.answer());
        QCOMPARE(model.answerProblem(), u"1 行目: H に公差等級の数字がありません（例: H7）"_s);
        table.setData(table.index(0, MemberTable::Tolerance), u"H8"_s);
        QCOMPARE(cell(table, 0, MemberTable::Limits), u"+0.046/0"_s);
        QVERIFY(model.answer());
        QCOMPARE(model.answer()->worstMaximum, 62'046'000);
        // The nominal changed under the class: the limits follow (IT8 over 30 to 50, 39 µm).
        table.setData(table.index(0, MemberTable::Nominal), u"6x"_s);
        QCOMPARE(cell(table, 0, MemberTable::Nominal, MemberTable::ProblemRole),
                 u"数字で入力してください（例: 25）"_s);
        table.setData(table.index(0, MemberTable::Nominal), u"４０"_s);
        QCOMPARE(cell(table, 0, MemberTable::Limits), u"+0.039/0"_s);
    }

    void undoStepsAndBlankRows()
    {
        StackModel model;
        MemberTable& table = model.table();
        addMember(table, {u"a"_s, u"+"_s, u"10"_s, u"±0.1"_s});
        addMember(table, {u"b"_s, u"-"_s, u"4"_s, u"h7"_s});
        addMember(table, {u"c"_s, u"−"_s, u"5"_s, u"0/-0.06"_s});
        QVERIFY(model.answer());
        QCOMPARE(model.answer()->nominal, 1'000'000);
        // A row added and not yet typed into keeps the answer.
        table.insertMember(0);
        QCOMPARE(names(table), u"a,,b,c"_s);
        QVERIFY(model.answer());
        table.removeMember(1);
        QVERIFY(table.moveMember(2, -1));
        QVERIFY(!table.moveMember(0, -1));
        QCOMPARE(names(table), u"a,c,b"_s);
        type(table, 0, MemberTable::Name, u"xy"_s); // two keys, one step
        QCOMPARE(names(table), u"axy,c,b"_s);

        QCOMPARE(table.undo(), table.index(0, MemberTable::Name));
        QCOMPARE(names(table), u"a,c,b"_s);
        QCOMPARE(table.undo(), table.index(2, MemberTable::Name));
        QCOMPARE(names(table), u"a,b,c"_s);
        table.undo();
        QCOMPARE(names(table), u"a,,b,c"_s);
        table.undo();
        QCOMPARE(names(table), u"a,b,c"_s);
        table.redo();
        table.redo();
        QCOMPARE(names(table), u"a,b,c"_s);
        QVERIFY(table.canRedo());
        // A new change forgets what could be redone.
        type(table, 2, MemberTable::Tolerance, u"x"_s);
        QVERIFY(!table.canRedo());
        QCOMPARE(model.answerProblem().left(4), u"3 行目"_s);
        QVERIFY(!model.answer());
    }

    void newerEditReplacesOlderRun()
    {
        StackModel model;
        // Every run the model ever shows, by its lowest 0.135 % point.
        QList<double> shown;
        connect(&model, &StackModel::monteCarloChanged, &model, [&] {
            if (model.monteCarlo())
                shown << model.monteCarlo()->minimum;
        });
        MemberTable& table = model.table();
        std::vector<MemberText> texts;
        for (int i = 0; i < 200; ++i)
            texts.push_back({"m", "+", "10", "±0.1", {}, {}, {}});
        table.setTexts(texts);
        QVERIFY(model.monteCarloRunning());
        // 200 members: a second or so of draws, replaced at once by a chain of one.
        table.setTexts({{"only", "+", "10", "±0.3", {}, {}, {}}});
        QTRY_VERIFY_WITH_TIMEOUT(model.monteCarlo().has_value(), 10000);
        QVERIFY(!model.monteCarloRunning());
        QTest::qWait(100);
        // One member ±0.3 spread normally: its 0.135 % point is 3σ = 0.3 below 10, never the
        // 200-member chain's √200 × 0.1 = 1.41 below 2000.
        QCOMPARE(shown.size(), 1);
        QVERIFY(std::abs(shown.front() - 9.7e6) < 0.01e6);
    }

    void filesWholeOrNotAtAll()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"gap.json"_s);
        StackModel model;
        addMember(model.table(), {u"a"_s, u"+"_s, u"10"_s, u"±0.1"_s});
        addMember(model.table(), {u"b"_s, u"-"_s, u"9"_s, u"H99"_s});
        // A member that does not read is not written.
        QCOMPARE(model.saveAs(path), u"2 行目: H99: 公差等級は 01、0、1～18 です"_s);
        QVERIFY(!QFile::exists(path));
        model.table().setData(model.table().index(1, MemberTable::Tolerance), u"h9"_s);
        model.setRequirement(u"0.5..1.5"_s);
        QCOMPARE(model.saveAs(path), std::nullopt);
        QVERIFY(!model.modified());
        QCOMPARE(model.recentFiles(), QStringList{path});
        const QByteArray saved = contents(path);

        // Read-only: refused, for root too, and the file stays as it was.
        model.setRequirement(u"0.5..1.6"_s);
        QVERIFY(model.modified());
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QCOMPARE(model.saveAs(path), u"読み取り専用のファイルです"_s);
        QCOMPARE(contents(path), saved);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        // A bad file is refused with its member and why; the chain open stays.
        QFile bad(folder.filePath(u"bad.json"_s));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(R"({"members": [{"direction": "+", "nominal": 5, "tolerance": "h7"},
                     {"name": "ring", "direction": "+", "nominal": 5, "tolerance": "h7",
                      "temperature": 80}]})");
        bad.close();
        QCOMPARE(model.open(bad.fileName()),
                 u"2 番目の部品「ring」: 温度には材料が要ります（膨張を材料から求めます）"_s);
        QCOMPARE(model.requirement(), u"0.5..1.6"_s);

        StackModel other;
        QCOMPARE(other.open(path), std::nullopt);
        QCOMPARE(names(other.table()), u"a,b"_s);
        QCOMPARE(other.requirement(), u"0.5..1.5"_s);
        QVERIFY(!other.modified());
    }

    void chainKeptAsTyped()
    {
        StackModel model;
        addMember(model.table(), {u"ハウジング"_s, u"+"_s, u"62"_s, u"H8"_s});
        addMember(model.table(), {u"half"_s, u"-"_s}); // half typed
        model.setRequirement(u"0.1..\u22120.2"_s);
        model.setDistribution(tolerance::Distribution::Uniform);
        lastChain::save(model.kept(), {}, {u"/somewhere/a.json"_s});

        StackModel again;
        again.restore(*lastChain::loadChain());
        QCOMPARE(names(again.table()), u"ハウジング,half"_s);
        QCOMPARE(cell(again.table(), 1, MemberTable::Direction), u"-"_s);
        QCOMPARE(again.requirement(), u"0.1..\u22120.2"_s);
        QCOMPARE(again.distribution(), tolerance::Distribution::Uniform);
        QVERIFY(again.modified());
        QCOMPARE(lastChain::recentFiles(), QStringList{u"/somewhere/a.json"_s});
    }
};

TESSALY_QT_TEST_MAIN(QCoreApplication, TestStackModel)
#include "tst_stack_model.moc"
