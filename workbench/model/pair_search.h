// SPDX-License-Identifier: MIT
#pragma once

#include "model/pair_finder.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <memory>

// The finder's searches, on a thread of their own so that typing never waits for one: over every
// class a search takes longer than a frame. Each request replaces the one before: a search not yet
// begun when a newer one comes is skipped, and a result that is no longer the newest is dropped,
// so what the list shows always answers the fields as they stand.
class PairSearch : public QObject
{
    Q_OBJECT

public:
    explicit PairSearch(QObject* parent = nullptr);
    ~PairSearch() override;

    void start(const workbench::FinderQuery& query);
    // No search under way is to show: the fields no longer ask one.
    void cancel();

Q_SIGNALS:
    // Only the newest request's result, on the thread this object lives in.
    void found(const workbench::FoundPairs& pairs);

private:
    QThread m_thread;
    QObject* m_worker;                       // lives in m_thread
    std::atomic<std::uint64_t> m_newest = 0; // the generation of the newest request
    std::shared_ptr<workbench::PairRoom> m_room = workbench::PairRoom::make();
};
