#pragma once

#include <QFont>
#include <QStringList>

namespace fonts {

// The family every text of the window is designed in.
QString designFamily();

// The design family and the families that stand in for it where it is not installed, best
// first; README's "Japanese fonts" says which one each common desktop gets.
QStringList standInChain();

// The first of families that is installed and has a glyph for every character of texts, or
// empty when none has.
QString firstCovering(const QStringList& families, const QStringList& texts);

// Chooses the first family of the chain that covers every one of texts (the window's, see
// windowTexts::everyText()) and lets it stand in for the design family; menus and dialogs use the
// design family too. Where none covers them, Qt's fallback fonts fill in and one line on stderr
// names the font to install. Call once, before any widget is created.
void installApplicationFonts(const QStringList& texts);

// The line on stderr when no family covers the window: what to install on this platform.
const char* missingFontAdvice();

// The family chosen by installApplicationFonts(); empty when none covers the window's texts.
QString chosenFamily();

// The designed family at a point size (9.75, 11.25, 12 and 14.25 pt are 13, 15, 16 and 19 px
// at 96 dots per inch), regular weight.
QFont designFont(qreal pointSize);

// The font narrowed just enough (by its horizontal stretch, never its size) that the widest of
// texts fits width pixels. The stand-in's digits are wider than the designed family's, and a
// deviation shown without its sign would be a wrong result. The result draws without kerning,
// as the design's text does; the same question asked again is answered from memory.
QFont fittedToWidth(const QFont& font, const QStringList& texts, int width);

} // namespace fonts
