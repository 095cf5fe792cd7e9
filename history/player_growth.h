#pragma once

#include <QDateTime>
#include <optional>

// How fast a youth player grows: the change of a value between two fetches, as change per week.

// Fetches closer than this tell nothing about growth (a page fetched twice in a day).
inline constexpr qint64 shortestGrowthSpanSecs = qint64{24} * 60 * 60;

// (after - before) per 7 days between the two fetch times; nothing when `afterAt` is not at least
// shortestGrowthSpanSecs after `beforeAt` (a clock that ran ahead included).
std::optional<double> changePerWeek(double before, const QDateTime &beforeAt, double after,
                                    const QDateTime &afterAt);
