// SPDX-License-Identifier: MIT
// The workbench's calculation sheet: its two menu items and keys, the save dialog in the folder
// last used, a failed save said, and the same sheet as tessaly-cli --format html writes for the
// same fit.
#include "desktop/sheet/sheet_actions.h"
#include "test_support.h"
#include "window/fits_window.h"
#include "window/stack_window.h"

#include "cli/options.h"
#include "cli/sheet_answer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using tolerance::sheet::Sheet;

namespace {

template <typename T> T* child(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

const tolerance::sheet::Stamp kStamp{"2026-12-09", "Tessaly 4.20"};

// Each modal box as it opens, answered by the test; the texts of the message boxes met.
struct Modals
{
    std::function<void(QFileDialog&)> onDialog;
    QStringList messages;
    QStringList folders; // where each dialog opened

    void run(const std::function<void()>& open)
    {
        QTimer poll;
        QSet<QWidget*> met; // each box answered once, while it closes
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || met.contains(box))
                return;
            met << box;
            if (auto* dialog = qobject_cast<QFileDialog*>(box)) {
                folders << dialog->directory().absolutePath();
                onDialog(*dialog);
            } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
                messages << message->text();
                message->accept();
            }
        });
        poll.start(10);
        open();
    }
};

// As a user types a whole path into the dialog's name field and presses Enter.
void choose(QFileDialog& dialog, const QString& path)
{
    QTimer::singleShot(50, &dialog, [&dialog, path] {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
}

// Everything after the inputs, which each front end names as it was typed there.
QString resultsOf(const Sheet& sheet)
{
    Sheet results = sheet;
    results.sections.erase(results.sections.begin());
    return q(tolerance::sheet::plainText(results));
}

} // namespace

class TestFitsSheet : public QObject
{
    Q_OBJECT

    std::unique_ptr<FitsWindow> m_window;

    void type(const char* field, const QString& value)
    {
        QWidget* widget = child<QWidget>(m_window.get(), QString::fromLatin1(field));
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            combo->setEditText(value);
        else
            qobject_cast<QLineEdit*>(widget)->setText(value);
    }

    SheetActions* actions() const { return m_window->findChild<SheetActions*>(); }

private Q_SLOTS:
    void init() { m_window = activeWindow<FitsWindow>(QSize(900, 800)); }
    void cleanup() { m_window.reset(); }

    void menuItemsAndKeys()
    {
        const QList<QAction*> file = m_window->menuBar()->actions().first()->menu()->actions();
        QCOMPARE(file.at(0)->objectName(), u"saveSheetAction"_s);
        QCOMPARE(file.at(0)->shortcut(), QKeySequence(u"Ctrl+Shift+E"_s));
        QCOMPARE(file.at(1)->objectName(), u"printSheetAction"_s);
        QCOMPARE(file.at(1)->shortcut(), QKeySequence(QKeySequence::Print));
        QVERIFY(file.at(2)->isSeparator());
    }

    // Ctrl+Shift+E opens the dialog with the sheet's name; the next opens in the folder the
    // last sheet went to; a sheet that cannot be written is said, naming the file.
    void savedThroughTheDialog()
    {
        type("sizeField", u"50"_s);
        type("holeClass", u"H7"_s);
        type("shaftClass", u"s6"_s);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"sheet.pdf"_s);
        QString offered;
        Modals modals;
        modals.onDialog = [&](QFileDialog& dialog) {
            offered = dialog.selectedFiles().value(0);
            choose(dialog, path);
        };
        modals.run([&] {
            QTest::keyClick(m_window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        });
        QVERIFY2(offered.endsWith(u"/計算書 はめあい φ50 H7-s6.pdf"_s), qPrintable(offered));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().startsWith("%PDF-"));
        QVERIFY(modals.messages.isEmpty());
        const QString blocked = folder.filePath(u"sheet.pdf/under.pdf"_s);
        modals.onDialog = [&](QFileDialog& dialog) { choose(dialog, blocked); };
        modals.run([&] { actions()->saveAction()->trigger(); });
        QCOMPARE(modals.folders.value(1), QDir(folder.path()).absolutePath());
        QCOMPARE(modals.messages.size(), 1);
        QVERIFY2(modals.messages[0].startsWith(blocked + u" に書けませんでした: "_s),
                 qPrintable(modals.messages[0]));
    }

    // The stack window has the same two items, after 名前を付けて保存 (Ctrl+Shift+S, unchanged),
    // and its sheet is its chain's.
    void stackWindowSheet()
    {
        StackWindow window;
        const QList<QAction*> file = window.menuBar()->actions().first()->menu()->actions();
        const auto named = [&](const QString& name) {
            return *std::find_if(file.begin(), file.end(),
                                 [&](const QAction* a) { return a->objectName() == name; });
        };
        QCOMPARE(named(u"saveSheetAction"_s)->shortcut(), QKeySequence(u"Ctrl+Shift+E"_s));
        QCOMPARE(named(u"printSheetAction"_s)->shortcut(), QKeySequence(QKeySequence::Print));
        QCOMPARE(named(u"saveAsAction"_s)->shortcut(), QKeySequence(u"Ctrl+Shift+S"_s));
        auto* actions = window.findChild<SheetActions*>();
        QVERIFY(window.openFile(QStringLiteral(TESSALY_SOURCE_DIR "/docs/end-play.json")));
        const auto sheet = actions->sheet();
        QVERIFY(sheet);
        QCOMPARE(q(sheet->subject), u"公差の積み上げ（5 部品）"_s);
        QVERIFY(q(tolerance::sheet::plainText(*sheet)).contains(u"\nspacer\n-\n30\nh9\n"_s));
    }

    void nothingToSave()
    {
        type("sizeField", u""_s);
        QTemporaryDir folder;
        QVERIFY(!actions()->sheet());
        QCOMPARE(actions()->saveTo(folder.filePath(u"none.pdf"_s)),
                 u"計算書にできる答えがありません"_s);
        QVERIFY(QDir(folder.path()).isEmpty());
        QCOMPARE(m_window->statusBar()->currentMessage(), u"計算書にできる答えがありません"_s);
    }

    void sameAsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("typed"); // size, hole, shaft, then 使用条件 by field
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("sameInputs");
        QTest::newRow("pressed, the README's example")
            << QStringList{u"50"_s,           u"H7"_s,       u"s6"_s,
                           u"holeMaterial"_s, u"S45C"_s,     u"shaftMaterial"_s,
                           u"S45C"_s,         u"hubOuter"_s, u"80"_s,
                           u"jointLength"_s,  u"40"_s,       u"friction"_s,
                           u"0.15"_s}
            << QStringList{u"H7/s6"_s,          u"50"_s,  u"--materials"_s, u"S45C/S45C"_s,
                           u"--hub-diameter"_s, u"80"_s,  u"--length"_s,    u"40"_s,
                           u"--friction"_s,     u"0.15"_s}
            << true;
        QTest::newRow("warm, two temperatures")
            << QStringList{u"35"_s,           u"H7"_s,          u"g6"_s,
                           u"holeMaterial"_s, u"A5052"_s,       u"shaftMaterial"_s,
                           u"S45C"_s,         u"holeCelsius"_s, u"60"_s,
                           u"shaftCelsius"_s, u"90"_s}
            << QStringList{u"H7/g6"_s,         u"35"_s,   u"--materials"_s, u"A5052/S45C"_s,
                           u"--temperature"_s, u"60/90"_s}
            << true;
        QTest::newRow("a bearing's bore on k5")
            << QStringList{u"30"_s, u"軸受内輪 0 級"_s, u"k5"_s}
            << QStringList{u"k5"_s, u"30"_s, u"--bearing-bore"_s, u"0"_s} << false;
    }

    void sameAsTheCommandLine()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, args);
        QFETCH(bool, sameInputs);
        type("sizeField", typed[0]);
        type("holeClass", typed[1]);
        type("shaftClass", typed[2]);
        if (typed.size() > 3)
            child<QGroupBox>(m_window.get(), u"serviceGroup"_s)->setChecked(true);
        for (qsizetype i = 3; i + 1 < typed.size(); i += 2)
            type(typed[i].toLatin1().constData(), typed[i + 1]);
        const auto fromWindow = actions()->sheet();
        QVERIFY(fromWindow);
        std::vector<std::string> texts;
        for (const QString& arg : args)
            texts.push_back(arg.toStdString());
        const std::vector<std::string_view> views(texts.begin(), texts.end());
        const Sheet fromCli = cli::fitSheetOf(cli::parseOptions(views), kStamp);
        Sheet window = *fromWindow;
        window.stampLines = fromCli.stampLines; // made today, the command line's on the test's day
        QCOMPARE(resultsOf(window), resultsOf(fromCli));
        if (sameInputs)
            QCOMPARE(q(tolerance::sheet::plainText(window)),
                     q(tolerance::sheet::plainText(fromCli)));
    }
};

TESSALY_QT_TEST_MAIN(QApplication, TestFitsSheet)
#include "tst_fits_sheet.moc"
