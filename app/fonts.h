#pragma once

#include <QFont>
#include <QStringList>

namespace fonts {

// The family every text of the window is designed in.
QString designFamily();

// Where the designed family is not installed, let IPAPGothic stand in for it; menus and dialogs,
// which the design gives no font, use the design family too. Call once, before any widget is
// created.
void installApplicationFonts();

// The designed family at a point size (9.75, 11.25, 12 and 14.25 pt are 13, 15, 16 and 19 px
// at 96 dots per inch), regular weight.
QFont designFont(qreal pointSize);

// The font narrowed just enough (by its horizontal stretch, never its size) that the widest of
// texts fits width pixels. The stand-in's digits are wider than the designed family's, and a
// deviation shown without its sign would be a wrong result. The result draws without kerning,
// as the design's text does; the same question asked again is answered from memory.
QFont fittedToWidth(const QFont& font, const QStringList& texts, int width);

} // namespace fonts
