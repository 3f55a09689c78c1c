// SPDX-License-Identifier: MIT
#include "pointer_hints.h"

#include "window/hints.h"
#include "window/picture_box.h"
#include "window/pointer_area.h"

#include <QEvent>
#include <QLabel>

PointerHints::PointerHints(QWidget* window, QLabel* panel) : QObject(panel), m_panel(panel)
{
    for (const hints::Hint& hint : hints::table()) {
        auto* control = window->findChild<QWidget*>(hint.control.toString());
        if (!control)
            qFatal("PointerHints: no control named %s", qPrintable(hint.control.toString()));
        watch(control, hint.text.toString());
    }
}

void PointerHints::watch(QWidget* control, const QString& text)
{
    const auto write = [panel = m_panel, text] { panel->setText(text); };
    if (auto* page = qobject_cast<PictureBox*>(control))
        connect(page, &PictureBox::pointerMovedOverSurface, m_panel, write);
    else if (auto* area = qobject_cast<PointerArea*>(control))
        connect(area, &PointerArea::pointerMoved, m_panel, write);
    else {
        m_boxTexts.insert(control, text);
        control->installEventFilter(this);
    }
}

bool PointerHints::eventFilter(QObject* watched, QEvent* event)
{
    // Buttons, modifiers and the place within the box make no difference.
    if (event->type() == QEvent::MouseMove)
        m_panel->setText(m_boxTexts.value(watched));
    return false;
}
