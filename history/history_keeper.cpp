#include "history/history_keeper.h"

#include "text/code_page.h"

#include <QDateTime>

QString HistoryKeeper::open(const QString &path, int keepMonths)
{
    m_opened = true;
    const HistoryOutcome opened = m_store.open(path);
    if (!opened.ok)
        return onceARun(opened);
    if (keepMonths > 0) {
        try {
            m_store.prune(QDateTime::currentDateTimeUtc().addMonths(-keepMonths));
        } catch (const HistoryError &e) {
            return fromCp1251(e.what());
        }
    }
    return opened.message; // a broken file set aside, when there was one
}

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
