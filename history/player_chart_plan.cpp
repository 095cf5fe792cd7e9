#include "history/player_chart_plan.h"

#include "history/player_growth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 weekSecs = qint64{7} * 24 * 60 * 60;
constexpr qint64 shortestAheadSecs = 4 * weekSecs;
constexpr qint64 longestAheadSecs = 52 * weekSecs;
constexpr double topTalent = 9;
constexpr double centuryWeeks = 100 * 52.18;

std::optional<TalentPath> pathOf(const std::vector<SeriesPoint> &points, const QDateTime &axisEnd)
{
    if (points.size() < 2)
        return std::nullopt;
    const SeriesPoint &first = points.front();
    const SeriesPoint &last = points.back();
    const std::optional<double> perWeek =
        changePerWeek(first.talent, first.fetchedAt, last.talent, last.fetchedAt);
    if (!perWeek || *perWeek <= 0 || last.talent >= topTalent)
        return std::nullopt;
    TalentPath path{last.fetchedAt, last.talent, axisEnd, 0, *perWeek, std::nullopt, false};
    const double weeksToNine = (topTalent - last.talent) / *perWeek;
    const double weeksToEnd = static_cast<double>(last.fetchedAt.secsTo(axisEnd)) / weekSecs;
    if (weeksToNine <= centuryWeeks)
        path.nineAt = last.fetchedAt.addSecs(std::llround(weeksToNine * weekSecs));
    if (weeksToNine <= weeksToEnd) {
        path.to = *path.nineAt;
        path.toTalent = topTalent;
        path.reachesNine = true;
    } else {
        path.toTalent = last.talent + *perWeek * weeksToEnd;
    }
    return path;
}

} // namespace

ValueRange fittedRange(double lowest, double highest)
{
    const double span = highest - lowest;
    // A tenth of the span each side; a flat series gets a band around it of its own size.
    const double margin = span > 0 ? span / 10 : std::max(0.5, std::abs(lowest) / 20);
    return {lowest - margin, highest + margin};
}

PlayerChartPlan planPlayerChart(std::vector<SeriesPoint> points)
{
    PlayerChartPlan plan;
    plan.points = std::move(points);
    if (plan.points.empty())
        return plan;
    plan.firstDate = plan.points.front().fetchedAt;
    const QDateTime &last = plan.points.back().fetchedAt;
    const qint64 ahead = std::clamp(plan.firstDate.secsTo(last), shortestAheadSecs, longestAheadSecs);
    plan.lastDate = last.addSecs(ahead);
    plan.path = pathOf(plan.points, plan.lastDate);

    const auto [lowTalent, highTalent] =
        std::minmax_element(plan.points.begin(), plan.points.end(),
                            [](const SeriesPoint &a, const SeriesPoint &b) { return a.talent < b.talent; });
    const auto [lowMastery, highMastery] =
        std::minmax_element(plan.points.begin(), plan.points.end(),
                            [](const SeriesPoint &a, const SeriesPoint &b) { return a.mastery < b.mastery; });
    plan.talent = fittedRange(lowTalent->talent, plan.path ? std::max(highTalent->talent, plan.path->toTalent)
                                                           : highTalent->talent);
    plan.mastery = fittedRange(lowMastery->mastery, highMastery->mastery);
    return plan;
}
