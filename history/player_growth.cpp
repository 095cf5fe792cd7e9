#include "history/player_growth.h"

std::optional<double> changePerWeek(double before, const QDateTime &beforeAt, double after,
                                    const QDateTime &afterAt)
{
    if (!beforeAt.isValid() || !afterAt.isValid())
        return std::nullopt;
    const qint64 span = beforeAt.secsTo(afterAt);
    if (span < shortestGrowthSpanSecs)
        return std::nullopt;
    constexpr double week = 7.0 * 24 * 60 * 60;
    return (after - before) * week / static_cast<double>(span);
}
