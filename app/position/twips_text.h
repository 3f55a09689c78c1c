#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace position {

// Saved window edges are twips (1/1440 inch) held as single-precision floats and stored as text.
//
// Accepted range on reading: whole twips from -1 000 000 to +1 000 000, about ±66 000 pixels at
// 15 twips per pixel. That is twice what an X11 coordinate can reach (±32 767 pixels) and far
// beyond any desktop of several monitors, yet every value in it is a float that holds the whole
// number exactly (|n| < 2^24) and writes with at most 7 digits, so what is read writes back as the
// same text and reads back as the same value.
inline constexpr float kMaxEdgeTwips = 1'000'000.0f;

// The decimal text of a value: at most 7 significant digits (the float correctly rounded), a
// leading "-" for a negative value, no sign or blank otherwise, no exponent, no trailing zeros
// after a decimal point and no point for a whole number: 2880 -> "2880", -1440 -> "-1440",
// 1234.5 -> "1234.5", 123456789 -> "123456800". Negative zero gives "0"; a value that is not
// finite gives an empty text, which reading rejects.
QString twipsText(float twips);

// Reads an edge back, strictly: an optional "-", digits, and optionally "." with more digits,
// nothing else (no blanks, "+", exponent, "nan", "inf" or trailing characters). The text is
// converted to the nearest float, rounded to whole twips (halves away from zero) and accepted
// only within ±kMaxEdgeTwips. Anything else gives nothing.
std::optional<float> twipsFromText(QStringView text);

} // namespace position
