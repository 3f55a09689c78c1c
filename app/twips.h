#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The window is designed in twips (1/1440 inch); at 96 dots per inch 15 twips make one pixel.
// Everything the design gives goes through here on its way to the screen; the saved window
// position, a float of twips, converts with the same factor in app/position/placement.h.
// Qt's high-DPI scaling maps these device-independent pixels onto denser screens.
namespace twips {

inline constexpr int kPerPixel = 15;

constexpr int toPixels(int twips)
{
    // Round half away from zero, so negative coordinates convert symmetrically.
    return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel
                      : -((-twips + kPerPixel / 2) / kPerPixel);
}

constexpr QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr int fromPixels(int pixels)
{
    return pixels * kPerPixel;
}

} // namespace twips
