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
