// SPDX-License-Identifier: MIT
#include "desktop/language_texts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

LanguageTexts::LanguageTexts(QObject& owner) : QObject(&owner)
{
    owner.installEventFilter(this);
}

void LanguageTexts::add(std::function<void()> set)
{
    set();
    m_sets.push_back(std::move(set));
}

void LanguageTexts::thenRedo(std::function<void()> redo)
{
    m_redos.push_back(std::move(redo));
}

bool LanguageTexts::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && watched == parent()) {
        for (const auto& set : m_sets)
            set();
        // The change reaches a window's children after the window itself: what is redone from
        // their words waits until all of them have theirs.
        if (!m_redos.empty() && !m_redoPending) {
            m_redoPending = true; // once for the several a switch of translators sends
            QTimer::singleShot(0, this, [this] {
                m_redoPending = false;
                for (const auto& redo : m_redos)
                    redo();
            });
        }
    }
    return false;
}

namespace words {

namespace {
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Words)
};
} // namespace

QString comma()
{
    return Words::tr("、", "joins clauses");
}

QString stop()
{
    return Words::tr("。", "joins sentences");
}

} // namespace words
