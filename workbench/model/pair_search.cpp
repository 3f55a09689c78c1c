// SPDX-License-Identifier: MIT
#include "model/pair_search.h"

#include <QMetaObject>

PairSearch::PairSearch(QObject* parent) : QObject(parent), m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("finder"));
    m_worker->moveToThread(&m_thread);
}

PairSearch::~PairSearch()
{
    cancel();
    m_thread.quit();
    m_thread.wait();
    delete m_worker; // its thread has ended, or never began
}

void PairSearch::start(const workbench::FinderQuery& query)
{
    // Begun with the first search, so that a window with no size yet starts no thread.
    if (!m_thread.isRunning())
        m_thread.start(QThread::LowPriority);
    const std::uint64_t generation = ++m_newest;
    QMetaObject::invokeMethod(
        m_worker,
        [this, generation, query] {
            if (m_newest != generation)
                return; // a newer request is queued behind this one
            workbench::FoundPairs pairs = workbench::findPairs(query, *m_room);
            if (m_newest != generation)
                return;
            // This object outlives the thread (its end waits for it), and a call posted to it goes
            // with it. Back on its thread the newest may have moved on again: checked there.
            QMetaObject::invokeMethod(
                this,
                [this, generation, pairs = std::move(pairs)] {
                    if (m_newest == generation)
                        Q_EMIT found(pairs);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void PairSearch::cancel()
{
    ++m_newest;
}
