#include "session_end.h"

#include "main_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <array>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

SessionEnd* g_active = nullptr;

#ifdef Q_OS_UNIX
// The two ends of a socket pair: the handler writes a byte into kWrite, the event loop reads it
// from kRead. Never closed: a signal during the process's last moments still has somewhere to go.
std::array<int, 2> g_wakeUp{-1, -1};
constexpr int kWrite = 0;
constexpr int kRead = 1;

// Only async-signal-safe work here: one write(), errno left as it was.
void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(g_wakeUp[kWrite], &byte, 1);
    errno = savedErrno;
}

bool installSignalHandlers()
{
    if (g_wakeUp[kRead] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_wakeUp.data()) != 0)
            return false;
        // A full socket must not block the handler; a program started from here inherits neither.
        for (const int fd : g_wakeUp) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    struct sigaction action = {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
    return true;
}
#endif

} // namespace

SessionEnd::SessionEnd(Form1& form)
    : SessionEnd(Steps{[&form] { return form.hasEnded(); }, [&form] { form.close(); },
                       [&form] { form.savePosition(); }, [&form] { form.saveLastKnownPosition(); }})
{}

SessionEnd::SessionEnd(Steps steps) : m_steps(std::move(steps))
{
    g_active = this;
#ifdef Q_OS_UNIX
    if (installSignalHandlers()) {
        m_notifier = new QSocketNotifier(g_wakeUp[kRead], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SessionEnd::signalArrived);
    }
#endif
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    connect(app, &QGuiApplication::commitDataRequest, this, &SessionEnd::commitData);
    // The session manager restarts nothing: the program starts afresh when the user opens it.
    connect(app, &QGuiApplication::saveStateRequest, this, [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    });
    // Qt's X11 platform ends the process with exit(1) when its display connection breaks, from
    // inside the event loop: no close step runs, but exit handlers do, while the window object
    // still exists.
    static const bool registered = std::atexit(&SessionEnd::displayLost) == 0;
    Q_UNUSED(registered);
}

SessionEnd::~SessionEnd()
{
    // From here main() returns: an exit handler has nothing left to save.
    g_active = nullptr;
}

void SessionEnd::signalArrived()
{
#ifdef Q_OS_UNIX
    char bytes[16];
    while (::read(g_wakeUp[kRead], bytes, sizeof bytes) > 0) {
    }
#endif
    // After a quit command the program is ending without saving; a signal changes nothing.
    if (!m_steps.hasEnded())
        m_steps.close(); // the close step, as the close box runs it
    // Also leaves a modal about box's own loop.
    QCoreApplication::exit(0);
}

void SessionEnd::commitData(QSessionManager& manager)
{
    if (!m_steps.hasEnded())
        m_steps.save();
    manager.setRestartHint(QSessionManager::RestartNever);
}

void SessionEnd::displayLost()
{
    if (g_active && !g_active->m_steps.hasEnded())
        g_active->m_steps.saveLastKnown();
}
