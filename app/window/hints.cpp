#include "hints.h"

#include "window/picture_box.h"
#include "window/pointer_area.h"

#include <QEvent>
#include <QLabel>

#include <array>

namespace hints {

namespace {

// The texts keep the ASCII space, the full-width tilde U+FF5E (not the wave dash U+301C) and the
// full-width parentheses U+FF08 and U+FF09.
// clang-format off
constexpr std::array kHints = {
    Hint{u"Image1",   u"穴径選択範囲 0～500mm"},
    Hint{u"Image2",   u"クラス選択範囲 B10～X7"},
    Hint{u"Image3",   u"軸径選択範囲 0～500mm"},
    Hint{u"Image4",   u"クラス選択範囲 b9～x6"},
    Hint{u"Text1",    u"穴の寸法許容差（上限）"},
    Hint{u"Text2",    u"穴の寸法許容差（下限）"},
    Hint{u"Text3",    u"軸の寸法許容差（上限）"},
    Hint{u"Text4",    u"軸の寸法許容差（下限）"},
    Hint{u"Picture1", u""},
};
// clang-format on

} // namespace

std::span<const Hint> table()
{
    return kHints;
}

QString textOf(QStringView control)
{
    for (const Hint& hint : kHints) {
        if (hint.control == control)
            return hint.text.toString();
    }
    qFatal("hints: no hint for %s", qPrintable(control.toString()));
}

} // namespace hints

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
