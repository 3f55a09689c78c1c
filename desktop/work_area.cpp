// SPDX-License-Identifier: MIT
#include "desktop/work_area.h"

#include <QDataStream>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace workArea {

QRect frameWithin(QRect frame, const QRect& area)
{
    frame.setSize(frame.size().boundedTo(area.size()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

QMargins frameMargins(const QWidget& window)
{
    if (window.isVisible() && window.frameGeometry() != window.geometry()) {
        const QRect client = window.geometry();
        const QRect frame = window.frameGeometry();
        return {client.left() - frame.left(), client.top() - frame.top(),
                frame.right() - client.right(), frame.bottom() - client.bottom()};
    }
    // openbox draws 20 pixels of title and a 5-pixel grip, mutter 37 of title: two lines of
    // text cover most, and what a larger one leaves out keepFrameInside takes back.
    return {2, std::max(32, 2 * window.fontMetrics().height()), 2, 6};
}

QSize freshSizeHint(QWidget& window)
{
    for (QWidget* widget : window.findChildren<QWidget*>())
        widget->updateGeometry();
    for (QLayout* layout : window.findChildren<QLayout*>())
        layout->invalidate();
    return window.sizeHint();
}

QRect firstFrame(const QScreen& screen, QSize wanted, const QMargins& margins)
{
    const QRect area = screen.availableGeometry();
    QRect frame(QPoint(), wanted.grownBy(margins).boundedTo(area.size()));
    frame.moveCenter(area.center());
    return frameWithin(frame, area);
}

Kept keptFrame(const QByteArray& geometry)
{
    // QWidget::saveGeometry's bytes, as Qt has written them since 5.12 (version 3; version 2 has
    // no client geometry): a magic number, the version, the frame, the normal geometry, the
    // screen's number, maximized, full screen, the screen's width, the client geometry.
    QDataStream stream(geometry);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    qint32 screenNumber = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    qint32 screenWidth = 0;
    stream >> magic >> major >> minor >> frame >> normal >> screenNumber >> maximized >>
        fullScreen >> screenWidth;
    QRect client = normal;
    if (major >= 3)
        stream >> client;
    if (magic != 0x1D9D0CB || major < 2 || stream.status() != QDataStream::Ok ||
        !frame.contains(client) || !normal.isValid())
        return {};
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    // Maximized or full screen, the window comes back to where it was before, then grows.
    const bool grown = maximized || fullScreen;
    return {grown ? normal.marginsAdded(margins) : frame, margins, grown};
}

void placeFrame(QWidget& window, const QRect& frame, const QMargins& margins, bool place)
{
    window.resize(frame.size().shrunkBy(margins).expandedTo(window.minimumSizeHint()));
    if (!place)
        return;
    window.move(frame.topLeft());
    window.winId();
    window.windowHandle()->setFramePosition(frame.topLeft());
}

QRect areaOf(const QWidget& window)
{
    const QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center());
    if (!screen)
        screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

namespace {

// Waits for the window manager's frame, then takes the window back inside the work area once.
// A platform that tells no frame (native Wayland) has its window stand after a moment.
class FrameKeeper : public QObject
{
public:
    FrameKeeper(QWidget& window, bool place, std::function<void()> framed)
        : QObject(&window), m_window(window), m_place(place), m_framed(std::move(framed))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::Show)
            QTimer::singleShot(1000, this, [this] { stand(); });
        if ((type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
            m_window.isVisible() && m_window.frameGeometry() != m_window.geometry())
            QTimer::singleShot(0, this, [this] { stand(); });
        return false;
    }

private:
    void stand()
    {
        if (std::exchange(m_stood, true))
            return;
        m_window.removeEventFilter(this);
        deleteLater();
        if (!(m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            const QRect frame = m_window.frameGeometry();
            const QRect within = frameWithin(frame, areaOf(m_window));
            if (within != frame) {
                m_window.resize(within.size().shrunkBy(frameMargins(m_window)));
                if (m_place)
                    m_window.move(within.topLeft());
            }
        }
        if (m_framed)
            std::exchange(m_framed, {})();
    }

    QWidget& m_window;
    bool m_place;
    std::function<void()> m_framed;
    bool m_stood = false;
};

} // namespace

void keepFrameInside(QWidget& window, bool place, std::function<void()> framed)
{
    new FrameKeeper(window, place, std::move(framed));
}

} // namespace workArea
