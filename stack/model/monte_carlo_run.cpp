// SPDX-License-Identifier: MIT
#include "model/monte_carlo_run.h"

#include <QMetaObject>

using namespace tolerance::stack;

MonteCarloRun::MonteCarloRun(QObject* parent) : QObject(parent), m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("monteCarlo"));
    m_worker->moveToThread(&m_thread);
}

MonteCarloRun::~MonteCarloRun()
{
    cancel();
    m_thread.quit();
    m_thread.wait();
    delete m_worker; // its thread has ended, or never began
}

void MonteCarloRun::start(const Chain& chain, const MonteCarloRequest& request)
{
    // Begun with the first run, so that a window with no chain yet starts no thread.
    if (!m_thread.isRunning())
        m_thread.start(QThread::LowPriority);
    const std::uint64_t generation = ++m_newest;
    m_running = true;
    QMetaObject::invokeMethod(
        m_worker,
        [this, generation, chain, request] {
            if (m_newest != generation)
                return; // a newer request is queued behind this one
            std::optional<MonteCarlo> run = runMonteCarlo(
                chain, request, [this, generation] { return m_newest != generation; });
            if (!run)
                return;
            // This object outlives the thread (its end waits for it), and a call posted to it goes
            // with it. Back on its thread the newest may have moved on again: checked there.
            QMetaObject::invokeMethod(
                this,
                [this, generation, run = *run] {
                    if (m_newest != generation)
                        return;
                    m_running = false;
                    Q_EMIT finished(run);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void MonteCarloRun::cancel()
{
    ++m_newest;
    m_running = false;
}
