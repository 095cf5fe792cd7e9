#include "history/history_keeper.h"

#include <QDateTime>

QString HistoryKeeper::open(const QString &path)
{
    m_opened = true;
    const HistoryOutcome opened = m_store.open(path);
    return opened.ok ? opened.message : onceARun(opened); // a broken file set aside, when there was one
}

QDateTime HistoryKeeper::keepSince(int keepMonths, const QDateTime &now)
{
    // Before every fetch ever made: nothing is older.
    return keepMonths > 0 ? now.addMonths(-keepMonths) : QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
}

PruneCount HistoryKeeper::prunable(int keepMonths) const { return m_store.pruneCount(keepSince(keepMonths)); }

int HistoryKeeper::prune(int keepMonths) { return keepMonths > 0 ? m_store.prune(keepSince(keepMonths)) : 0; }

QString HistoryKeeper::keep(int32_t teamId, PageKind kind, const std::string &page,
                            const PageReading &reading)
{
    if (!m_opened)
        return {};
    const std::optional<FetchRecord> record =
        fetchRecordOf(QDateTime::currentDateTimeUtc(), teamId, kind, page, reading);
    if (!record)
        return {};
    const HistoryOutcome kept = m_store.keep(*record);
    return kept.ok ? kept.message : onceARun(kept);
}

QString HistoryKeeper::onceARun(const HistoryOutcome &outcome)
{
    if (m_told)
        return {};
    m_told = true;
    return outcome.message;
}
