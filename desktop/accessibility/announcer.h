// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QString;

namespace accessibility {

// Says text to a screen reader without moving the focus: the typing goes on where it was.
// Qt 6.4 has no announcement of its own. What Orca 43 does speak, unasked, is an AT-SPI
// notification that becomes showing; so the text is the name of a hidden notification in
// context's window, shown again for each announcement (the same text twice is heard twice).
void announce(QWidget& context, const QString& text);

// A problem with what was typed into field, said with the field's name in front, so that the
// listener knows which field it concerns wherever the focus is.
void announceProblem(QWidget& field, const QString& problem);

// The notification itself: a widget of no size, never seen, whose accessible role is
// Notification. Exposed for the tests; the functions above make and find it.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void say(const QString& text);
};

} // namespace accessibility
