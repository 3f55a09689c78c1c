// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

class QWidget;

// Keeping a window above all others, the one place that talks to the window manager about it.
namespace FormTop {

// flag 1 keeps window above every window that does not itself stay on top, also when another
// application is activated; flag 0 returns it to ordinary stacking. Either way it keeps its
// position and size and stays shown. Returns nonzero on success, 0 for any other flag.
std::int32_t SetFormTop(QWidget& window, const std::int16_t& flag);

} // namespace FormTop
