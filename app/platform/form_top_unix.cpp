// SPDX-License-Identifier: MIT
#include "form_top.h"

#include "desktop/platform_choice.h"

#include <QWidget>
#include <QWindow>

namespace FormTop {

std::int32_t SetFormTop(QWidget& window, const std::int16_t& flag)
{
    if (flag != 0 && flag != 1)
        return 0;
    const bool onTop = flag == 1;
    if (!platformChoice::currentPlatformPlacesWindows())
        return 0; // the flag would be accepted and ignored
    // On the existing native window (_NET_WM_STATE_ABOVE under X11): QWidget::setWindowFlag would
    // re-create it, unmapped and mapped again. The widget is told, so a re-creation keeps it.
    window.winId();
    QWindow* handle = window.windowHandle();
    if (!handle)
        return 0;
    handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
    Qt::WindowFlags flags = window.windowFlags();
    window.overrideWindowFlags(flags.setFlag(Qt::WindowStaysOnTopHint, onTop));
    if (!window.isVisible())
        window.show(); // as SetWindowPos's SWP_SHOWWINDOW does
    return 1;
}

} // namespace FormTop
