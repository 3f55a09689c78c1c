// SPDX-License-Identifier: MIT
// One life of the window, as a user would go through it: start, picks on both sides by keyboard,
// wheel and popup, the pointer over every hint area, typing into a box, then the close box. Run
// under valgrind memcheck by CTest (label valgrind); it passes on its own as well.
#include "test_support.h"
#include "user_input.h"

using namespace Qt::Literals::StringLiterals;
using namespace userInput;

namespace {

std::pair<QString, QString> expected(const SideControls& side)
{
    return coreEntry(side.side, side.toleranceClass->currentText(), side.range->currentText())
        .value_or(std::pair<QString, QString>());
}

// The pointer over each hint area of a page: both list areas, both boxes, the bare page.
void hintsOn(const Form1& form, const SideControls& side)
{
    const bool hole = side.side == tolerance::Side::Hole;
    pointerOver(child<QWidget>(&form, hole ? u"Image1"_s : u"Image3"_s));
    pointerOver(child<QWidget>(&form, hole ? u"Image2"_s : u"Image4"_s));
    pointerOver(side.upper);
    pointerOver(side.lower);
    pointerOver(child<QWidget>(&form, hole ? u"Picture1"_s : u"Picture2"_s));
}

} // namespace

class TestMemcheckCycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startPicksHintsClose()
    {
        auto form = loadedForm();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        const SideControls& hole = form->hole();
        const SideControls& shaft = form->shaft();

        pickByKeyboard(hole.toleranceClass, u"H7"_s);
        pickByKeyboard(hole.range, u"30～40"_s);
        QCOMPARE(shown(hole), std::make_pair(u"+0.025"_s, u" 0"_s));
        wheel(hole.range, -1);
        QCOMPARE(hole.rangeCaption->text(), u"40～50"_s);
        QVERIFY(pickInPopup(hole.toleranceClass, hole.toleranceClass->findText(u"JS7"_s)));
        QCOMPARE(hole.toleranceClass->currentText(), u"JS7"_s);
        QCOMPARE(shown(hole), expected(hole));
        hintsOn(*form, hole);

        hole.upper->setFocus();
        hole.upper->selectAll();
        type(hole.upper, u"±０.1x"_s);
        QCOMPARE(hole.upper->text(), u"±０.1x"_s);

        clickTab(*form, 1);
        QTRY_VERIFY(shaft.range->isVisible());
        pickByKeyboard(shaft.toleranceClass, u"k6"_s);
        pickByKeyboard(shaft.range, u"450～500"_s);
        QCOMPARE(shaft.rangeCaption->text(), u"450～500"_s);
        QCOMPARE(shown(shaft), expected(shaft));
        hintsOn(*form, shaft);
        clickTab(*form, 0);
        QTRY_VERIFY(hole.range->isVisible());
        QCOMPARE(hole.upper->text(), u"±０.1x"_s); // typed text stays until a pick on its side

        form->move(210, 120);
        QVERIFY(form->close());
        QCOMPARE(savedEdges(), u"3150 1800"_s);
    }
};

TESSALY_WIDGET_TEST_MAIN(TestMemcheckCycle)
#include "tst_memcheck_cycle.moc"
