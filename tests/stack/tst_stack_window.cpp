// SPDX-License-Identifier: MIT
// The stack-up window driven by its objects' names: a member typed in with the keyboard, its
// limits and the answer following each key, Esc and Ctrl+Z taking typing back; and on a small
// screen the answer and the table in view, with no scrolling area around either; at first launch
// on five screens the closing range and the share outside the requirement seen, the frame inside
// the work area (run with the screens of tests/widget/screens.json); Alt and a letter reaching a
// control on a page not shown, never typing its letter.
#include "desktop/settings.h"
#include "model/stack_model.h"
#include "stack_window.h"
#include "test_support.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

template <typename T> T* named(const QWidget& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

QString figure(const QWidget& window, const char* name)
{
    return named<QLabel>(window, name)->text();
}

// The cell editor being typed into; a closed one may linger until deleted.
QLineEdit* editor(const QTableView& view)
{
    auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return focused && focused->objectName() == u"cellEditor"_s && view.isAncestorOf(focused)
               ? focused
               : nullptr;
}

bool insideScrollArea(const QWidget& widget)
{
    for (const QWidget* up = widget.parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QScrollArea*>(up))
            return true;
    return false;
}

} // namespace

class TestStackWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void memberTypedWithTheKeyboard()
    {
        const auto window = activeWindow<StackWindow>(QSize(900, 650));
        auto* view = named<QTableView>(*window, "members");
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(editor(*view));
        QTest::keyClicks(editor(*view), u"ring"_s);
        for (const QString& text : {u"+"_s, u"10"_s, u"h7"_s}) {
            QTest::keyClick(editor(*view), Qt::Key_Tab);
            QTRY_VERIFY(editor(*view));
            QTest::keyClicks(editor(*view), text);
        }
        // Still typing: h7 at 10 mm is 0/-0.015 (IT7 over 6 to 10 mm, 15 µm), and the answer has
        // it.
        QVERIFY(editor(*view));
        const MemberTable& table = window->model().table();
        QCOMPARE(table.data(table.index(0, MemberTable::Limits)).toString(), u"0/-0.015"_s);
        QCOMPARE(figure(*window, "worstCase"), u"9.985 ～ 10.000"_s);
        // Esc takes back what was typed into the cell, and the answer with it.
        QTest::keyClick(editor(*view), Qt::Key_Escape);
        QCOMPARE(table.data(table.index(0, MemberTable::Tolerance)).toString(), QString());
        QCOMPARE(figure(*window, "worstCase"), u"—"_s);
        QCOMPARE(named<QLabel>(*window, "answerProblem")->text(),
                 u"1 行目: 公差を入力してください（例: H8、h7、+0.1/-0.05、±0.05、m）"_s);
        // Typed again and left with Return, then undone with Ctrl+Z outside the editor.
        QTest::keyClick(view, Qt::Key_H); // starts the editor, as a spreadsheet does
        QVERIFY(editor(*view));
        QTest::keyClicks(editor(*view), u"8"_s);
        QTest::keyClick(editor(*view), Qt::Key_Return);
        QTRY_VERIFY(!editor(*view));
        QCOMPARE(figure(*window, "worstCase"), u"9.978 ～ 10.000"_s);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(table.data(table.index(0, MemberTable::Tolerance)).toString(), QString());
        QCOMPARE(view->currentIndex(), table.index(0, MemberTable::Tolerance));
        // Ctrl+- removes the member, Ctrl+Z brings it back.
        QTest::keyClick(view, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(table.rowCount(), 0);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(table.data(table.index(0, MemberTable::Name)).toString(), u"ring"_s);
    }

    void accessKeysReachTheAnswer()
    {
        // From the table, Alt+K goes to the answer's first figure and Tab on through them; Tab
        // leaves the table when no cell is being typed into.
        const auto window = activeWindow<StackWindow>();
        window->model().table().setTexts({{"a", "+", "40", "±0.1", {}, {}, {}}});
        auto* view = named<QTableView>(*window, "members");
        view->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"closingNominal"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"worstCase"_s);
        QCOMPARE(QApplication::focusWidget()->accessibleName(), u"最悪値 39.900 ～ 40.100"_s);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"addMember"_s);
    }

    void generalToleranceLookedUp()
    {
        // JIS B 0405 (ISO 2768-1) tables 1 to 3, class m: over 30 to 120 mm ±0.3, a broken
        // edge over 6 mm ±1, an angle whose shorter side is over 10 to 50 mm ±0°30′.
        const auto window = activeWindow<StackWindow>();
        auto* size = named<QLineEdit>(*window, "generalSize");
        size->insert(u"３５"_s); // as a Japanese input method commits it
        QCOMPARE(figure(*window, "generalLinear"), u"±0.3（30～120）"_s);
        QCOMPARE(figure(*window, "generalChamfer"), u"±1（6～）"_s);
        QCOMPARE(figure(*window, "generalAngle"), u"±0°30′（10～50）"_s);
        QCOMPARE(named<QLabel>(*window, "generalLinear")->accessibleName(),
                 u"長さの普通公差 ±0.3（30～120）"_s);
    }

    void answerFirstOnASmallScreen()
    {
        // An 800 × 600 screen less a panel and the window's frame.
        const auto window = activeWindow<StackWindow>(QSize(780, 540));
        window->model().table().setTexts(
            {{"a", "+", "40", "±0.1", {}, {}, {}}, {"b", "-", "25", "±0.05", {}, {}, {}}});
        QTest::qWait(20);
        QVERIFY(window->size().height() <= 560);
        for (const char* name : {"closingNominal", "worstCase", "statistical", "requirement"}) {
            const QWidget* widget = named<QWidget>(*window, name);
            QVERIFY2(whollySeen(widget), name);
            QVERIFY2(!insideScrollArea(*widget), name);
        }
        const auto* view = named<QTableView>(*window, "members");
        QVERIFY(!insideScrollArea(*view));
        QVERIFY(seenRect(view).height() >= 4 * view->verticalHeader()->defaultSectionSize());
        QCOMPARE(figure(*window, "worstCase"), u"14.850 ～ 15.150"_s);
    }

    // At first launch on each screen: the frame inside the work area, and the closing range and
    // the share outside the requirement inside every area that cuts them.
    void answerSeen_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char* screen :
             {"1280x1024", "1920x1080", "1366x768 at 125 %", "1024x576", "800x600"})
            QTest::newRow(screen) << QString::fromUtf8(screen);
    }
    void answerSeen()
    {
        QFETCH(QString, screen);
        QScreen* on = nullptr;
        for (QScreen* candidate : QGuiApplication::screens())
            if (candidate->name() == screen)
                on = candidate;
        if (!on)
            QSKIP("needs the screens of tests/widget/screens.json (tst_stack_window_screens)");
        settings::store(u"TessalyStack").clear();
        auto window = std::make_unique<StackWindow>();
        window->setScreen(on);
        window->restoreLast();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->model().table().setTexts(
            {{"a", "+", "40", "±0.1", {}, {}, {}}, {"b", "-", "25", "±0.05", {}, {}, {}}});
        window->model().setRequirement(u"14.9..15.1"_s);
        QTest::qWait(50);
        QVERIFY(on->availableGeometry().contains(window->frameGeometry()));
        for (const char* name : {"worstCase", "statistical", "outside"})
            QVERIFY2(whollySeen(named<QWidget>(*window, name)), name);
        QCOMPARE(figure(*window, "worstCase"), u"14.850 ～ 15.150"_s);
        QVERIFY(figure(*window, "outside").endsWith(u'%'));
    }

    // Alt and a letter for a control on the tools' page not shown: that page shown and the
    // control taken, never the letter typed into the field with the focus ("0.1z").
    void accessKeyOfAHiddenPage()
    {
        const auto window = activeWindow<StackWindow>(QSize(900, 650));
        named<QTabWidget>(*window, "tools")->setCurrentIndex(0);
        auto* requirement = named<QLineEdit>(*window, "requirement");
        requirement->setFocus();
        requirement->setText(u"0.1"_s);
        QTest::keyClick(requirement, Qt::Key_Z, Qt::AltModifier);
        QCOMPARE(requirement->text(), u"0.1"_s);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"generalSize"_s);
        QVERIFY(named<QWidget>(*window, "generalSize")->isVisible());
    }
};

TESSALY_QT_TEST_MAIN(QApplication, TestStackWindow)
#include "tst_stack_window.moc"
