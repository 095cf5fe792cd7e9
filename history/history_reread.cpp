#include "history/history_reread.h"

#include <algorithm>
#include <span>

HistoryReread::HistoryReread(HistoryStore &store, PageReader read)
    : m_store(store), m_read(std::move(read)), m_ids(store.fetchIds())
{
}

void HistoryReread::step(int count)
{
    const size_t end = std::min(m_ids.size(), m_next + static_cast<size_t>(std::max(count, 0)));
    const RereadReport batch =
        m_store.rereadBatch(std::span<const int64_t>(m_ids).subspan(m_next, end - m_next), m_read);
    m_report.read += batch.read;
    m_report.failed += batch.failed;
    m_next = end;
}
