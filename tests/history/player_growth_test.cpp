#include "history/player_chart_plan.h"
#include "history/player_growth.h"

#include <gtest/gtest.h>

TEST(PlayerGrowth, PerWeekAcrossAnIrregularGapAndNothingWithinADay)
{
    const QDateTime monday = QDateTime::fromString(QStringLiteral("2026-12-07T10:00:00Z"), Qt::ISODate);
    // 10 days: 1.0 gained is 0.7 a week.
    EXPECT_DOUBLE_EQ(changePerWeek(3.0, monday, 4.0, monday.addDays(10)).value(), 0.7);
    EXPECT_DOUBLE_EQ(changePerWeek(4.0, monday, 3.5, monday.addDays(7)).value(), -0.5);
    EXPECT_FALSE(changePerWeek(3.0, monday, 4.0, monday.addSecs(23 * 3600)));
    EXPECT_FALSE(changePerWeek(3.0, monday.addDays(7), 4.0, monday)) << "a clock that ran ahead";
}

TEST(PlayerChartPlan, TalentPathRunsToNineOrTheAxisEndAndAxesFitTheSeries)
{
    const QDateTime monday = QDateTime::fromString(QStringLiteral("2026-12-07T10:00:00Z"), Qt::ISODate);
    // 1.0 a week: 9 comes two weeks after the last point, inside the four weeks the axis runs on.
    PlayerChartPlan plan = planPlayerChart({{1, monday, 5.0, 31.18}, {2, monday.addDays(14), 7.0, 31.18}});
    ASSERT_TRUE(plan.path);
    EXPECT_TRUE(plan.path->reachesNine);
    EXPECT_EQ(plan.path->to, monday.addDays(28));
    EXPECT_EQ(plan.path->nineAt, monday.addDays(28));
    EXPECT_EQ(plan.lastDate, monday.addDays(42));
    EXPECT_LT(plan.talent.low, 5.0);
    EXPECT_GT(plan.talent.high, 9.0);
    EXPECT_DOUBLE_EQ((plan.mastery.low + plan.mastery.high) / 2, 31.18) << "a flat series in the middle";
    EXPECT_GT(plan.mastery.high - plan.mastery.low, 1.0);

    plan = planPlayerChart({{1, monday, 5.0, 30}, {2, monday.addDays(14), 5.2, 32}});
    ASSERT_TRUE(plan.path);
    EXPECT_FALSE(plan.path->reachesNine);
    EXPECT_EQ(plan.path->to, plan.lastDate);
    EXPECT_NEAR(plan.path->toTalent, 5.6, 1e-9);
    EXPECT_EQ(plan.path->nineAt, monday.addDays(14 + 38 * 7)) << "past the axis, still told";

    EXPECT_FALSE(planPlayerChart({{1, monday, 5, 30}, {2, monday.addDays(7), 5, 30}}).path) << "no growth";
    EXPECT_FALSE(planPlayerChart({{1, monday, 5, 30}, {2, monday.addSecs(3600), 6, 30}}).path)
        << "within a day";
}
