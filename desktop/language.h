// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QSettings;

// The language the workbench and the stack-up speak: Japanese, in which their texts are written,
// or English from the translation built into the programs. The lookup window never asks.
namespace language {

enum class Language
{
    Japanese,
    English,
};

// How it is chosen: as the desktop speaks, or by hand in 表示 → 言語.
enum class Choice
{
    Desktop,
    Japanese,
    English,
};

// The desktop's: the first of the user's interface languages (LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG on Linux, the display language on Windows) that is Japanese or English, English where
// none is. TESSALY_LANGUAGE ("ja" or "en") stands in for the desktop where it is set: scripts and
// tests that must see one language whatever the machine speaks.
Language desktop();

Language resolved(Choice choice);

// The language in force: Japanese until another is applied.
Language current();

// Installs the translators for language, ours and Qt's own texts (standard buttons, the file
// dialog) where Qt has them; every widget then hears QEvent::LanguageChange.
void apply(Language language);

// The choice kept in a program's store, and its writing there.
Choice kept(QSettings& store);
void keep(QSettings& store, Choice choice);

} // namespace language
