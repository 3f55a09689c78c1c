// SPDX-License-Identifier: MIT
#include "window/copy_route.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

namespace {

bool hasSelectedText(QObject* object)
{
    if (auto* combo = qobject_cast<QComboBox*>(object))
        object = combo->lineEdit();
    const auto* field = qobject_cast<QLineEdit*>(object);
    return field && field->hasSelectedText();
}

} // namespace

CopyRoute::CopyRoute(QWidget* window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

bool CopyRoute::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !hasSelectedText(watched)) {
        event->ignore(); // the window's Copy then runs
        return true;
    }
    if (event->type() == QEvent::FocusIn && !widget->statusTip().isEmpty()) {
        if (auto* main = qobject_cast<QMainWindow*>(m_window))
            main->statusBar()->showMessage(widget->statusTip());
    }
    return false;
}
