// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class QWidget;

// Keeping a window above all others, the one place that talks to the window manager about it.
namespace FormTop {

// flag 1 keeps window above all others that do not stay on top, 0 returns it to ordinary
// stacking, neither moving nor resizing it. Nonzero on success; 0 for any other flag.
std::int32_t SetFormTop(QWidget& window, const std::int16_t& flag);

} // namespace FormTop
