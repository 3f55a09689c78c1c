// SPDX-License-Identifier: MIT
#include "desktop/language_menu.h"

#include "desktop/language_texts.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

using language::Choice;

LanguageMenu::LanguageMenu(QMenuBar& bar, Choice choice)
    : QObject(&bar), m_choice(choice), m_view(bar.addMenu(QString())),
      m_language(m_view->addMenu(QString()))
{
    m_view->setObjectName(QStringLiteral("viewMenu"));
    m_language->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(this);
    const char* names[] = {"languageDesktop", "languageJapanese", "languageEnglish"};
    for (int i = 0; i < 3; ++i) {
        m_items[i] = m_language->addAction(QString());
        m_items[i]->setObjectName(QString::fromLatin1(names[i]));
        m_items[i]->setCheckable(true);
        m_items[i]->setChecked(Choice(i) == choice);
        group->addAction(m_items[i]);
        connect(m_items[i], &QAction::triggered, this, [this, i] { choose(Choice(i)); });
    }
    // Each language's name in the words of the language in force: a menu in English holds no
    // kanji, and English reads the same in both.
    auto* texts = new LanguageTexts(bar);
    texts->add([this] {
        m_view->setTitle(tr("表示(&V)"));
        m_language->setTitle(tr("言語(&L)"));
        m_items[int(Choice::Desktop)]->setText(tr("デスクトップに合わせる(&D)"));
        m_items[int(Choice::Japanese)]->setText(tr("日本語(&J)"));
        m_items[int(Choice::English)]->setText(tr("English(&E)"));
        m_language->menuAction()->setStatusTip(
            tr("画面の言語を選びます。デスクトップに合わせると、デスクトップの言語が日本語なら"
               "日本語、そのほかは英語です"));
    });
}

void LanguageMenu::choose(Choice choice)
{
    m_choice = choice;
    m_items[int(choice)]->setChecked(true);
    if (language::resolved(choice) != language::current())
        language::apply(language::resolved(choice));
    Q_EMIT chosen(choice);
}
