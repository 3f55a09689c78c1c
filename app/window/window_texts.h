// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QStringView>

// The menu bar's and tab strip's texts, and every text the program draws, gathered from the
// tables that hold them.
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

// Every text drawn in the design family, as drawn: what the chosen font must cover. The caption
// is the window manager's to draw.
QStringList everyText();

} // namespace windowTexts
