// SPDX-License-Identifier: MIT
// The status bar explains what the pointer is over: the selection areas and the deviation boxes
// write their hint, the hole page's bare surface wipes it, everything else leaves it alone.
#include "pointer_helpers.h"
#include "test_support.h"

#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace {

// Where a row of the test points: a control on a page, at its centre, or at a point of it that
// nothing covers.
enum class At
{
    Centre,
    Uncovered
};

QPoint pointOf(QWidget* widget, At at)
{
    if (at == At::Centre)
        return widget->rect().center();
    const std::optional<QPoint> point = uncoveredPoint(widget);
    if (!point)
        qFatal("%s is covered everywhere", qPrintable(widget->objectName()));
    return *point;
}

} // namespace

class TestHints : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_form = loadedForm();
        m_panel1 = child<QLabel>(m_form.get(), u"Panel1"_s);
        m_panel2 = child<QLabel>(m_form.get(), u"Panel2"_s);
    }
    void cleanup() { m_form.reset(); }

    void everyControlWritesItsHint_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pointedAt"); // the control whose point is used
        QTest::addColumn<QString>("hint");
        // Written with the exact code points: the ASCII space, the full-width tilde U+FF5E (the
        // wave dash U+301C looks alike) and the full-width parentheses.
        const QString holeRange = u"穴径選択範囲\u00200\uFF5E500mm"_s;
        const QString holeClass = u"クラス選択範囲\u0020B10\uFF5EX7"_s;
        const QString shaftRange = u"軸径選択範囲\u00200\uFF5E500mm"_s;
        const QString shaftClass = u"クラス選択範囲\u0020b9\uFF5Ex6"_s;
        QTest::newRow("Image1 beside its list") << 0 << u"Image1"_s << u"Image1"_s << holeRange;
        QTest::newRow("Image1 over 呼び寸法") << 0 << u"Image1"_s << u"Label2"_s << holeRange;
        QTest::newRow("Image2 beside its list") << 0 << u"Image2"_s << u"Image2"_s << holeClass;
        QTest::newRow("Image2 over クラス") << 0 << u"Image2"_s << u"Label4"_s << holeClass;
        QTest::newRow("Image3 beside its list") << 1 << u"Image3"_s << u"Image3"_s << shaftRange;
        QTest::newRow("Image3 over 呼び寸法") << 1 << u"Image3"_s << u"Label2"_s << shaftRange;
        QTest::newRow("Image4 beside its list") << 1 << u"Image4"_s << u"Image4"_s << shaftClass;
        QTest::newRow("Image4 over クラス") << 1 << u"Image4"_s << u"Label4"_s << shaftClass;
        QTest::newRow("Text1") << 0 << u"Text1"_s << u"Text1"_s
                               << u"穴の寸法許容差\uFF08上限\uFF09"_s;
        QTest::newRow("Text2") << 0 << u"Text2"_s << u"Text2"_s
                               << u"穴の寸法許容差\uFF08下限\uFF09"_s;
        QTest::newRow("Text3") << 1 << u"Text3"_s << u"Text3"_s
                               << u"軸の寸法許容差\uFF08上限\uFF09"_s;
        QTest::newRow("Text4") << 1 << u"Text4"_s << u"Text4"_s
                               << u"軸の寸法許容差\uFF08下限\uFF09"_s;
    }
    void everyControlWritesItsHint()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, pointedAt);
        QFETCH(QString, hint);
        if (page == 1)
            clickTab(*m_form, 1);
        QWidget* control = onPage(*m_form, page, name);
        QWidget* target = onPage(*m_form, page, pointedAt);
        // Over a caption the pointer is over its pointer area, which lies above the label.
        const QPoint at =
            target == control ? pointOf(control, At::Uncovered) : target->rect().center();
        QCOMPARE(topmostAt(target, at), control);

        m_panel1->setText(u"something else"_s);
        moveOver(target, at);
        QCOMPARE(m_panel1->text(), hint);
        QVERIFY(m_panel2->text().isEmpty());
    }

    void theHolePagesBareSurfaceWipesTheHint_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("from Image1") << u"Image1"_s;
        QTest::newRow("from Text2") << u"Text2"_s;
    }
    void theHolePagesBareSurfaceWipesTheHint()
    {
        QFETCH(QString, from);
        QWidget* page = child<QWidget>(m_form.get(), u"Picture1"_s);
        const QPoint bare(10, 100);
        QCOMPARE(topmostAt(page, bare), page);

        QWidget* control = onPage(*m_form, 0, from);
        moveOver(control, pointOf(control, At::Uncovered));
        QVERIFY(!m_panel1->text().isEmpty());
        moveOver(page, bare);
        QCOMPARE(m_panel1->text(), QString());
    }

    void otherPlacesKeepTheLastHint_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name"); // on the page, or in the window when page is -1
        QTest::newRow("Combo1") << 0 << u"Combo1"_s;
        QTest::newRow("Combo2") << 0 << u"Combo2"_s;
        QTest::newRow("基準軸") << 0 << u"Label3"_s;
        QTest::newRow("単位 on the hole page") << 0 << u"Label1"_s;
        QTest::newRow("hole range box") << 0 << u"Label5"_s;
        QTest::newRow("Combo3") << 1 << u"Combo3"_s;
        QTest::newRow("Combo4") << 1 << u"Combo4"_s;
        QTest::newRow("基準穴") << 1 << u"Label3"_s;
        QTest::newRow("単位 on the shaft page") << 1 << u"Label1"_s;
        QTest::newRow("shaft range box") << 1 << u"Label5"_s;
        QTest::newRow("bare shaft page") << 1 << u"Picture2"_s;
        QTest::newRow("tab strip") << -1 << u"SSTab1Tabs"_s;
        QTest::newRow("status panel 1") << -1 << u"Panel1"_s;
        QTest::newRow("status panel 2") << -1 << u"Panel2"_s;
        QTest::newRow("menu bar") << -1 << u"MenuBar"_s;
    }
    void otherPlacesKeepTheLastHint()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        if (page == 1)
            clickTab(*m_form, 1);
        QWidget* target = page < 0                  ? child<QWidget>(m_form.get(), name)
                          : name.startsWith(u"Pic") ? child<QWidget>(m_form.get(), name)
                                                    : onPage(*m_form, page, name);
        // The bare shaft page is met where nothing lies on it.
        const QPoint at = name == u"Picture2" ? QPoint(10, 200) : pointOf(target, At::Uncovered);
        QCOMPARE(topmostAt(target, at), target);

        QLineEdit* box = page == 1 ? m_form->shaft().upper : m_form->hole().upper;
        if (page < 0)
            clickTab(*m_form, 0);
        moveOver(box, box->rect().center());
        const QString hint = m_panel1->text();
        QVERIFY(!hint.isEmpty());
        moveOver(target, at);
        QCOMPARE(m_panel1->text(), hint);
    }

    void aButtonHeldDownMakesNoDifference_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("writes");
        QTest::newRow("Image1 writes") << 0 << u"Image1"_s << true;
        QTest::newRow("Text2 writes") << 0 << u"Text2"_s << true;
        QTest::newRow("Image4 writes") << 1 << u"Image4"_s << true;
        // A label passes a move with a button down on to its page, which still must not wipe.
        QTest::newRow("基準軸 keeps") << 0 << u"Label3"_s << false;
        QTest::newRow("range box keeps") << 0 << u"Label5"_s << false;
    }
    void aButtonHeldDownMakesNoDifference()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(bool, writes);
        if (page == 1)
            clickTab(*m_form, 1);
        QWidget* target = onPage(*m_form, page, name);
        const QPoint at = pointOf(target, At::Uncovered);
        QCOMPARE(topmostAt(target, at + QPoint(1, 0)), target);

        m_panel1->setText(u"before"_s);
        QWindow* window = m_form->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, target->mapTo(m_form.get(), at));
        QTest::mouseMove(window, target->mapTo(m_form.get(), at + QPoint(1, 0)));
        QCoreApplication::processEvents();
        const QString during = m_panel1->text();
        QTest::mouseRelease(window, Qt::LeftButton, {},
                            target->mapTo(m_form.get(), at + QPoint(1, 0)));
        QCOMPARE(during != u"before"_s, writes);
        QCOMPARE(during.isEmpty(), false);
    }

    void anOpenMenuOrListKeepsTheLastHint()
    {
        moveOver(m_form->hole().lower, m_form->hole().lower->rect().center());
        const QString hint = m_panel1->text();

        auto* view = child<QMenu>(m_form.get(), u"View"_s);
        view->popup(m_form->mapToGlobal(QPoint(60, 20)));
        QVERIFY(QTest::qWaitForWindowExposed(view));
        for (QAction* item : view->actions())
            moveOver(view, view->actionGeometry(item).center());
        view->close();
        QCOMPARE(m_panel1->text(), hint);

        QComboBox* list = m_form->hole().range;
        list->showPopup();
        QWidget* popup = list->view()->window();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        moveOver(list->view()->viewport(), QPoint(10, 10));
        moveOver(list->view()->viewport(), QPoint(10, 40));
        list->hidePopup();
        QCOMPARE(m_panel1->text(), hint);
    }

    void switchingTabsChangesNeitherPanel()
    {
        moveOver(m_form->hole().upper, m_form->hole().upper->rect().center());
        child<QAction>(m_form.get(), u"FormTop_ON"_s)->trigger();
        const QString hint = m_panel1->text();
        QCOMPARE(m_panel2->text(), u"FormTop"_s);
        for (int index : {1, 0, 1}) {
            clickTab(*m_form, index);
            QCOMPARE(m_panel1->text(), hint);
            QCOMPARE(m_panel2->text(), u"FormTop"_s);
        }
    }

    void pointerAreasDrawNothingAndTakeNoFocus()
    {
        for (int page : {0, 1}) {
            if (page == 1)
                clickTab(*m_form, 1);
            QWidget* picture =
                child<QWidget>(m_form.get(), page == 0 ? u"Picture1"_s : u"Picture2"_s);
            const QStringList names = page == 0 ? QStringList{u"Image1"_s, u"Image2"_s}
                                                : QStringList{u"Image3"_s, u"Image4"_s};
            const QImage with = picture->grab().toImage();
            for (const QString& name : names)
                onPage(*m_form, page, name)->hide();
            const QImage without = picture->grab().toImage();
            for (const QString& name : names)
                onPage(*m_form, page, name)->show();
            QCOMPARE(with, without);

            QWidget* area = onPage(*m_form, page, names[0]);
            const QPoint at = pointOf(area, At::Uncovered);
            QWidget* before = QApplication::focusWidget();
            QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {},
                              area->mapTo(m_form.get(), at));
            QCOMPARE(QApplication::focusWidget(), before);
        }
    }

private:
    std::unique_ptr<Form1> m_form;
    QLabel* m_panel1 = nullptr;
    QLabel* m_panel2 = nullptr;
};

TESSALY_WIDGET_TEST_MAIN(TestHints)
#include "tst_hints.moc"
