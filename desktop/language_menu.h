// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/language.h"

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// 表示 → 言語 (View → Language): the desktop's language, 日本語 or English, applied at once to
// every window of the program, without a restart. The window keeps the choice with its inputs.
class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QMenuBar& bar, language::Choice choice);

    language::Choice choice() const { return m_choice; }
    // The 表示 menu, for a window that puts more into it.
    QMenu* viewMenu() const { return m_view; }

Q_SIGNALS:
    void chosen(language::Choice choice);

private:
    void choose(language::Choice choice);

    language::Choice m_choice;
    QMenu* m_view;
    QMenu* m_language;
    QAction* m_items[3]; // in the order of language::Choice
};
