// SPDX-License-Identifier: MIT
#include "desktop/access_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QString>

namespace accessKeys {

namespace {

// The access key of a control, and the widget that takes the focus for it.
struct Keyed
{
    QKeySequence key;
    QWidget* control;
    QWidget* focus;
};

Keyed keyOf(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return {QKeySequence::mnemonic(label->text()), label, label->buddy()};
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return {QKeySequence::mnemonic(button->text()), button, button};
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return {QKeySequence::mnemonic(group->title()), group, group};
    return {};
}

// What the control's own shortcut does, once it can be seen: a label gives the focus to its
// buddy, a button is pressed, a group that folds is opened (never folded by a key that had to
// show it first).
void take(const Keyed& keyed)
{
    keyed.focus->setFocus(Qt::ShortcutFocusReason);
    if (auto* group = qobject_cast<QGroupBox*>(keyed.control); group && group->isCheckable())
        group->setChecked(true);
    else if (auto* button = qobject_cast<QAbstractButton*>(keyed.control))
        button->animateClick();
}

class Filter : public QObject
{
public:
    Filter(QWidget& window, std::function<bool(QWidget&)> reveal)
        : QObject(&window), m_window(window), m_reveal(std::move(reveal))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A key press comes here only when no shortcut took it.
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods =
            press->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
        const int key = press->key();
        const bool letter =
            (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
        auto* receiver = static_cast<QWidget*>(watched);
        if (mods != Qt::AltModifier || !letter ||
            (receiver != &m_window && !m_window.isAncestorOf(receiver)))
            return false;
        const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
        for (QWidget* widget : m_window.findChildren<QWidget*>()) {
            const Keyed keyed = keyOf(widget);
            if (keyed.key != pressed || !keyed.focus || !keyed.focus->isEnabled() ||
                keyed.control->isVisible())
                continue;
            if (m_reveal(*keyed.control) && keyed.control->isVisible()) {
                take(keyed);
                break;
            }
        }
        return true; // never the letter in a field
    }

private:
    QWidget& m_window;
    std::function<bool(QWidget&)> m_reveal;
};

} // namespace

void install(QWidget& window, std::function<bool(QWidget&)> reveal)
{
    new Filter(window, std::move(reveal));
}

QString withoutKey(const QString& label)
{
    QString text = label;
    // Japanese writes the key apart, in parentheses at the end; English marks a letter of a word.
    const qsizetype key = text.indexOf(QStringLiteral("(&"));
    if (key >= 0)
        return text.left(key).trimmed();
    return text.remove(u'&');
}

} // namespace accessKeys
