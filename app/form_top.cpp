#include "form_top.h"

#include "platform/platform_choice.h"

#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace FormTop {

std::int32_t SetFormTop(QWidget& window, const std::int16_t& flag)
{
    if (flag != 0 && flag != 1)
        return 0;
    const bool onTop = flag == 1;
#ifdef Q_OS_WIN
    const HWND insertAfter = onTop ? HWND_TOPMOST : HWND_NOTOPMOST;
    // 0x43, as designed: neither moved nor resized, and shown.
    const BOOL done = SetWindowPos(reinterpret_cast<HWND>(window.winId()), insertAfter, 0, 0, 0, 0,
                                   SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    // Qt re-applies its own stacking whenever it re-creates the native window: told of the
    // choice, the widget's flags stay true and a re-created window keeps it.
    if (done) {
        Qt::WindowFlags flags = window.windowFlags();
        window.overrideWindowFlags(flags.setFlag(Qt::WindowStaysOnTopHint, onTop));
    }
    return done;
#else
    // The flag goes onto the existing native window, which changes its stacking state in place
    // (_NET_WM_STATE_ABOVE under X11). QWidget::setWindowFlag would re-create the native window:
    // a new id, unmapped and mapped again. The widget is only told, so that its flags stay true
    // and any later re-creation keeps the choice.
    if (!platformChoice::currentPlatformPlacesWindows())
        return 0; // the flag would be accepted and ignored
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
#endif
}

} // namespace FormTop
