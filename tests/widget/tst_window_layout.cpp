// SPDX-License-Identifier: MIT
// The window as designed: every control where the twips table puts it, with its captions,
// fonts, menus, panels and tab pages.
#include "test_support.h"

#include "resources/resources.h"
#include "window/core_texts.h"
#include "window/hints.h"
#include "window/layout.h"

#include <QAction>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

QWidget* containerOf(const Form1& form, layout::Container container)
{
    switch (container) {
    case layout::Container::Window:
        return form.centralWidget();
    case layout::Container::Tab:
        return child<QWidget>(&form, u"SSTab1"_s);
    case layout::Container::HolePage:
        return child<QWidget>(&form, u"Picture1"_s);
    case layout::Container::ShaftPage:
        return child<QWidget>(&form, u"Picture2"_s);
    }
    return nullptr;
}

QWidget* directChild(QWidget* container, const QString& name)
{
    return container->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

bool autoSized(const QString& name)
{
    return name == u"Label1" || name == u"Label2" || name == u"Label3" || name == u"Label4";
}

// Text in `ink` on `ground` reads only when the two are far apart in lightness.
bool readable(const QColor& ink, const QColor& ground)
{
    return std::abs(qGray(ink.rgb()) - qGray(ground.rgb())) >= 128;
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_form = loadedForm(); }
    void cleanup() { m_form.reset(); }

    void everyControlSitsWhereDesigned()
    {
        for (const layout::Placement& p : layout::placements()) {
            const QString name = p.name.toString();
            if (name == u"StatusBar1")
                continue; // docked by the main window; checked on its own below
            QWidget* widget = directChild(containerOf(*m_form, p.container), name);
            QVERIFY2(widget, qPrintable(name));
            const QRect g = widget->geometry();
            // All designed values are whole pixels: the conversion must give them back exactly.
            QCOMPARE(g.x() * 15, p.left);
            QCOMPARE(g.y() * 15, p.top);
            if (!autoSized(name)) {
                QCOMPARE(g.width() * 15, p.width);
                QCOMPARE(g.height() * 15, p.height);
            }
            if (p.pointSize > 0 && name != u"SSTab1")
                QCOMPARE(widget->font().pointSizeF(), p.pointSize);
        }
    }

    void designedColoursWhateverTheDesktopPalette()
    {
        // As a dark gtk3 theme leaves the application palette before the window is built.
        QApplication::setPalette(QPalette(QColor(240, 240, 240), QColor(50, 50, 50)));
        m_form = loadedForm();
        const QColor white(Qt::white), black(Qt::black);
        for (const SideControls* side : {&m_form->hole(), &m_form->shaft()}) {
            for (QWidget* box : std::initializer_list<QWidget*>{side->range, side->toleranceClass,
                                                                side->upper, side->lower}) {
                const QPalette p = box->palette();
                QCOMPARE(p.color(QPalette::Base), white);
                QCOMPARE(p.color(QPalette::Button), white);
                QCOMPARE(p.color(QPalette::Text), black);
                QCOMPARE(p.color(QPalette::ButtonText), black);
                QVERIFY(readable(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)));
                QVERIFY(readable(p.color(QPalette::Text), p.color(QPalette::Highlight)) ||
                        readable(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)));
            }
            QCOMPARE(side->rangeCaption->palette().color(QPalette::Window), white);
            QCOMPARE(side->rangeCaption->palette().color(QPalette::WindowText), black);
        }
        for (int index : {0, 1})
            for (const QString& name : {u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s})
                QCOMPARE(
                    onPage<QLabel>(*m_form, index, name)->palette().color(QPalette::WindowText),
                    black);
        // Tab strip, status bar and menus may have any colours, as long as they read.
        for (QWidget* w : std::initializer_list<QWidget*>{
                 child<QTabBar>(m_form.get(), u"SSTab1Tabs"_s), m_form->statusBar(),
                 child<QLabel>(m_form.get(), u"Panel1"_s), m_form->menuBar(),
                 child<QMenu>(m_form.get(), u"file"_s)}) {
            const QPalette p = w->palette();
            QVERIFY2(readable(p.color(QPalette::WindowText), p.color(QPalette::Window)) &&
                         readable(p.color(QPalette::ButtonText), p.color(QPalette::Button)),
                     qPrintable(w->objectName()));
        }
    }

    // The page paints the diagram drawn for its own device-pixel ratio, not the design's bitmap
    // enlarged: compared on the left wall's cut face, where no control stands.
    void pagesShowTheDiagramDrawnForTheirRatio()
    {
        auto* page = child<QWidget>(m_form.get(), u"Picture1"_s);
        const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const qreal ratio = shown.devicePixelRatio();
        QCOMPARE(ratio, page->devicePixelRatioF());
        const QImage drawn =
            tessaly::resources::fitDiagram(ratio).toImage().convertToFormat(QImage::Format_RGB32);
        const QRect wall = QRectF(QPointF(23, 210) * ratio, QPointF(87, 312) * ratio).toRect();
        QCOMPARE(shown.copy(wall), drawn.copy(wall));
        if (ratio != 2)
            return;
        // A doubled bitmap is made of 2 x 2 blocks of one colour.
        int mixed = 0;
        for (int y = wall.top(); y < wall.bottom(); y += 2)
            for (int x = wall.left() & ~1; x < wall.right(); x += 2) {
                const QRgb c = shown.pixel(x, y);
                mixed += shown.pixel(x + 1, y) != c || shown.pixel(x, y + 1) != c ||
                         shown.pixel(x + 1, y + 1) != c;
            }
        QVERIFY2(mixed > 100, qPrintable(QString::number(mixed)));
    }

    void pixelGeometryOfKeyControls_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        // Restated in pixels, at 96 dpi, to catch a wrong twips conversion.
        QTest::newRow("SSTab1") << u""_s << u"SSTab1"_s << QRect(0, 0, 405, 369);
        QTest::newRow("Picture1") << u""_s << u"Picture1"_s << QRect(4, 24, 397, 341);
        QTest::newRow("Picture2") << u""_s << u"Picture2"_s << QRect(4, 24, 397, 341);
        QTest::newRow("Combo1") << u"Picture1"_s << u"Combo1"_s << QRect(96, 256, 89, 23);
        QTest::newRow("Text2") << u"Picture1"_s << u"Text2"_s << QRect(244, 259, 53, 20);
        QTest::newRow("Label5 hole") << u"Picture1"_s << u"Label5"_s << QRect(148, 96, 97, 23);
        QTest::newRow("Combo4") << u"Picture2"_s << u"Combo4"_s << QRect(188, 92, 51, 23);
        QTest::newRow("Text3") << u"Picture2"_s << u"Text3"_s << QRect(242, 73, 53, 20);
        QTest::newRow("Image3") << u"Picture2"_s << u"Image3"_s << QRect(94, 68, 92, 50);
    }

    void pixelGeometryOfKeyControls()
    {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        const QObject* root = page.isEmpty() ? static_cast<QObject*>(m_form.get())
                                             : child<QWidget>(m_form.get(), page);
        QCOMPARE(child<QWidget>(root, name)->geometry(), geometry);
    }

    void windowHasItsCaptionFixedSizeAndButtons()
    {
        QCOMPARE(m_form->windowTitle(), u"Morvane【Tessaly】 JIS B 0401(1984)"_s);
        // Client area 407 × 390 below the menu bar: pages plus status bar.
        QCOMPARE(m_form->centralWidget()->size(), QSize(407, 369));
        QCOMPARE(m_form->statusBar()->height(), 21);
        QCOMPARE(m_form->height(), m_form->menuBar()->height() + 390);
        QCOMPARE(m_form->width(), 407);
        QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
        const Qt::WindowFlags flags = m_form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!m_form->windowIcon().isNull());
    }

    void labelsShowTheirCaptions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("hole Label1") << 0 << u"Label1"_s << u"単位：mm"_s;
        QTest::newRow("hole Label2") << 0 << u"Label2"_s << u"呼び寸法"_s;
        QTest::newRow("hole Label3") << 0 << u"Label3"_s << u"基準軸"_s;
        QTest::newRow("hole Label4") << 0 << u"Label4"_s << u"クラス"_s;
        QTest::newRow("shaft Label1") << 1 << u"Label1"_s << u"単位：mm"_s;
        QTest::newRow("shaft Label2") << 1 << u"Label2"_s << u"呼び寸法"_s;
        QTest::newRow("shaft Label3") << 1 << u"Label3"_s << u"基準穴"_s;
        QTest::newRow("shaft Label4") << 1 << u"Label4"_s << u"クラス"_s;
    }

    void labelsShowTheirCaptions()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QLabel* label = onPage<QLabel>(*m_form, index, name);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->property("index").toInt(), index);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    void designedFamilyResolvesWithoutTofu()
    {
        // The designed family, or the stand-in chosen for covering the window's text.
        const QString family =
            QFontInfo(child<QComboBox>(m_form.get(), u"Combo1"_s)->font()).family();
        QVERIFY(!fonts::chosenFamily().isEmpty());
        QCOMPARE(family, fonts::chosenFamily());
    }

    void everyTextHasItsGlyphsInItsFont()
    {
        // Fonts do not fall back to other families, so a glyph missing from the design font
        // would show as a box: every text the window can show is checked against its font.
        QList<std::pair<QString, QFont>> texts;
        for (const QLabel* label : m_form->findChildren<QLabel*>())
            texts.append({label->text(), label->font()});
        for (const QComboBox* combo : m_form->findChildren<QComboBox*>())
            for (int i = 0; i < combo->count(); ++i)
                texts.append({combo->itemText(i), combo->font()});
        for (const QLineEdit* box : m_form->findChildren<QLineEdit*>())
            for (const QString& text : coreTexts::deviationTexts())
                texts.append({text, box->font()});
        const auto* tabs = child<QTabBar>(m_form.get(), u"SSTab1Tabs"_s);
        for (int i = 0; i < tabs->count(); ++i)
            texts.append({tabs->tabText(i), tabs->font()});
        for (const QMenu* menu : m_form->findChildren<QMenu*>()) {
            texts.append({menu->title(), m_form->menuBar()->font()});
            for (const QAction* action : menu->actions())
                texts.append({action->text() + action->shortcut().toString(), menu->font()});
        }
        for (const auto& hint : hints::table())
            texts.append({hint.text.toString(), child<QLabel>(m_form.get(), u"Panel1"_s)->font()});
        for (const auto& [text, font] : texts) {
            const QFontMetrics metrics(font);
            for (QChar c : text)
                QVERIFY2(c == u'&' || metrics.inFont(c),
                         qPrintable(text + u" lacks " + QString(c)));
        }
    }

    void tabsSwitchPagesAndKeepEverything()
    {
        auto* tabs = child<QTabBar>(m_form.get(), u"SSTab1Tabs"_s);
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), u"常用するはめあいの寸法（穴）"_s);
        QCOMPARE(tabs->tabText(1), u"常用するはめあいの寸法（軸）"_s);
        QCOMPARE(tabs->currentIndex(), 0);
        auto* hole = child<QWidget>(m_form.get(), u"Picture1"_s);
        auto* shaft = child<QWidget>(m_form.get(), u"Picture2"_s);
        QVERIFY(hole->isVisible());
        QVERIFY(!shaft->isVisible());

        const QString text1 = m_form->hole().upper->text();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QVERIFY(!hole->isVisible());
        QVERIFY(!m_form->hole().range->isVisible());
        QVERIFY(shaft->isVisible());
        QVERIFY(m_form->shaft().range->isVisible());
        QVERIFY(m_form->statusBar()->isVisible());
        QVERIFY(m_form->menuBar()->isVisible());

        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QVERIFY(hole->isVisible());
        QCOMPARE(m_form->hole().upper->text(), text1);
        QCOMPARE(m_form->hole().range->currentText(), u"0～3"_s);
    }

    void menusAsDesigned()
    {
        const QList<QAction*> bar = m_form->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text(), u"ﾌｧｲﾙ(&F)"_s);
        QCOMPARE(bar[1]->text(), u"表示(&V)"_s);
        QCOMPARE(bar[2]->text(), u"ﾍﾙﾌﾟ(&H)"_s);
        QCOMPARE(bar[0]->menu()->objectName(), u"file"_s);
        QCOMPARE(child<QAction>(m_form.get(), u"Quit"_s)->text(), u"終了"_s);
        auto* frontTop = child<QMenu>(m_form.get(), u"FrontTop"_s);
        QCOMPARE(frontTop->title(), u"常に手前表示"_s);
        QVERIFY(child<QMenu>(m_form.get(), u"View"_s)->actions().contains(frontTop->menuAction()));
        auto* on = child<QAction>(m_form.get(), u"FormTop_ON"_s);
        auto* off = child<QAction>(m_form.get(), u"FormTop_OFF"_s);
        QCOMPARE(on->text(), u"ON"_s);
        QCOMPARE(off->text(), u"OFF"_s);
        QCOMPARE(on->shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(off->shortcut(), QKeySequence(Qt::Key_F5));
        QVERIFY(!on->isChecked());
        QVERIFY(!off->isChecked());
        QCOMPARE(child<QAction>(m_form.get(), u"About"_s)->text(), u"Morvaneについて"_s);
        QCOMPARE(child<QMenu>(m_form.get(), u"Help"_s)->actions().size(), 1);
    }

    void statusPanelsStayDuringStatusTips()
    {
        auto* panel1 = child<QLabel>(m_form.get(), u"Panel1"_s);
        auto* panel2 = child<QLabel>(m_form.get(), u"Panel2"_s);
        QCOMPARE(panel1->width(), 324);
        QCOMPARE(panel2->width(), 80);
        QVERIFY(panel1->text().isEmpty());
        QVERIFY(panel2->text().isEmpty());
        QVERIFY(panel1->x() < panel2->x());
        m_form->statusBar()->showMessage(u"a menu's status tip"_s);
        QVERIFY(panel1->isVisible());
        QVERIFY(panel2->isVisible());
    }

    void command3LiesHiddenUnderTheTabsAndEscClicksIt()
    {
        auto* command3 = child<QPushButton>(m_form.get(), u"Command3"_s);
        auto* tabs = child<QWidget>(m_form.get(), u"SSTab1"_s);
        QCOMPARE(command3->text(), u"終\u3000了"_s);
        QVERIFY(tabs->geometry().contains(command3->geometry()));
        QVERIFY(command3->visibleRegion().isEmpty()); // wholly covered
        QCOMPARE(command3->focusPolicy(), Qt::NoFocus);
        QSignalSpy clicked(command3, &QPushButton::clicked);
        m_form->activateWindow();
        m_form->hole().range->setFocus();
        QTest::keyClick(m_form->hole().range, Qt::Key_Escape);
        QCOMPARE(clicked.count(), 1);
    }

    void pointerAreasLieBetweenLabelsAndLists()
    {
        for (int index : {0, 1}) {
            QWidget* page =
                child<QWidget>(m_form.get(), index == 0 ? u"Picture1"_s : u"Picture2"_s);
            const QObjectList order = page->children();
            const auto position = [&](const QString& name) {
                return order.indexOf(page->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly));
            };
            const QString range = index == 0 ? u"Image1"_s : u"Image3"_s;
            const QString list = index == 0 ? u"Combo1"_s : u"Combo3"_s;
            QVERIFY(position(u"Label2"_s) < position(range));
            QVERIFY(position(range) < position(list));
            QWidget* area = page->findChild<QWidget*>(range);
            QCOMPARE(area->focusPolicy(), Qt::NoFocus);
            QVERIFY(area->geometry().contains(page->findChild<QWidget*>(list)->geometry()));
            QVERIFY(
                area->geometry().contains(onPage<QLabel>(*m_form, index, u"Label2"_s)->geometry()));
        }
    }

    void rangeCaptionIsAWhiteBorderedBoxBeforeTheFirstChoice()
    {
        Form1 fresh;
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        for (int index : {0, 1}) {
            QLabel* caption = onPage<QLabel>(fresh, index, u"Label5"_s);
            QVERIFY(caption->text().isEmpty());
            QVERIFY(caption->autoFillBackground());
            QCOMPARE(caption->palette().color(QPalette::Window), QColor(Qt::white));
            QCOMPARE(caption->frameShape(), QFrame::Box);
            QCOMPARE(caption->alignment(), Qt::AlignCenter);
        }
        QVERIFY(fresh.hole().range->count() == 0);
        QVERIFY(fresh.hole().upper->text().isEmpty());
    }

private:
    std::unique_ptr<Form1> m_form;
};

TESSALY_WIDGET_TEST_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
