#include "form_top.h"

#include <QWidget>
#include <QWindow>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace FormTop {

std::int32_t SetFormTop(QWidget& window, const std::int16_t& flag)
{
    if (flag != 0 && flag != 1)
        return 0;
#ifdef Q_OS_WIN
    const HWND insertAfter = flag == 1 ? HWND_TOPMOST : HWND_NOTOPMOST;
    return SetWindowPos(reinterpret_cast<HWND>(window.winId()), insertAfter, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
#else
    // Setting the flag on the existing native window changes its stacking state in place; going
    // through QWidget::setWindowFlag would create a new native window and flicker.
    window.winId();
    QWindow* handle = window.windowHandle();
    if (!handle)
        return 0;
    handle->setFlag(Qt::WindowStaysOnTopHint, flag == 1);
    return 1;
#endif
}

} // namespace FormTop
