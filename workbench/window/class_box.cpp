// SPDX-License-Identifier: MIT
#include "window/class_box.h"

#include "model/bearing_side.h"
#include "model/class_lists.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

ClassBox::ClassBox(tolerance::Side side, QWidget* parent) : QComboBox(parent), m_side(side)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // No completion: an inline one turns a typed "H1" into "H10", another class, unseen.
    setCompleter(nullptr);
}

void ClassBox::fill()
{
    if (m_filled)
        return;
    m_filled = true;
    // The first item added would become the current one and overwrite the field.
    const QString typed = currentText();
    const int cursor = lineEdit()->cursorPosition();
    const QSignalBlocker quiet(this);
    addItems(workbench::commonClasses(m_side));
    // A bearing's rings next, where a designer looks for them before the long list of classes.
    insertSeparator(count());
    addItems(workbench::ringChoices(m_side));
    insertSeparator(count());
    addItems(workbench::otherClasses(m_side));
    setCurrentIndex(findText(typed, Qt::MatchExactly));
    setEditText(typed);
    lineEdit()->setCursorPosition(cursor);
}

void ClassBox::changeEvent(QEvent* event)
{
    QComboBox::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // A ring picked from the list is named again in the new words; anything else stays as typed.
    const QString typed = currentText();
    const auto ring = workbench::readRing(m_side, typed);
    const QString named = ring && ring->choice ? workbench::ringName(*ring->choice) : typed;
    if (m_filled) {
        const QSignalBlocker quiet(this);
        clear(); // the line too
        m_filled = false;
        setEditText(typed);
        fill();
    }
    if (named != typed)
        setEditText(named);
}

void ClassBox::showPopup()
{
    fill();
    QComboBox::showPopup();
}

void ClassBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        fill();
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void ClassBox::wheelEvent(QWheelEvent* event)
{
    fill();
    QComboBox::wheelEvent(event);
}
