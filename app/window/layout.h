// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QStringView>

#include <span>

// The designed place of every control, in twips, in one table: a position, size, caption or font
// size of the window changes in exactly one line of layout.cpp.
namespace layout {

enum class Container
{
    Window,    // the client area of Form1, below the menu bar
    Tab,       // SSTab1
    HolePage,  // Picture1
    ShaftPage, // Picture2
};

struct Placement
{
    QStringView name; // objectName; the label arrays repeat their name on both pages
    Container container;
    int left;
    int top;
    int width;
    int height;
    qreal pointSize; // 0 where the control shows no text of its own
    QStringView caption;
};

std::span<const Placement> placements();

// The entry named name in container; the design holds each exactly once.
const Placement& placement(QStringView name, Container container);

// Geometry in device-independent pixels.
QRect pixelRect(const Placement& placement);

inline constexpr int kClientWidth = 6105; // twips, below the menu bar
inline constexpr int kClientHeight = 5850;
// Where the client area begins on the primary screen when no position was saved.
inline constexpr int kDesignClientLeft = 150;
inline constexpr int kDesignClientTop = 435;

inline constexpr qreal kTabCaptionPointSize = 9.75;
inline constexpr int kStatusPanel1Width = 4860;
inline constexpr int kStatusPanel2Width = 1200;

} // namespace layout
