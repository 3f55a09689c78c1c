// SPDX-License-Identifier: MIT
#include "desktop/termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler writes a byte into kWrite, the event loop reads it from kRead. Never closed: a
// signal during the process's last moments still has somewhere to go.
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

bool installHandlers()
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

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (!installHandlers())
        return;
    auto* notifier = new QSocketNotifier(g_wakeUp[kRead], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_wakeUp[kRead], bytes, sizeof bytes) > 0) {
        }
        Q_EMIT arrived();
    });
}

void ignoreBrokenPipe()
{
    ::signal(SIGPIPE, SIG_IGN);
}
