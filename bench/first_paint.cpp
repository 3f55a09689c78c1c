// SPDX-License-Identifier: MIT
// Linked into the start-up benchmark's programs, never into the product: once the first frame of
// the first window is out, prints "first-paint <steady clock in ns> <width> <height>" and ends.
#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

void report(const QWidget& window)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf(
        "first-paint %lld %d %d\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
        window.width(), window.height());
    std::fflush(stdout);
    // Left as the quit commands leave: no close step, no tear-down the benchmark does not time.
    std::_Exit(0);
}

// A window is painted before its children and the frame is flushed after all of them, in one turn
// of the event loop: a queued call runs once the whole first frame is out.
class FirstPaintWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this, [widget] { report(*widget); }, Qt::QueuedConnection);
        }
        return false;
    }
};

void watchFirstPaint()
{
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintWatch(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
