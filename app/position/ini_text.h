#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace position {

// The settings file is shared by every program of the application "Kelvan" and may hold anything
// (any encoding, NUL bytes, lines that are no key, CR, LF or CRLF line ends, a byte order mark), so
// it is read and edited as bytes. Ours are only the "X1" and "Y1" lines of a section headed
// "[Form1_StrtUp]" (a comment after the "]" allowed): everything else is left byte for byte.
//
// A line is a header when it starts with "[" and holds a "]" followed by nothing or a comment; a
// line starting with "[" that is no header starts a section that is not ours. A key line is
// "key=value" with blanks allowed around the key and the value.

// The raw values of "X1" and "Y1" (blanks and one pair of double quotes taken off); the last one
// counts when the file repeats them, as QSettings reads it.
struct PositionTexts
{
    std::optional<QByteArray> x1;
    std::optional<QByteArray> y1;
};
PositionTexts positionTextsIn(QByteArrayView file);

// The file with every "X1" and "Y1" of our sections set to the given values (only the value's
// bytes change). A key that is missing goes after the last line of the first of our sections, a
// missing section at the end of the file; these new lines end as most lines of the file do.
QByteArray iniWithPosition(QByteArrayView file, QByteArrayView x1, QByteArrayView y1);

} // namespace position
