// SPDX-License-Identifier: MIT
#pragma once

#include "test_support.h"
#include "window/tab_control.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTabBar>
#include <QWheelEvent>
#include <QWindow>

#include <utility>

// User input for the reliability tests, each through the path a real device takes.
namespace userInput {

// What the core says a side shows for the lists' current texts; nothing where it says nothing.
inline std::optional<std::pair<QString, QString>>
coreEntry(tolerance::Side side, const QString& code, const QString& range)
{
    const QByteArray c = code.toUtf8();
    const QByteArray r = range.toUtf8();
    const auto* cls = tolerance::findClass(side, {c.constData(), std::size_t(c.size())});
    if (!cls)
        return std::nullopt;
    const auto entry = tolerance::ShowDeviations(*cls, {r.constData(), std::size_t(r.size())});
    if (!entry)
        return std::nullopt;
    return std::make_pair(q(entry->upper), q(entry->lower));
}

inline std::pair<QString, QString> shown(const SideControls& side)
{
    return {side.upper->text(), side.lower->text()};
}

// The pointer crosses the widget as a real one does: moves delivered to the window.
inline void pointerOver(QWidget* widget)
{
    QWindow* window = widget->window()->windowHandle();
    const QPoint centre = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseMove(window, centre);
    QTest::mouseMove(window, centre + QPoint(1, 1));
}

// One notch of a mouse wheel over the list: up for a positive delta.
inline void wheel(QComboBox* combo, int notches)
{
    const QPointF at = combo->rect().center();
    QWheelEvent event(at, combo->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(combo, &event);
}

// Clicks the entry at index of a list whose popup is open. The popup ignores a release that
// comes sooner than a double click after it opened, as the press that opened it would give one.
inline bool clickInOpenList(QComboBox* combo, int index)
{
    QAbstractItemView* view = combo->view();
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    const QRect item = view->visualRect(view->model()->index(index, 0));
    const QPoint at(view->viewport()->width() / 2, item.center().y());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    return QTest::qWaitFor([&] { return !view->isVisible(); });
}

inline bool pickInPopup(QComboBox* combo, int index)
{
    combo->showPopup();
    return QTest::qWaitForWindowExposed(combo->view()->window()) && clickInOpenList(combo, index);
}

// A click on the page's tab.
inline void clickTab(const Form1& form, int index)
{
    QTabBar* bar = child<TabControl>(&form, QStringLiteral("SSTab1"))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Typed characters, any of them: QTest::keyClicks takes only ASCII.
inline void type(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace userInput
