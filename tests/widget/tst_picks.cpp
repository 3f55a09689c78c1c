// SPDX-License-Identifier: MIT
// Picks in the four lists drive the lookups: each pick, however it is made, runs its side's
// handler exactly once and leaves the other side alone.
#include "test_support.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>

using namespace Qt::Literals::StringLiterals;
using tolerance::Side;

Q_DECLARE_METATYPE(tolerance::Side)

namespace {

// What the core says the side must show for its current picks.
std::pair<QString, QString> expected(const SideControls& side)
{
    const QByteArray code = side.toleranceClass->currentText().toUtf8();
    const QByteArray range = side.range->currentText().toUtf8();
    const auto* cls = tolerance::findClass(side.side, {code.data(), std::size_t(code.size())});
    const auto entry = tolerance::ShowDeviations(*cls, {range.data(), std::size_t(range.size())});
    return {q(entry->upper), q(entry->lower)};
}

std::pair<QString, QString> shown(const SideControls& side)
{
    return {side.upper->text(), side.lower->text()};
}

void pickInPopup(QComboBox* combo, int index)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    // The popup ignores a release that comes too soon after it opened, as a real one would.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect item = view->visualRect(view->model()->index(index, 0));
    const QPoint at(view->viewport()->width() / 2, item.center().y());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!view->isVisible());
}

void wheelDown(QComboBox* combo)
{
    const QPointF at = combo->rect().center();
    QWheelEvent event(at, combo->mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(combo, &event);
}

} // namespace

class TestPicks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_form = loadedForm();
        m_spy = std::make_unique<QSignalSpy>(m_form.get(), &Form1::pickHandled);
    }
    void cleanup()
    {
        m_spy.reset();
        m_form.reset();
    }

    void startUpShowsTheFirstItemOfEveryList()
    {
        Form1 form;
        QSignalSpy handled(&form, &Form1::pickHandled);
        form.load();
        QCOMPARE(handled.count(), 4); // one pick per list, in order
        QCOMPARE(handled[0][0].value<Side>(), Side::Hole);
        QCOMPARE(handled[3][0].value<Side>(), Side::Shaft);
        QCOMPARE(form.hole().range->currentText(), u"0～3"_s);
        QCOMPARE(form.hole().toleranceClass->currentText(), u"B10"_s);
        QCOMPARE(form.shaft().range->currentText(), u"0～3"_s);
        QCOMPARE(form.shaft().toleranceClass->currentText(), u"b9"_s);
        QCOMPARE(form.hole().rangeCaption->text(), u"0～3"_s);
        QCOMPARE(form.shaft().rangeCaption->text(), u"0～3"_s);
        QCOMPARE(shown(form.hole()), std::make_pair(u"+0.180"_s, u"+0.140"_s));
        QCOMPARE(shown(form.shaft()), std::make_pair(u"-0.140"_s, u"-0.165"_s));
    }

    void listsHoldTheTablesOrder()
    {
        const auto items = [](QComboBox* combo) {
            QStringList list;
            for (int i = 0; i < combo->count(); ++i)
                list << combo->itemText(i);
            return list;
        };
        QStringList ranges, holes, shafts;
        for (std::string_view label : tolerance::kSizeRanges)
            ranges << q(label);
        for (const auto& cls : tolerance::holeClasses())
            holes << q(cls.code);
        for (const auto& cls : tolerance::shaftClasses())
            shafts << q(cls.code);
        QCOMPARE(items(m_form->hole().range), ranges);
        QCOMPARE(items(m_form->shaft().range), ranges);
        QCOMPARE(items(m_form->hole().toleranceClass), holes);
        QCOMPARE(items(m_form->shaft().toleranceClass), shafts);
        QVERIFY(holes.indexOf(u"C9"_s) < holes.indexOf(u"C10"_s));
        QVERIFY(shafts.indexOf(u"d8"_s) < shafts.indexOf(u"d9"_s));
        QVERIFY(!m_form->hole().range->isEditable());
    }

    void picksShowTheTablesEntry_data()
    {
        QTest::addColumn<Side>("side");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("H7 30~40") << Side::Hole << u"30～40"_s << u"H7"_s << u"+0.025"_s << u" 0"_s;
        QTest::newRow("JS6 30~40") << Side::Hole << u"30～40"_s << u"JS6"_s << u"±"_s << u"0.008"_s;
        QTest::newRow("T7 0~3") << Side::Hole << u"0～3"_s << u"T7"_s << u"  ---"_s << u"  ---"_s;
        QTest::newRow("B10 450~500")
            << Side::Hole << u"450～500"_s << u"B10"_s << u"+1.090"_s << u"+0.840"_s;
        QTest::newRow("d8 runs N_D08Z")
            << Side::Shaft << u"30～40"_s << u"d8"_s << u"-0.080"_s << u"-0.119"_s;
        QTest::newRow("d9") << Side::Shaft << u"30～40"_s << u"d9"_s << u"-0.080"_s << u"-0.142"_s;
        QTest::newRow("js6 6~10") << Side::Shaft << u"6～10"_s << u"js6"_s << u"±"_s << u"0.0045"_s;
        QTest::newRow("k6 0~3") << Side::Shaft << u"0～3"_s << u"k6"_s << u"+0.006"_s << u" 0"_s;
    }

    void picksShowTheTablesEntry()
    {
        QFETCH(Side, side);
        QFETCH(QString, range);
        QFETCH(QString, code);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        const SideControls& mine = side == Side::Hole ? m_form->hole() : m_form->shaft();
        const SideControls& other = side == Side::Hole ? m_form->shaft() : m_form->hole();
        const auto otherBefore = shown(other);
        const QString otherCaption = other.rangeCaption->text();

        pickByKeyboard(mine.toleranceClass, code);
        pickByKeyboard(mine.range, range);
        QCOMPARE(mine.rangeCaption->text(), range);
        QCOMPARE(shown(mine), std::make_pair(upper, lower));
        QCOMPARE(shown(mine), expected(mine));
        QCOMPARE(shown(other), otherBefore);
        QCOMPARE(other.rangeCaption->text(), otherCaption);
        for (const auto& call : *m_spy)
            QCOMPARE(call[0].value<Side>(), side);
    }

    void classPickLeavesTheCaption()
    {
        pickByKeyboard(m_form->hole().range, u"30～40"_s);
        m_form->hole().rangeCaption->setText(u"marker"_s); // only a range pick may set it
        pickByKeyboard(m_form->hole().toleranceClass, u"JS6"_s);
        QCOMPARE(m_form->hole().rangeCaption->text(), u"marker"_s);
        QCOMPARE(shown(m_form->hole()), std::make_pair(u"±"_s, u"0.008"_s));
    }

    void everyKindOfPickRunsTheHandlerOnce()
    {
        QComboBox* range = m_form->shaft().range;
        range->setFocus();
        QTest::keyClick(range, Qt::Key_Down);
        QCOMPARE(m_spy->count(), 1);
        QTest::keyClick(range, Qt::Key_End);
        QCOMPARE(m_spy->count(), 2);
        QCOMPARE(m_form->shaft().rangeCaption->text(), u"450～500"_s);
        QTest::keyClick(range, Qt::Key_Home);
        QCOMPARE(m_spy->count(), 3);
        wheelDown(range);
        QCOMPARE(m_spy->count(), 4);
        QCOMPARE(range->currentIndex(), 1);

        QComboBox* cls = m_form->shaft().toleranceClass;
        cls->setFocus();
        QTest::keyClicks(cls, u"h"_s); // type-ahead to the first code starting with h
        QCOMPARE(m_spy->count(), 5);
        QCOMPARE(cls->currentText(), u"h5"_s);
        pickInPopup(cls, cls->findText(u"x6"_s));
        QCOMPARE(m_spy->count(), 6);
        QCOMPARE(shown(m_form->shaft()), expected(m_form->shaft()));
        QTest::keyClick(range, Qt::Key_Up); // already at the top of a list: no pick
        QTest::keyClick(range, Qt::Key_Up);
        QCOMPARE(m_spy->count(), 7);
    }

    void rePickAfterTypingShowsTheTableAgain()
    {
        QLineEdit* upper = m_form->hole().upper;
        upper->setFocus();
        upper->selectAll();
        QTest::keyClicks(upper, u"typed"_s);
        QCOMPARE(upper->text(), u"typed"_s);
        pickByKeyboard(m_form->shaft().range, u"6～10"_s); // the other side leaves it alone
        QCOMPARE(upper->text(), u"typed"_s);

        QComboBox* cls = m_form->hole().toleranceClass;
        pickInPopup(cls, cls->currentIndex()); // the entry already shown
        QCOMPARE(m_spy->last()[0].value<Side>(), Side::Hole);
        QCOMPARE(upper->text(), u"+0.180"_s);
    }

    void rangePickWithNoClassChosenOnlySetsTheCaption()
    {
        Form1 form;
        form.show();
        QComboBox* range = form.hole().range;
        for (std::string_view label : tolerance::kSizeRanges)
            range->addItem(q(label));
        pickByKeyboard(range, u"3～6"_s);
        QCOMPARE(form.hole().rangeCaption->text(), u"3～6"_s);
        QVERIFY(form.hole().upper->text().isEmpty());
        QVERIFY(form.hole().lower->text().isEmpty());
    }

    void quitEndsTheProgramAtOnce_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Quit menu item") << false;
        QTest::newRow("Esc") << true;
    }

    void quitEndsTheProgramAtOnce()
    {
        QFETCH(bool, byEsc);
        QTimer::singleShot(0, m_form.get(), [&] {
            if (byEsc)
                QTest::keyClick(m_form.get(), Qt::Key_Escape);
            else
                child<QAction>(m_form.get(), u"Quit"_s)->trigger();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); }); // not ended: fail
        QCOMPARE(QCoreApplication::exec(), 0);
    }

private:
    std::unique_ptr<Form1> m_form;
    std::unique_ptr<QSignalSpy> m_spy;
};

TESSALY_WIDGET_TEST_MAIN(TestPicks)
#include "tst_picks.moc"
