#pragma once

#include "history/history_store.h"

#include <cstdint>
#include <vector>

// A re-read of every stored page with today's reader, done a batch at a time so that a window can
// show how far it got and stop between batches. A batch is one transaction: what was re-read stays
// re-read when the rest is never done.
class HistoryReread {
public:
    // Takes the list of stored pages now; pages kept later are not in it.
    explicit HistoryReread(HistoryStore &store, PageReader read = readPage);

    // Pages a step re-reads by default, in one transaction: a few tens of milliseconds of work, so a
    // stop is heard soon, while the commits stay few.
    static constexpr int pagesPerStep = 500;

    // Re-reads up to `count` more pages; throws HistoryError when the file refuses the batch, which
    // then changes nothing and may be tried again.
    void step(int count = pagesPerStep);
    bool done() const { return m_next == m_ids.size(); }
    int total() const { return static_cast<int>(m_ids.size()); }
    int doneCount() const { return static_cast<int>(m_next); }
    // The pages re-read and those today's reader could not read, so far.
    const RereadReport &report() const { return m_report; }

private:
    HistoryStore &m_store;
    PageReader m_read;
    std::vector<int64_t> m_ids;
    size_t m_next = 0;
    RereadReport m_report;
};
