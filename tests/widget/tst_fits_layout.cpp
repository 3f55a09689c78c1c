// SPDX-License-Identifier: MIT
// The workbench's answer first on every screen: the fit's figures inside every area that cuts
// them and the frame inside the work area, at first launch on five screens (run with the screens
// of screens.json); the tools below giving way, kept as they were left; the access keys of
// controls hidden or disabled; every Tab stop named; a typed name never widening 使用条件; the
// folded group drawing its title alone.
#include "test_support.h"
#include "window/fits_window.h"

#include "desktop/answer_first.h"
#include "desktop/language.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"Kelvan"_s, u"TessalyFits"_s);
}

// A fit, and 使用条件 open and filled or not, as the last session left them; nothing else kept.
void keepInputs(bool service)
{
    QSettings settings = store();
    settings.clear();
    settings.setValue(u"inputs/size"_s, u"50"_s);
    settings.setValue(u"inputs/hole"_s, u"H7"_s);
    settings.setValue(u"inputs/shaft"_s, u"s6"_s);
    settings.setValue(u"service/open"_s, service);
    const std::pair<QString, QString> fields[] = {
        {u"holeMaterial"_s, u"S45C"_s}, {u"shaftMaterial"_s, u"S45C"_s},
        {u"holeCelsius"_s, u"80"_s},    {u"hubOuter"_s, u"80"_s},
        {u"jointLength"_s, u"40"_s},    {u"friction"_s, u"0.15"_s}};
    for (const auto& [key, value] : fields)
        settings.setValue(u"service/"_s + key, value);
    settings.sync();
}

// The window as a user meets it: opened from what was kept, shown, its layouts settled.
std::unique_ptr<FitsWindow> opened(QScreen* screen = nullptr)
{
    auto window = std::make_unique<FitsWindow>();
    if (screen)
        window->setScreen(screen);
    window->restoreLast();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("window not active");
    QTest::qWait(100); // the tools are arranged once every layout has placed its widgets
    return window;
}

QString where(const QWidget* widget)
{
    const QRect seen = seenRect(widget);
    return widget->objectName() + u" seen "_s + QString::number(seen.height()) + u" of "_s +
           QString::number(widget->height());
}

} // namespace

class TestFitsLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // At first launch on each screen: the frame inside the work area and the type and both
    // clearances seen; from 1280 x 1024 every figure of the fit, and with 使用条件 open its answers
    // beside them. Seen means inside every area that cuts the figure, whatever isVisible() says.
    void answerSeen_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("service");
        QTest::addColumn<bool>("whole");
        for (const auto& [screen, whole] :
             {std::pair(u"1280x1024"_s, true), std::pair(u"1920x1080"_s, true),
              std::pair(u"1366x768 at 125 %"_s, false), std::pair(u"1024x576"_s, false),
              std::pair(u"800x600"_s, false)}) {
            QTest::addRow("%s", qPrintable(screen)) << screen << false << whole;
            QTest::addRow("%s, 使用条件 open", qPrintable(screen)) << screen << true << whole;
        }
    }
    void answerSeen()
    {
        QFETCH(QString, screen);
        QFETCH(bool, service);
        QFETCH(bool, whole);
        QScreen* on = nullptr;
        for (QScreen* candidate : QGuiApplication::screens())
            if (candidate->name() == screen)
                on = candidate;
        if (!on)
            QSKIP("needs the screens of tests/widget/screens.json (tst_fits_layout_screens)");
        keepInputs(service);
        const auto window = opened(on);
        QVERIFY2(on->availableGeometry().contains(window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())));
        QStringList figures = {u"fitKind"_s, u"looseValue"_s, u"tightValue"_s};
        if (whole) {
            figures << u"holeUpper"_s << u"holeLower"_s << u"holeMaximum"_s << u"holeMinimum"_s
                    << u"shaftUpper"_s << u"shaftLower"_s << u"shaftMaximum"_s << u"shaftMinimum"_s
                    << u"holeSource"_s << u"shaftSource"_s << u"fitTolerance"_s << u"otherBasis"_s
                    << u"fitOdds"_s << u"drawingNotes"_s << u"zonePicture"_s;
        }
        if (whole && service) {
            for (const QString& answer :
                 {u"pressureMin"_s, u"torqueMin"_s, u"axialForceMin"_s, u"pressureMax"_s,
                  u"pressInForceMax"_s, u"hubTangentialMax"_s, u"hubEquivalentMax"_s,
                  u"hubSafety"_s, u"shaftEquivalentMax"_s, u"shaftSafety"_s})
                figures << answer << answer + u"AtWorking"_s;
            figures << u"assemblyTemperature"_s;
        }
        for (const QString& name : std::as_const(figures)) {
            const auto* figure = child<QWidget>(window.get(), name);
            QVERIFY2(whollySeen(figure), qPrintable(where(figure)));
        }
    }

    // The tools give way: folded to their tabs they leave the answer the room, moved by the
    // handle they keep their height, and the next window opens as this one was left.
    void toolsKept_data()
    {
        QTest::addColumn<bool>("fold");
        QTest::newRow("folded") << true;
        QTest::newRow("the handle moved") << false;
    }
    void toolsKept()
    {
        QFETCH(bool, fold);
        keepInputs(false);
        auto window = opened();
        window->resize(760, 700);
        QTest::qWait(50);
        auto* body = child<AnswerFirst>(window.get(), u"workbenchBody"_s);
        auto* list = child<QTableView>(window.get(), u"finderList"_s);
        const int answerBefore = body->sizes()[0];
        const int toolsBefore = body->sizes()[1];
        if (fold)
            child<QToolButton>(window.get(), u"foldTools"_s)->click();
        else
            body->setSizes({body->sizes()[0] - 60, body->sizes()[1] + 60});
        QTest::qWait(50);
        const QList<int> left = body->sizes();
        QCOMPARE(!list->isVisible(), fold);
        QVERIFY(fold ? left[0] > answerBefore : left[0] == answerBefore - 60);
        window->close();
        window = opened();
        body = child<AnswerFirst>(window.get(), u"workbenchBody"_s);
        QCOMPARE(body->isFolded(), fold);
        QCOMPARE(body->sizes(), left);
        // Taken again, the folded tools come back at the height they had.
        if (fold) {
            auto* tabs = child<QTabBar>(window.get(), u"toolTabs"_s);
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
            QTest::qWait(50);
            QVERIFY(child<QTableView>(window.get(), u"finderList"_s)->isVisible());
            QCOMPARE(body->sizes()[1], toolsBefore);
        }
    }

    // What takes the focus is brought into view: the answer pushed to its least shows its foot
    // again when Tab reaches the copy button, never less than the clearances meanwhile.
    void focusSeen()
    {
        keepInputs(false);
        const auto window = opened();
        window->resize(900, 700);
        QTest::qWait(50);
        auto* body = child<AnswerFirst>(window.get(), u"workbenchBody"_s);
        body->setSizes({0, body->sizes()[0] + body->sizes()[1]});
        QTest::qWait(50);
        auto* copy = child<QWidget>(window.get(), u"copyButton"_s);
        QVERIFY(!whollySeen(copy));
        for (const char* figure : {"fitKind", "looseValue", "tightValue"})
            QVERIFY2(whollySeen(child<QWidget>(window.get(), QString::fromLatin1(figure))), figure);
        child<QWidget>(window.get(), u"drawingNotes"_s)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), copy);
        QVERIFY2(whollySeen(copy), qPrintable(where(copy)));
    }

    // Alt and a letter: the control it names, also on a page not shown, which is then shown;
    // and a control disabled leaves the field with the focus as it was, its letter not typed.
    void accessKeys_data()
    {
        QTest::addColumn<QString>("page"); // the tools' page shown first, "folded" for none
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("focus"); // where the focus goes; empty: it stays
        QTest::newRow("Alt+U, nothing to use: 35 stays 35")
            << u"finder"_s << u"sizeField"_s << int(Qt::Key_U) << QString();
        QTest::newRow("Alt+C, no fit to copy: H7 stays H7")
            << u"finder"_s << u"holeClass"_s << int(Qt::Key_C) << QString();
        QTest::newRow("Alt+W from the finder's page opens 使用条件")
            << u"finder"_s << u"sizeField"_s << int(Qt::Key_W) << u"serviceGroup"_s;
        QTest::newRow("Alt+N from 使用条件's page shows the finder")
            << u"service"_s << u"sizeField"_s << int(Qt::Key_N) << u"finderMinimum"_s;
        QTest::newRow("Alt+L with the tools folded opens them")
            << u"folded"_s << u"holeClass"_s << int(Qt::Key_L) << u"finderClasses"_s;
    }
    void accessKeys()
    {
        QFETCH(QString, page);
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, focus);
        QSettings settings = store();
        settings.clear();
        settings.sync();
        const auto window = opened();
        auto* size = child<QLineEdit>(window.get(), u"sizeField"_s);
        auto* hole = child<QComboBox>(window.get(), u"holeClass"_s);
        size->setText(u"35"_s);
        hole->setEditText(u"H7"_s);
        child<QComboBox>(window.get(), u"shaftClass"_s)->setEditText(QString());
        auto* body = child<AnswerFirst>(window.get(), u"workbenchBody"_s);
        auto* group = child<QGroupBox>(window.get(), u"serviceGroup"_s);
        if (page == u"service")
            body->showTool(child<QWidget>(window.get(), u"servicePage"_s));
        body->setFolded(page == u"folded");
        QWidget* field = child<QWidget>(window.get(), from);
        field->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QCOMPARE(size->text(), u"35"_s);
        QCOMPARE(hole->currentText(), u"H7"_s);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus.isEmpty() ? from : focus);
        QCOMPARE(group->isChecked(), key == Qt::Key_W);
        if (!focus.isEmpty()) {
            QVERIFY(!body->isFolded());
            QVERIFY(whollySeen(QApplication::focusWidget()));
        }
    }

    // Every stop of Tab, 使用条件 open and answered, is named for a screen reader: no area or
    // page that only holds others takes the focus.
    void tabStopsNamed()
    {
        keepInputs(true);
        const auto window = opened();
        QWidget* first = child<QWidget>(window.get(), u"sizeField"_s);
        first->setFocus();
        QStringList stops;
        for (int i = 0; i < 120; ++i) {
            QWidget* now = QApplication::focusWidget();
            // An editable list's own field stands in for the list.
            QWidget* named = now->parentWidget() && qobject_cast<QComboBox*>(now->parentWidget())
                                 ? now->parentWidget()
                                 : now;
            stops << named->objectName();
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(named)->text(QAccessible::Name).isEmpty(),
                qPrintable(QString::fromLatin1(named->metaObject()->className()) + u' ' +
                           stops.join(u',')));
            QTest::keyClick(now, Qt::Key_Tab);
            if (QApplication::focusWidget() == first)
                break;
        }
        QCOMPARE(QApplication::focusWidget(), first);
        for (const QString& stop : {u"toolTabs"_s, u"foldTools"_s, u"torqueMin"_s})
            QVERIFY2(stops.contains(stop), qPrintable(stops.join(u',')));
    }

    // A name of ten thousand characters typed as a material is cut short under its field:
    // 使用条件 keeps its width and its least size, the message three lines at most.
    void longNameCutShort()
    {
        keepInputs(true);
        const auto window = opened();
        auto* page = child<QWidget>(window.get(), u"servicePage"_s);
        const QSize least = window->minimumSizeHint();
        const QSize wanted = page->sizeHint();
        child<QComboBox>(window.get(), u"holeMaterial"_s)->setEditText(QString(10'000, u'X'));
        QTest::qWait(50);
        auto* message = child<QLabel>(window.get(), u"holeMaterialMessage"_s);
        QVERIFY(message->text().size() > 10'000);
        QVERIFY2(page->sizeHint().width() <= wanted.width(),
                 qPrintable(QString::number(page->sizeHint().width())));
        QCOMPARE(window->minimumSizeHint(), least);
        QVERIFY(message->height() <= 3 * message->fontMetrics().lineSpacing());
        QVERIFY2(message->width() < 400, qPrintable(QString::number(message->width())));
    }

    // Folded, the group draws its box and title and nothing under them: no empty frame.
    void foldedGroupDrawsItsTitle()
    {
        keepInputs(false);
        const auto window = opened();
        auto* group = child<QGroupBox>(window.get(), u"serviceGroup"_s);
        child<AnswerFirst>(window.get(), u"workbenchBody"_s)
            ->showTool(child<QWidget>(window.get(), u"servicePage"_s));
        QTest::qWait(50);
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.subControls = QStyle::SC_GroupBoxCheckBox | QStyle::SC_GroupBoxLabel;
        option.text = group->title();
        option.lineWidth = 1;
        const QStyle* style = group->style();
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxCheckBox, group)
                .united(style->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, group));
        const QImage image = group->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const QRgb background = image.pixel(image.width() - 1, 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background)
                    QVERIFY2(title.adjusted(-2, -2, 2, 2).contains(QPoint(x, y) / ratio),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

// The language in force as the workbench's main applies it (TESSALY_LANGUAGE, set by the
// harness): what the window lays out by its language, not only its words, follows it too.
TESSALY_TEST_MAIN_WITH(QApplication, TestFitsLayout, language::apply(language::desktop()))
#include "tst_fits_layout.moc"
