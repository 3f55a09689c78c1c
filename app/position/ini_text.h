#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace position {

// The settings file is shared by every program of the application "Kelvan", so a save changes
// only what is ours: the text of the file with "X1" and "Y1" of section "Form1_StrtUp" set to the
// given values and everything else kept byte for byte (other sections, other keys and their
// values, comments, blank lines, a byte order mark, CRLF line ends).
//
// Dropped, as content no reader can use: a file that is not UTF-8 or holds NUL bytes (random
// bytes) as a whole; a line that is neither blank, a comment (";" or "#"), a section header nor a
// "key=value" line; a section header without its "]" and every line below it up to the next
// good header; further copies of "X1" or "Y1" in our section. A missing key is added after the
// last line of our section, a missing section at the end of the file.
QByteArray iniWithPosition(QByteArrayView file, QByteArrayView x1, QByteArrayView y1);

} // namespace position
