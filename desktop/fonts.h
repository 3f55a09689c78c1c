// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>

namespace fonts {

// The family every text of the window is designed in.
QString designFamily();

// The design family and its stand-ins, best first (README's "Japanese fonts").
QStringList standInChain();

// The first of families that is installed and has a glyph for every character of texts, or
// empty when none has.
QString firstCovering(const QStringList& families, const QStringList& texts);

// Lets the first family of the chain that covers every one of texts stand in for the design
// family, menus included. Call once, before any widget is created.
void installApplicationFonts(const QStringList& texts);

// For a window drawn in the desktop's font: that font where it has every character of texts, else
// the first family of the chain that has, at the desktop's size. Call once, before any widget.
void installDesktopFont(const QStringList& texts);

// What to install on this platform when no family covers the window (said after the program's
// name on stderr, once).
const char* missingFontAdvice();

// The family chosen by installApplicationFonts(); empty when none covers the window's texts.
QString chosenFamily();

// The designed family at a point size (9.75, 11.25, 12 and 14.25 pt are 13, 15, 16 and 19 px
// at 96 dots per inch), regular weight.
QFont designFont(qreal pointSize);

// The font narrowed by its stretch, never its size, until the widest of texts fits width pixels:
// a deviation shown without its sign would be a wrong result. Answers are remembered.
QFont fittedToWidth(const QFont& font, const QStringList& texts, int width);

} // namespace fonts
