#include "history/history_records.h"

std::optional<FetchRecord> fetchRecordOf(const QDateTime &fetchedAt, int32_t teamId, PageKind kind,
                                         std::string page, const PageReading &reading)
{
    if (!reading.isRosterPage())
        return std::nullopt;
    return FetchRecord{fetchedAt,       teamId,           kind, std::move(page), reading.summary,
                       reading.talents, reading.abilities};
}

std::string storedTimeText(const QDateTime &time) { return time.toUTC().toString(Qt::ISODate).toStdString(); }

QDateTime storedTimeOf(const std::string &text)
{
    return QDateTime::fromString(QString::fromStdString(text), Qt::ISODate).toUTC();
}
