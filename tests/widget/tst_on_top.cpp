// SPDX-License-Identifier: MIT
// Keeping the window above others: SetFormTop itself, and the View menu's ON and OFF items, from
// the menu, from F4 and F5 wherever the focus is, and from the about item.
#include "actions/on_top_and_about.h"
#include "modal_helpers.h"
#include "platform/form_top.h"
#include "pointer_helpers.h"
#include "test_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QSignalSpy>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

bool staysOnTop(const QWidget& window)
{
    return window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

// What the user sees of the choice: the stacking, the two check marks, panel 2.
struct OnTopState
{
    bool onTop;
    bool onChecked;
    bool offChecked;
    QString panel2;
    bool operator==(const OnTopState&) const = default;
};

const OnTopState kInitial{false, false, false, {}};
const OnTopState kOn{true, true, false, u"FormTop"_s};
const OnTopState kOff{false, false, true, {}};

char* toString(const OnTopState& s)
{
    return QTest::toString(u"onTop=%1 ON=%2 OFF=%3 panel2='%4'"_s.arg(s.onTop)
                               .arg(s.onChecked)
                               .arg(s.offChecked)
                               .arg(s.panel2));
}

enum class Choice
{
    None,
    On,
    Off,
    About
};

} // namespace

Q_DECLARE_METATYPE(OnTopState)
Q_DECLARE_METATYPE(Choice)

class TestOnTop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_form = loadedForm(); }
    void cleanup() { m_form.reset(); }

    void setFormTop_data()
    {
        QTest::addColumn<bool>("onTopBefore");
        QTest::addColumn<int>("flag");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<bool>("onTopAfter");
        QTest::newRow("1 from normal") << false << 1 << true << true;
        QTest::newRow("1 again") << true << 1 << true << true;
        QTest::newRow("0 from on top") << true << 0 << true << false;
        QTest::newRow("0 again") << false << 0 << true << false;
        QTest::newRow("2 from normal") << false << 2 << false << false;
        QTest::newRow("2 from on top") << true << 2 << false << true;
        QTest::newRow("-1 from on top") << true << -1 << false << true;
        QTest::newRow("32767 from normal") << false << 32767 << false << false;
    }
    void setFormTop()
    {
        QFETCH(bool, onTopBefore);
        QFETCH(int, flag);
        QFETCH(bool, succeeds);
        QFETCH(bool, onTopAfter);
        Form1& form = *m_form;
        if (onTopBefore)
            FormTop::SetFormTop(form, 1);
        QCOMPARE(staysOnTop(form), onTopBefore);
        const WId id = form.winId();
        const QWindow* handle = form.windowHandle();
        const QRect frame = form.frameGeometry();

        const std::int32_t result = FormTop::SetFormTop(form, std::int16_t(flag));
        QCOMPARE(result != 0, succeeds);
        QCOMPARE(staysOnTop(form), onTopAfter);
        // The widget's own flags agree, so nothing re-creating the window would lose the choice.
        QCOMPARE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTopAfter);
        // Changed in place: the same native window, where it was, shown throughout.
        QCOMPARE(form.windowHandle(), handle);
        QCOMPARE(form.winId(), id);
        QCOMPARE(form.frameGeometry(), frame);
        QVERIFY(form.isVisible());
        QVERIFY(form.windowHandle()->isVisible());
    }

    void setFormTopShowsAHiddenWindowUnlessRefused()
    {
        QWidget refused;
        QCOMPARE(FormTop::SetFormTop(refused, 2), 0);
        QVERIFY(!refused.isVisible());
        QWidget accepted;
        QVERIFY(FormTop::SetFormTop(accepted, 0) != 0);
        QVERIFY(accepted.isVisible());
    }

    void choicesFromEveryState_data()
    {
        QTest::addColumn<Choice>("first");
        QTest::addColumn<Choice>("then");
        QTest::addColumn<OnTopState>("expected");
        const std::pair<const char*, Choice> from[] = {
            {"Initial", Choice::None}, {"On", Choice::On}, {"Off", Choice::Off}};
        const std::tuple<const char*, Choice, OnTopState> to[] = {
            {"ON", Choice::On, kOn}, {"OFF", Choice::Off, kOff}, {"About", Choice::About, kOff}};
        for (const auto& [fromName, first] : from)
            for (const auto& [toName, then, expected] : to)
                QTest::addRow("%s, %s", fromName, toName) << first << then << expected;
    }
    void choicesFromEveryState()
    {
        QFETCH(Choice, first);
        QFETCH(Choice, then);
        QFETCH(OnTopState, expected);
        QCOMPARE(state(), kInitial);
        choose(first);
        choose(then);
        QCOMPARE(state(), expected);
    }

    void eachHandlerRunsItsStepsInOrder()
    {
        QWidget window;
        window.show();
        QLabel panel2;
        QAction on(u"ON"_s);
        QAction off(u"OFF"_s);
        on.setCheckable(true);
        off.setCheckable(true);
        const OnTopControls controls{&window, &panel2, &on, &off};
        off.setChecked(true);

        // Each mark changes after the panel and the window, ON's before OFF's.
        QStringList seen;
        connect(&on, &QAction::toggled, this, [&](bool checked) {
            seen << u"ON %1 panel='%2' top=%3 OFF=%4"_s.arg(checked)
                        .arg(panel2.text())
                        .arg(staysOnTop(window))
                        .arg(off.isChecked());
        });
        connect(&off, &QAction::toggled, this,
                [&](bool checked) { seen << u"OFF %1 ON=%2"_s.arg(checked).arg(on.isChecked()); });
        formTopOn(controls);
        formTopOff(controls);
        const QStringList expected{u"ON 1 panel='FormTop' top=1 OFF=1"_s, u"OFF 0 ON=1"_s,
                                   u"ON 0 panel='' top=0 OFF=0"_s, u"OFF 1 ON=0"_s};
        QCOMPARE(seen, expected);
    }

    void keysWorkWhereverTheFocusIs_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<OnTopState>("expected");
        for (const auto& [name, page] :
             {std::pair{u"Combo1"_s, 0}, std::pair{u"Combo2"_s, 0}, std::pair{u"Text1"_s, 0},
              std::pair{u"Text2"_s, 0}, std::pair{u"Combo3"_s, 1}, std::pair{u"Text4"_s, 1}}) {
            QTest::addRow("F4 in %s", qPrintable(name)) << page << name << int(Qt::Key_F4) << kOn;
            QTest::addRow("F5 in %s", qPrintable(name)) << page << name << int(Qt::Key_F5) << kOff;
        }
    }
    void keysWorkWhereverTheFocusIs()
    {
        QFETCH(int, page);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(OnTopState, expected);
        clickTab(*m_form, page);
        auto* control = child<QWidget>(m_form.get(), focus);
        control->setFocus();
        QCOMPARE(QApplication::focusWidget(), control);
        auto* list = qobject_cast<QComboBox*>(control);
        const int index = list ? list->currentIndex() : -1;

        // A key as the window system delivers it, with no menu open.
        QTest::keyClick(m_form->windowHandle(), Qt::Key(key));
        QCOMPARE(state(), expected);
        QCOMPARE(QApplication::focusWidget(), control);
        if (list) {
            // A list would take F4 to open itself: the item gets the key instead.
            QVERIFY(!list->view()->isVisible());
            QCOMPARE(list->currentIndex(), index);
        }
    }

    // Where the platform cannot keep a window on top (native Wayland), ON and F4 are unavailable
    // and claim nothing; OFF keeps its steps.
    void onTopUnavailableClaimsNothing()
    {
        const OnTopControls controls{m_form.get(), child<QLabel>(m_form.get(), u"Panel2"_s),
                                     child<QAction>(m_form.get(), u"FormTop_ON"_s),
                                     child<QAction>(m_form.get(), u"FormTop_OFF"_s)};
        offerOnTop(controls, false);
        QVERIFY(!controls.on->isEnabled());
        QTest::keyClick(m_form->windowHandle(), Qt::Key_F4);
        QCOMPARE(state(), kInitial);
        QTest::keyClick(m_form->windowHandle(), Qt::Key_F5);
        QCOMPARE(state(), kOff);
        QTest::keyClick(m_form->windowHandle(), Qt::Key_F4);
        QCOMPARE(state(), kOff);
        offerOnTop(controls, true);
        QTest::keyClick(m_form->windowHandle(), Qt::Key_F4);
        QCOMPARE(state(), kOn);
    }

private:
    OnTopState state() const
    {
        return {staysOnTop(*m_form), child<QAction>(m_form.get(), u"FormTop_ON"_s)->isChecked(),
                child<QAction>(m_form.get(), u"FormTop_OFF"_s)->isChecked(),
                child<QLabel>(m_form.get(), u"Panel2"_s)->text()};
    }

    void choose(Choice choice)
    {
        switch (choice) {
        case Choice::None:
            return;
        case Choice::On:
            child<QAction>(m_form.get(), u"FormTop_ON"_s)->trigger();
            return;
        case Choice::Off:
            child<QAction>(m_form.get(), u"FormTop_OFF"_s)->trigger();
            return;
        case Choice::About: {
            OnTopState whileOpen{};
            const ModalRun run =
                whileModal([this] { child<QAction>(m_form.get(), u"About"_s)->trigger(); },
                           [&](QWidget* box) {
                               whileOpen = state();
                               QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
                           });
            QVERIFY(run.appeared);
            QVERIFY(run.closedInTime);
            QCOMPARE(whileOpen, kOff); // the OFF steps ran before the box opened
            return;
        }
        }
    }

    std::unique_ptr<Form1> m_form;
};

TESSALY_WIDGET_TEST_MAIN(TestOnTop)
#include "tst_on_top.moc"
