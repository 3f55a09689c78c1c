// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <functional>

class QScreen;
class QWidget;

// Where a window's frame goes: inside the work area of its screen, title bar included. A window
// is placed and sized by its frame, never by its client area, which the window manager's frame
// would otherwise push past the screen's edge.
namespace workArea {

// The frame moved and shrunk as little as it takes to lie inside area.
QRect frameWithin(QRect frame, const QRect& area);

// The frame the window manager puts around the window: what it has, once shown and framed;
// before that a guess on the large side (title bars run from 20 to 37 pixels).
QMargins frameMargins(const QWidget& window);

// The size a window not shown yet asks for, measured afresh: layouts and widgets not shown keep
// the hints they first worked out, before whatever was added to them or changed since.
QSize freshSizeHint(QWidget& window);

// The frame of a window that opens for the first time on screen: the size it asks for (its
// client area's, frame added) as far as the work area holds it, in the middle of the area.
QRect firstFrame(const QScreen& screen, QSize wanted, const QMargins& margins);

// The frame a window kept with QWidget::saveGeometry had, the window manager's margins around its
// client area then, and whether it was maximized (its frame then the one it had before);
// nothing when the bytes hold no window.
struct Kept
{
    QRect frame;
    QMargins margins;
    bool maximized = false;
};
Kept keptFrame(const QByteArray& geometry);

// Sets a window that is not shown yet to frame: its client area the frame less the margins and,
// where the platform places windows, its frame's corner at the frame's (placed by the frame, a
// save and a restore never drift by the frame's size).
void placeFrame(QWidget& window, const QRect& frame, const QMargins& margins, bool place);

// The work area of the screen the window is on, or of the primary screen.
QRect areaOf(const QWidget& window);

// Once the window manager has framed the window, moves and shrinks it as little as it takes to
// keep the real frame inside the work area, where the guess before the first show fell short;
// then framed, if given: what else waits for the window to stand (a size asked for before the
// window manager has framed the window is answered with the size it knew).
void keepFrameInside(QWidget& window, bool place, std::function<void()> framed = {});

} // namespace workArea
