// SPDX-License-Identifier: MIT
#pragma once

#include "tolerance/stack/monte_carlo.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <cstdint>

// The Monte Carlo check on a thread of its own (which shares its draws out to the machine's
// cores), so that typing never waits for it: a million assemblies of twenty members take a
// tenth of a second or more, of a thousand members seconds. Each request replaces the one
// before: a run under way stops at its next block of draws, a run not yet begun is skipped, and
// a result that is no longer the newest is dropped.
class MonteCarloRun : public QObject
{
    Q_OBJECT

public:
    explicit MonteCarloRun(QObject* parent = nullptr);
    ~MonteCarloRun() override;

    void start(const tolerance::stack::Chain& chain,
               const tolerance::stack::MonteCarloRequest& request = {});
    // No run under way is to be shown: the chain no longer reads.
    void cancel();
    bool running() const { return m_running; }

Q_SIGNALS:
    // Only the newest request's result, on the thread this object lives in.
    void finished(const tolerance::stack::MonteCarlo& run);

private:
    QThread m_thread;
    QObject* m_worker; // lives in m_thread
    std::atomic<std::uint64_t> m_newest = 0;
    bool m_running = false;
};
