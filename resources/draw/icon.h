// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

#include <array>

namespace tessaly::drawing {

// The sizes the icon is drawn, committed and installed at; resources/CMakeLists.txt reads them
// here.
inline constexpr std::array kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// Sizes up to this one are drawn without antialiasing in the icon palette, so every pixel is one
// of its colours and the small icons stay sharp; larger ones are drawn smooth.
inline constexpr int largestPaletteIcon = 32;

// The window icon, an open book with two gears on its right-hand page, drawn for a square of
// `size` pixels from one description in a 32-unit grid.
QImage drawIcon(int size);

// The 16 colours of the small icons, transparency included.
QList<QRgb> iconPalette();

} // namespace tessaly::drawing
