// SPDX-License-Identifier: MIT
#include "form_top.h"

#include <QWidget>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace FormTop {

std::int32_t SetFormTop(QWidget& window, const std::int16_t& flag)
{
    if (flag != 0 && flag != 1)
        return 0;
    const bool onTop = flag == 1;
    // 0x43, as designed: neither moved nor resized, and shown.
    const BOOL done =
        SetWindowPos(reinterpret_cast<HWND>(window.winId()), onTop ? HWND_TOPMOST : HWND_NOTOPMOST,
                     0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    // Told of the choice, a native window Qt re-creates keeps it.
    if (done) {
        Qt::WindowFlags flags = window.windowFlags();
        window.overrideWindowFlags(flags.setFlag(Qt::WindowStaysOnTopHint, onTop));
    }
    return done;
}

} // namespace FormTop
