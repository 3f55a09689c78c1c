// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The window is designed, and its position saved, in twips (1/1440 inch): at 96 dots per inch 15
// make one pixel. The lowest library holds it, so the design and the store share the one factor.
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
