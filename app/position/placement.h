// SPDX-License-Identifier: MIT
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

// The part of the frame that must lie on a screen for the user to grab the title bar.
inline constexpr int kGripHeight = 24;
inline constexpr int kGripWidth = 100;

// Where the frame goes at start, in pixels: the saved edges, moved only as far as it takes to
// grab the title bar; README's "Where the window opens" has the rules.
QPoint startFramePosition(const SavedPosition& saved, const QRect& designFrame,
                          const QList<QRect>& availableAreas);

// The available geometry of every screen (needs a QGuiApplication).
QList<QRect> availableScreenAreas();

// The frame position to save, in pixels: where the frame stands, or for a minimized or maximized
// window where it will stand when restored (README's "What the window saves").
std::optional<QPoint> framePositionToSave(Qt::WindowStates states, const QPoint& framePosition,
                                          const QRect& normalGeometry,
                                          const QMargins& restoredMargins);

} // namespace position
