// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QStringView>

// The texts of the menu bar and the tab strip (the layout table holds the pages' captions, the
// hint table the status bar's texts), and all the texts the program draws, gathered from their
// homes.
namespace windowTexts {

inline constexpr QStringView kFileMenu = u"ﾌｧｲﾙ(&F)";
inline constexpr QStringView kQuit = u"終了";
inline constexpr QStringView kViewMenu = u"表示(&V)";
inline constexpr QStringView kFrontTop = u"常に手前表示";
inline constexpr QStringView kOn = u"ON";
inline constexpr QStringView kOff = u"OFF";
inline constexpr QStringView kHelpMenu = u"ﾍﾙﾌﾟ(&H)";
inline constexpr QStringView kAbout = u"Morvaneについて";

inline constexpr QStringView kHoleTab = u"常用するはめあいの寸法（穴）";
inline constexpr QStringView kShaftTab = u"常用するはめあいの寸法（軸）";

// Every text the window and the about box draw in the design family, as drawn (no mnemonic
// marks): menus, tabs, captions, hints, list entries, deviations and the about box's lines. The
// window's caption is left out, since the window manager draws it in a font of its own.
QStringList everyText();

} // namespace windowTexts
