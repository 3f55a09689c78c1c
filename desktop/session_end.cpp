// SPDX-License-Identifier: MIT
#include "desktop/session_end.h"

#include "desktop/termination_signals.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>

#include <cstdlib>

namespace {

// For the exit handler, which has no other way to the window.
SessionEnd* g_active = nullptr;

} // namespace

SessionEnd::SessionEnd(Steps steps) : m_steps(std::move(steps))
{
    g_active = this;
    connect(new TerminationSignals(this), &TerminationSignals::arrived, this,
            &SessionEnd::signalArrived);
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    connect(app, &QGuiApplication::commitDataRequest, this, &SessionEnd::commitData);
    // The session manager restarts nothing: the program starts afresh when the user opens it.
    connect(app, &QGuiApplication::saveStateRequest, this, [](QSessionManager& manager) {
        manager.setRestartHint(QSessionManager::RestartNever);
    });
    // Qt's X11 platform calls exit(1) from inside the event loop when its display connection
    // breaks: no close step runs, but exit handlers do, while the window still exists.
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
    // After a quit command the program is ending without saving; a signal changes nothing.
    if (!m_steps.hasEnded())
        m_steps.close(); // the close step, as the close box runs it
    // Also leaves a modal about box's own loop; the status is 0, as for the close box.
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
