// SPDX-License-Identifier: MIT
#include "app/position/placement.h"

#include "app/position/twips_text.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace position {

int pixelsFromTwips(float twips)
{
    const float limited = std::clamp(twips, -kMaxEdgeTwips, kMaxEdgeTwips);
    return static_cast<int>(std::lround(limited / static_cast<float>(twips::kPerPixel)));
}

float twipsFromPixels(int pixels)
{
    return static_cast<float>(pixels) * static_cast<float>(twips::kPerPixel);
}

namespace {

// The least move that puts the frame's title strip on area, or nothing when area is too small.
std::optional<QPoint> reachableOn(const QRect& area, const QRect& frame)
{
    const int grip = std::min(kGripWidth, frame.width());
    const int leftMost = area.left() + grip - frame.width();
    const int rightMost = area.right() + 1 - grip;
    const int topMost = area.top();
    const int bottomMost = area.bottom() + 1 - kGripHeight;
    if (leftMost > rightMost || topMost > bottomMost)
        return std::nullopt;
    return QPoint(std::clamp(frame.left(), leftMost, rightMost),
                  std::clamp(frame.top(), topMost, bottomMost));
}

} // namespace

QPoint startFramePosition(const SavedPosition& saved, const QRect& designFrame,
                          const QList<QRect>& availableAreas)
{
    const QPoint design = designFrame.topLeft();
    const QPoint wanted(saved.x1 ? pixelsFromTwips(*saved.x1) : design.x(),
                        saved.y1 ? pixelsFromTwips(*saved.y1) : design.y());
    const QRect frame(wanted, designFrame.size());
    std::optional<QPoint> nearest;
    qint64 nearestDistance = 0;
    for (const QRect& area : availableAreas) {
        if (!area.intersects(frame))
            continue;
        const std::optional<QPoint> at = reachableOn(area, frame);
        if (!at)
            continue;
        const QPoint move = *at - wanted;
        const qint64 distance = qint64(move.x()) * move.x() + qint64(move.y()) * move.y();
        if (!nearest || distance < nearestDistance) {
            nearest = at;
            nearestDistance = distance;
        }
    }
    return nearest.value_or(design);
}

QList<QRect> availableScreenAreas()
{
    QList<QRect> areas;
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (const QScreen* screen : screens)
        areas << screen->availableGeometry();
    return areas;
}

std::optional<QPoint> framePositionToSave(Qt::WindowStates states, const QPoint& framePosition,
                                          const QRect& normalGeometry,
                                          const QMargins& restoredMargins)
{
    constexpr Qt::WindowStates notNormal =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (!(states & notNormal))
        return framePosition;
    if (!normalGeometry.isValid())
        return std::nullopt;
    return normalGeometry.topLeft() - QPoint(restoredMargins.left(), restoredMargins.top());
}

} // namespace position
