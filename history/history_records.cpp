#include "history/history_records.h"

std::optional<FetchRecord> fetchRecordOf(const QDateTime &fetchedAt, int32_t teamId, PageKind kind,
                                         std::string page, const PageReading &reading)
{
    if (!reading.isRosterPage())
        return std::nullopt;
    FetchRecord record{fetchedAt, teamId, kind, std::move(page), reading.summary, {}, {}};
    for (const auto &player : reading.talents)
        record.talents.push_back(*player);
    for (const auto &player : reading.skills)
        record.skills.push_back(*player);
    return record;
}
