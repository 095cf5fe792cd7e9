#include "history/fetch_texts.h"

#include <QCoreApplication>
#include <cmath>
#include <map>

namespace {

QString minuteText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

} // namespace

std::vector<QString> fetchTimeTexts(const std::vector<QDateTime> &times)
{
    std::map<QString, int> perMinute;
    std::vector<QString> texts;
    texts.reserve(times.size());
    for (const QDateTime &time : times)
        ++perMinute[texts.emplace_back(minuteText(time))];
    for (size_t i = 0; i < times.size(); ++i)
        if (perMinute[texts[i]] > 1)
            texts[i] += times[i].toLocalTime().toString(QStringLiteral(":ss"));
    return texts;
}

std::vector<QString> fetchTimeTexts(const std::vector<StoredPage> &pages)
{
    std::vector<QDateTime> times;
    times.reserve(pages.size());
    for (const StoredPage &page : pages)
        times.push_back(page.fetchedAt);
    return fetchTimeTexts(times);
}

QString comparedSpanText(const QString &olderText, const QDateTime &older, const QString &newerText,
                         const QDateTime &newer)
{
    constexpr double daySecs = 24 * 60 * 60;
    // Stored order is not always time order (a clock that ran ahead): the span is the gap either way.
    const double days = std::abs(static_cast<double>(older.secsTo(newer))) / daySecs;
    QString span;
    if (days < 1)
        span = QCoreApplication::translate("FetchTexts", "менее суток");
    else if (std::lround(days / 7) >= 1)
        span = QCoreApplication::translate("FetchTexts", "%1 нед.").arg(std::lround(days / 7));
    else
        span = QCoreApplication::translate("FetchTexts", "%1 дн.").arg(std::lround(days));
    return QStringLiteral("%1 → %2, %3").arg(olderText, newerText, span);
}

QString changeCountsText(const ChangeCounts &counts)
{
    return QStringLiteral("+%1 –%2 ~%3").arg(counts.arrived).arg(counts.left).arg(counts.changed);
}
