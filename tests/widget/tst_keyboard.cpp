// SPDX-License-Identifier: MIT
// Everything the window does can be done from the keyboard: Tab walks the controls in their
// designed order, Ctrl+Tab and the tab bar's arrows turn the pages, Alt and a letter open each
// menu and its items are chosen with the arrows and Return.
#include "modal_helpers.h"
#include "test_support.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

using namespace Qt::Literals::StringLiterals;

namespace {

QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : u"(none)"_s;
}

// Presses key count times where the focus is and names each control the focus passes to.
QStringList walk(int count, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        names << focusName();
    }
    return names;
}

QStringList rotated(QStringList list, int by)
{
    std::rotate(list.begin(), list.begin() + by, list.end());
    return list;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_form = loadedForm();
        m_tabs = child<QTabBar>(m_form.get(), u"SSTab1Tabs"_s);
    }
    void cleanup() { m_form.reset(); }

    // The designed stored positions, less the controls that never take the focus (the hidden
    // quit button, the pages, the labels, the status bar) and those on the page not shown.
    void tabWalksTheDesignedOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("hole page")
            << 0 << QStringList{u"Text2"_s, u"Combo1"_s, u"Combo2"_s, u"Text1"_s, u"SSTab1Tabs"_s};
        QTest::newRow("shaft page")
            << 1 << QStringList{u"Combo3"_s, u"Combo4"_s, u"SSTab1Tabs"_s, u"Text4"_s, u"Text3"_s};
    }
    void tabWalksTheDesignedOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        m_tabs->setCurrentIndex(page);
        child<QWidget>(m_form.get(), order.first())->setFocus();
        QCOMPARE(focusName(), order.first());
        // Twice round, so the step from the last control back to the first is seen too.
        QCOMPARE(walk(order.size(), Qt::Key_Tab), rotated(order, 1));
        QCOMPARE(walk(order.size(), Qt::Key_Tab), rotated(order, 1));
        QStringList back = order;
        std::reverse(back.begin(), back.end());
        QCOMPARE(walk(order.size(), Qt::Key_Backtab, Qt::ShiftModifier), back);
    }

    void theFirstFocusIsTheFirstStop() { QCOMPARE(focusName(), u"Text2"_s); }

    // From every stop of either page: Ctrl+Tab shows the other page (two pages, so both ways
    // lead there) and the focus stays on something the user can see.
    void ctrlTabTurnsThePage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("back");
        for (bool back : {false, true}) {
            const char* how = back ? "Ctrl+Shift+Tab" : "Ctrl+Tab";
            for (const char* name : {"Text2", "Combo1", "Combo2", "Text1", "SSTab1Tabs"})
                QTest::addRow("%s from %s on the hole page", how, name) << 0 << q(name) << back;
            for (const char* name : {"Combo3", "Combo4", "Text4", "Text3", "SSTab1Tabs"})
                QTest::addRow("%s from %s on the shaft page", how, name) << 1 << q(name) << back;
        }
    }
    void ctrlTabTurnsThePage()
    {
        QFETCH(int, page);
        QFETCH(QString, from);
        QFETCH(bool, back);
        m_tabs->setCurrentIndex(page);
        child<QWidget>(m_form.get(), from)->setFocus();
        const Qt::Key key = back ? Qt::Key_Backtab : Qt::Key_Tab;
        const Qt::KeyboardModifiers modifiers =
            back ? Qt::ControlModifier | Qt::ShiftModifier : Qt::ControlModifier;
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCOMPARE(m_tabs->currentIndex(), 1 - page);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
        QTest::keyClick(focus, key, modifiers);
        QCOMPARE(m_tabs->currentIndex(), page);
    }

    void arrowsOnTheTabBarTurnThePage()
    {
        m_tabs->setFocus();
        QTest::keyClick(m_tabs, Qt::Key_Right);
        QCOMPARE(m_tabs->currentIndex(), 1);
        QVERIFY(m_form->shaft().range->isVisible());
        QVERIFY(!m_form->hole().range->isVisible());
        QTest::keyClick(m_tabs, Qt::Key_Left);
        QCOMPARE(m_tabs->currentIndex(), 0);
        QVERIFY(m_form->hole().range->isVisible());
    }

    // Alt and the underlined letter open each menu with its first item chosen, wherever the
    // focus is, also in a list or a box that takes letters for itself.
    void altAndALetterOpenEachMenu_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("firstItem");
        for (const char* focus : {"Combo2", "Text1"}) {
            QTest::addRow("Alt+F in %s", focus)
                << q(focus) << int(Qt::Key_F) << u"file"_s << u"Quit"_s;
            QTest::addRow("Alt+V in %s", focus)
                << q(focus) << int(Qt::Key_V) << u"View"_s << u"FrontTop"_s;
            QTest::addRow("Alt+H in %s", focus)
                << q(focus) << int(Qt::Key_H) << u"Help"_s << u"About"_s;
        }
    }
    void altAndALetterOpenEachMenu()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, menu);
        QFETCH(QString, firstItem);
        child<QWidget>(m_form.get(), focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        auto* opened = child<QMenu>(m_form.get(), menu);
        QTRY_VERIFY(opened->isVisible());
        QVERIFY(opened->activeAction());
        const QString active = opened->activeAction()->menu()
                                   ? opened->activeAction()->menu()->objectName()
                                   : opened->activeAction()->objectName();
        QCOMPARE(active, firstItem);
        // Esc closes the menu, leaves the menu bar, and only the third reaches the window.
        QTest::keyClick(opened, Qt::Key_Escape);
        QTRY_VERIFY(!opened->isVisible());
        QVERIFY(m_form->isVisible());
    }

    // Alt+V, Right into the submenu, then Return on ON, or Down and Return on OFF.
    void onAndOffFromTheViewMenu()
    {
        auto* on = child<QAction>(m_form.get(), u"FormTop_ON"_s);
        auto* off = child<QAction>(m_form.get(), u"FormTop_OFF"_s);
        auto* view = child<QMenu>(m_form.get(), u"View"_s);
        auto* frontTop = child<QMenu>(m_form.get(), u"FrontTop"_s);
        for (bool down : {false, true}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::AltModifier);
            QTRY_VERIFY(view->isVisible());
            QTest::keyClick(view, Qt::Key_Right);
            QTRY_VERIFY(frontTop->isVisible());
            if (down)
                QTest::keyClick(frontTop, Qt::Key_Down);
            QTest::keyClick(frontTop, Qt::Key_Return);
            QTRY_VERIFY(!view->isVisible());
            QCOMPARE(on->isChecked(), !down);
            QCOMPARE(off->isChecked(), down);
        }
    }

    void aboutFromTheHelpMenuAndEscBack()
    {
        auto* help = child<QMenu>(m_form.get(), u"Help"_s);
        QString caption;
        const ModalRun run = whileModal(
            [&] {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
                QTRY_VERIFY(help->isVisible());
                QTest::keyClick(help, Qt::Key_Return);
            },
            [&](QWidget* box) {
                caption = box->windowTitle();
                QTest::keyClick(box, Qt::Key_Escape);
            });
        QVERIFY(run.appeared);
        QVERIFY(run.closedInTime);
        QCOMPARE(caption, u"information"_s);
        QVERIFY(m_form->isVisible());
    }

private:
    std::unique_ptr<Form1> m_form;
    QTabBar* m_tabs = nullptr;
};

TESSALY_WIDGET_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
