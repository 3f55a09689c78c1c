// SPDX-License-Identifier: MIT
// The about box: what it shows and where, that it holds the whole program while open, and that
// Esc or its close box close only the box.
#include "app/position/twips.h"
#include "modal_helpers.h"
#include "pointer_helpers.h"
#include "test_support.h"
#include "window/about_box.h"

#include <QAction>
#include <QFontMetricsF>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_form = loadedForm(); }
    void cleanup() { m_form.reset(); }

    void showsItsThreeLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twipsRect");
        QTest::newRow("series") << u"AboutSeries"_s << u"Morvaneシリーズ"_s
                                << QRect(1320, 180, 2280, 240);
        QTest::newRow("program") << u"AboutProgram"_s << u"Tessaly JIS B 0401(1986)"_s
                                 << QRect(600, 480, 3720, 240);
        QTest::newRow("version") << u"AboutVersion"_s << u"Vre 4.20"_s
                                 << QRect(1980, 780, 840, 240);
    }
    void showsItsThreeLines()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QRect, twipsRect);
        AboutBox box(m_form.get());
        auto* line = child<QLabel>(&box, name);
        QCOMPARE(line->text(), text);
        QCOMPARE(line->geometry(), twips::toPixels(twipsRect.x(), twipsRect.y(), twipsRect.width(),
                                                   twipsRect.height()));
        QCOMPARE(line->font().family(), fonts::designFamily());
        QCOMPARE(line->font().pointSizeF(), 12.0);
        QCOMPARE(line->font().weight(), QFont::Normal);
        QVERIFY(!line->autoFillBackground());
        // The whole line is seen, also where a wider stand-in family draws it.
        QVERIFY(std::ceil(QFontMetricsF(line->font()).horizontalAdvance(text)) <= line->width());
        QVERIFY(box.rect().contains(line->geometry()));
    }

    void hasOneCancelButtonBelowTheText()
    {
        AboutBox box(m_form.get());
        QCOMPARE(box.objectName(), u"AboutBox"_s);
        QCOMPARE(box.windowTitle(), u"information"_s);
        const Qt::WindowFlags flags = box.windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));

        const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 1);
        QPushButton* cancel = buttons.front();
        QCOMPARE(cancel->objectName(), u"AboutCancel"_s);
        QCOMPARE(cancel->text(), u"ｷｬﾝｾﾙ"_s);
        QCOMPARE(cancel->size(), QSize(twips::toPixels(975), twips::toPixels(375)));
        QVERIFY(box.rect().contains(cancel->geometry()));
        for (const QLabel* line : box.findChildren<QLabel*>())
            QVERIFY(cancel->y() >= line->geometry().bottom());
        for (const QObject* object : box.findChildren<QObject*>())
            if (object->isWidgetType())
                QVERIFY2(!object->objectName().isEmpty(), object->metaObject()->className());
    }

    void opensModalAndCentredThenEscClosesIt()
    {
        auto* command3 = child<QPushButton>(m_form.get(), u"Command3"_s);
        QSignalSpy quits(command3, &QPushButton::clicked);
        QRect screen, frame;
        bool modal = false;
        int cancelled = 0;
        const ModalRun run =
            whileModal([this] { child<QAction>(m_form.get(), u"About"_s)->trigger(); },
                       [&](QWidget* box) {
                           QVERIFY(QTest::qWaitForWindowActive(box));
                           modal = box->isModal() &&
                                   box->windowModality() == Qt::ApplicationModal &&
                                   box->parentWidget() == m_form.get();
                           screen = m_form->screen()->availableGeometry();
                           frame = box->frameGeometry();
                           auto* cancel = child<QPushButton>(box, u"AboutCancel"_s);
                           connect(cancel, &QPushButton::clicked, this, [&] { ++cancelled; });
                           QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
                       });
        QVERIFY(run.appeared);
        QVERIFY(run.closedInTime);
        QVERIFY(modal);
        QCOMPARE(cancelled, 1); // Esc clicks the cancel button
        QVERIFY(std::abs(frame.center().x() - screen.center().x()) <= 1);
        QVERIFY(std::abs(frame.center().y() - screen.center().y()) <= 1);
        QCOMPARE(quits.count(), 0);
        QVERIFY(m_form->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void theCloseBoxClosesIt()
    {
        const ModalRun run =
            whileModal([this] { child<QAction>(m_form.get(), u"About"_s)->trigger(); },
                       [](QWidget* box) { box->windowHandle()->close(); });
        QVERIFY(run.appeared);
        QVERIFY(run.closedInTime);
        QVERIFY(m_form->isVisible());
    }

    void theMainWindowTakesNoInputWhileItIsOpen()
    {
        auto* command3 = child<QPushButton>(m_form.get(), u"Command3"_s);
        auto* panel1 = child<QLabel>(m_form.get(), u"Panel1"_s);
        auto* on = child<QAction>(m_form.get(), u"FormTop_ON"_s);
        QSignalSpy quits(command3, &QPushButton::clicked);
        QSignalSpy onChosen(on, &QAction::triggered);
        panel1->setText(u"before"_s);
        bool mainActive = false, stillOpen = false;
        const ModalRun run =
            whileModal([this] { child<QAction>(m_form.get(), u"About"_s)->trigger(); },
                       [&](QWidget* box) {
                           QVERIFY(QTest::qWaitForWindowActive(box));
                           // The worst case: the main window made active again behind the box's
                           // back.
                           QWindow* main = m_form->windowHandle();
                           main->requestActivate();
                           QCoreApplication::processEvents();
                           mainActive = QApplication::activeWindow() == m_form.get();
                           moveOver(m_form->hole().upper, m_form->hole().upper->rect().center());
                           QTest::keyClick(main, Qt::Key_F4);
                           QTest::keyClick(main, Qt::Key_Escape); // the main window's quit key
                           QCoreApplication::processEvents();
                           stillOpen = box->isVisible();
                           QTest::keyClick(box->windowHandle(), Qt::Key_Escape);
                       });
        QVERIFY(run.appeared);
        QVERIFY(run.closedInTime);
        QVERIFY(mainActive);
        QVERIFY(stillOpen);
        QCOMPARE(quits.count(), 0);
        QCOMPARE(onChosen.count(), 0);
        QCOMPARE(panel1->text(), u"before"_s);
        QVERIFY(!on->isChecked());
        QVERIFY(child<QAction>(m_form.get(), u"FormTop_OFF"_s)->isChecked());

        // Afterwards the window answers again.
        moveOver(m_form->hole().upper, m_form->hole().upper->rect().center() + QPoint(1, 0));
        QVERIFY(panel1->text() != u"before"_s);
    }

private:
    std::unique_ptr<Form1> m_form;
};

TESSALY_WIDGET_TEST_MAIN(TestAboutBox)
#include "tst_about_box.moc"
