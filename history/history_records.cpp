#include "history/history_records.h"

#include <algorithm>
#include <string_view>

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
    // As the store writes it, read digit by digit: lists of thousands of fetches read one a row. Any
    // other spelling (a time edited in the shell) is read as Qt reads ISO 8601.
    constexpr std::string_view shape = "0000-00-00T00:00:00Z";
    const bool ours = text.size() == shape.size() &&
                      std::equal(shape.begin(), shape.end(), text.begin(), [](char expected, char c) {
                          return expected == '0' ? c >= '0' && c <= '9' : c == expected;
                      });
    if (ours) {
        const auto number = [&text](size_t at, size_t digits) {
            int value = 0;
            for (size_t i = at; i < at + digits; ++i)
                value = value * 10 + (text[i] - '0');
            return value;
        };
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(QString::fromStdString(text), Qt::ISODate).toUTC();
}
