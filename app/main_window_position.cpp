// SPDX-License-Identifier: MIT
// Where Form1 opens and what it saves when it closes.
#include "main_window.h"

#include "app/position/placement.h"
#include "app/position/position_store.h"
#include "app/position/twips.h"
#include "desktop/platform_choice.h"
#include "window/layout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include <cstdlib>

void Form1::placeAtStart()
{
    const QPoint at = position::startFramePosition(position::readSavedPosition(), designFrame(),
                                                   position::availableScreenAreas());
    // Placing the frame, not the client area, before the window is shown keeps a save/restore
    // cycle from drifting by the frame's size under X11.
    m_placedAt = at;
    m_shownAt.reset();
    move(at);
    adjustSize();
    winId();
    windowHandle()->setFramePosition(at);
}

QRect Form1::designFrame() const
{
    // The design's client corner, with the title and menu bars above it as far as the screen
    // allows.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int above = titleBar + menuBar()->sizeHint().height();
    const QPoint client(twips::toPixels(layout::kDesignClientLeft),
                        twips::toPixels(layout::kDesignClientTop));
    const QPoint corner = screen.topLeft() + QPoint(client.x(), std::max(0, client.y() - above));
    return QRect(corner, sizeHint() + QSize(0, titleBar));
}

namespace {

void writeFramePosition(const std::optional<QPoint>& at)
{
    // A platform that cannot tell where the window is reports some place of its own: never
    // store that over the user's.
    if (!at || !platformChoice::currentPlatformPlacesWindows())
        return;
    position::writeSavedPosition(position::twipsFromPixels(at->x()),
                                 position::twipsFromPixels(at->y()));
}

} // namespace

void Form1::closeEvent(QCloseEvent* event)
{
    // Whatever happens to the store, the window closes: a failed write says so on stderr.
    if (!m_ended)
        savePosition();
    m_ended = true;
    event->accept();
}

void Form1::savePosition()
{
    writeFramePosition(framePositionToSave());
}

void Form1::saveLastKnownPosition()
{
    writeFramePosition(m_lastFramePosition);
}

void Form1::endWithoutSaving()
{
    m_ended = true;
    QCoreApplication::exit(0);
}

std::optional<QPoint> Form1::framePositionToSave() const
{
    auto at =
        position::framePositionToSave(windowState(), pos(), normalGeometry(), m_restoredMargins);
    // Only the toolkit's rounding is undone: a window first seen more than a pixel from where
    // it was placed was moved by someone, and that place is kept.
    if (at && at == m_shownAt && std::abs(at->x() - m_placedAt.x()) <= 1 &&
        std::abs(at->y() - m_placedAt.y()) <= 1)
        at = m_placedAt;
    return at;
}

void Form1::moveEvent(QMoveEvent* event)
{
    rememberPlace();
    QMainWindow::moveEvent(event);
}

void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        rememberPlace();
    QMainWindow::changeEvent(event);
}

void Form1::rememberPlace()
{
    if (windowState() == Qt::WindowNoState && windowHandle() && isVisible()) {
        m_restoredMargins = windowHandle()->frameMargins();
        if (!m_shownAt && !m_restoredMargins.isNull())
            m_shownAt = pos();
    }
    if (isVisible())
        m_lastFramePosition = framePositionToSave();
}
