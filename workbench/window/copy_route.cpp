// SPDX-License-Identifier: MIT
#include "window/copy_route.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>

namespace {

const QLineEdit* fieldOf(QObject* object)
{
    if (auto* combo = qobject_cast<QComboBox*>(object))
        object = combo->lineEdit();
    return qobject_cast<QLineEdit*>(object);
}

bool hasSelectedText(QObject* object)
{
    const QLineEdit* field = fieldOf(object);
    return field && field->hasSelectedText();
}

bool canUndoTyping(QObject* object)
{
    const QLineEdit* field = fieldOf(object);
    return field && field->isUndoAvailable();
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
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The window's Copy or Undo then runs.
        if ((key->matches(QKeySequence::Copy) && !hasSelectedText(watched)) ||
            (key->matches(QKeySequence::Undo) && !canUndoTyping(watched))) {
            event->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && !widget->statusTip().isEmpty()) {
        if (auto* main = qobject_cast<QMainWindow*>(m_window))
            main->statusBar()->showMessage(widget->statusTip());
    }
    return false;
}
