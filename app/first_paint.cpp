#include "first_paint.h"

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// Watches the window for its first paint event. The window is painted before its children and
// the frame is flushed to the screen after all of them, in the same turn of the event loop; a
// queued call therefore runs once the whole first frame is out.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(QWidget& window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, &FirstPaintWatch::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-paint %lld %d %d\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    m_window.width(), m_window.height());
        std::fflush(stdout);
        // The measurement ends here; leave without the close step, as the quit commands do,
        // and without tearing down what the benchmark does not time.
        std::_Exit(0);
    }

    QWidget& m_window;
};

} // namespace

void exitAtFirstPaintIfAsked(QWidget& window)
{
    if (qEnvironmentVariableIsEmpty("TESSALY_EXIT_AT_FIRST_PAINT"))
        return;
    window.installEventFilter(new FirstPaintWatch(window));
}
