#pragma once

#include "history/history_records.h"

#include <QDateTime>
#include <optional>
#include <vector>

// What a player's chart draws, worked out from his stored series: the points, the path his talent
// takes from the last point at the growth seen so far, and the ranges of the three axes.

// An axis range that fits the values with room to spare, so no line runs along an edge; a flat series
// sits in the middle.
struct ValueRange {
    double low = 0;
    double high = 1;
};
ValueRange fittedRange(double lowest, double highest);

// Talent from the last point onwards, a straight line at the growth per week between the series' first
// and last points, ending where it reaches 9 or at the end of the date axis, whichever comes first.
struct TalentPath {
    QDateTime from;
    double fromTalent = 0;
    QDateTime to;
    double toTalent = 0;
    double perWeek = 0;
    // When the talent reaches 9 at this growth, on the chart or past its end; nothing past a century.
    std::optional<QDateTime> nineAt;
    bool reachesNine = false; // on the chart: `to` is nineAt
};

struct PlayerChartPlan {
    std::vector<SeriesPoint> points; // oldest first
    std::optional<TalentPath> path;  // none without growth: one point, a day or less, or no gain
    QDateTime firstDate;             // the date axis
    QDateTime lastDate;
    ValueRange talent;
    ValueRange mastery;
};

// The date axis runs past the last point as long again as the series covers (at least four weeks, at
// most a year), so the path has room and the past and the future share the chart.
PlayerChartPlan planPlayerChart(std::vector<SeriesPoint> points);
