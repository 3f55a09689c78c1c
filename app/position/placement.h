#pragma once

#include "app/position/position_store.h"
#include "app/position/twips.h"

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>

#include <optional>

namespace position {

// The nearest pixel, halves away from zero; values beyond ±kMaxEdgeTwips are taken at that limit.
int pixelsFromTwips(float twips);
float twipsFromPixels(int pixels);

// The part of the frame that must lie on one available screen area for the user to grab the
// title bar and drag the window: its top kGripHeight pixels over kGripWidth of its width.
inline constexpr int kGripHeight = 24;
inline constexpr int kGripWidth = 100;

// Where the frame goes at start, in pixels: the saved edges where there are any (an edge that is
// missing keeps its design value). A frame that overlaps an available screen area but whose title
// bar could not be grabbed there (a sliver at an edge, the title bar above the top) is moved the
// least distance that puts its grip on that area, so a window half off the left edge stays
// where it was; a frame that overlaps no area at all (its screen is gone) goes to the whole
// design position.
// `designFrame` is the frame at its design position with its expected size (before the window is
// shown its frame margins are not known yet; the client size plus the margins last seen, or the
// client size alone, is close enough for this test); `availableAreas` is what
// availableScreenAreas() returns. Place the frame there with the sequence that does not drift:
// move(p); adjustSize(); winId(); windowHandle()->setFramePosition(p); show().
QPoint startFramePosition(const SavedPosition& saved, const QRect& designFrame,
                          const QList<QRect>& availableAreas);

// The available geometry of every screen (needs a QGuiApplication).
QList<QRect> availableScreenAreas();

// The frame position to save when the window closes, in pixels, from what the window reports in
// its closeEvent (the frame is gone once it is hidden):
//   states          QWidget::windowState()
//   framePosition   QWidget::pos(), the frame's top-left corner
//   normalGeometry  QWidget::normalGeometry(), the client area the window has when restored
//   restoredMargins the frame margins of the window shown normally
// A normal window gives its frame position. A minimized, maximized or full-screen one gives the
// frame position it will have when restored: normalGeometry's corner less restoredMargins. What
// such a window reports as its position is not that: on xcb under openbox a maximized window is
// at 0,0 and one minimized after being maximized at -1,-1. Nothing when the restored geometry is
// not known.
//
// Measured with Qt 6.4 on xcb under openbox: normalGeometry() stays the restored client area
// through minimize and maximize, whether Qt or the window manager changes the state;
// QWindow::frameMargins() is 1,20,1,1 for a fixed-size window shown normally or minimized, but
// 0,19,0,0 while maximized (no border). So read restoredMargins from windowHandle()->frameMargins()
// while windowState() is Qt::WindowNoState (in moveEvent or changeEvent) and keep them.
std::optional<QPoint> framePositionToSave(Qt::WindowStates states, const QPoint& framePosition,
                                          const QRect& normalGeometry,
                                          const QMargins& restoredMargins);

} // namespace position
