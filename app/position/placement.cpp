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

QPoint startFramePosition(const SavedPosition& saved, const QRect& designFrame,
                          const QList<QRect>& availableAreas)
{
    const QPoint design = designFrame.topLeft();
    const QPoint wanted(saved.x1 ? pixelsFromTwips(*saved.x1) : design.x(),
                        saved.y1 ? pixelsFromTwips(*saved.y1) : design.y());
    const QRect frame(wanted, designFrame.size());
    const bool onSomeScreen =
        std::any_of(availableAreas.begin(), availableAreas.end(),
                    [&](const QRect& area) { return area.intersects(frame); });
    return onSomeScreen ? wanted : design;
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
