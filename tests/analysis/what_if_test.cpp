#include "analysis/training_step.h"
#include "analysis/what_if.h"
#include "text/numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ProjectionResult project(const char *mastery, const char *talent, const std::string &school,
                         const std::string &coach)
{
    return projectTalent(
        mastery, talent, [&] { return school; }, [&] { return coach; });
}

} // namespace

// Each cell is the length of the table those levels give when it gets to 9, else nothing; a talent already
// at 9 needs no step, whatever the table's two rows say.
TEST(WhatIfSteps, MatchTheTableOfEveryLevelPair)
{
    struct Case {
        const char *mastery;
        const char *talent;
        int counted;
    };
    // 2000 of mastery stops the low levels short of 9, not the high ones; the last three never grow.
    for (const Case &c : {Case{"40,00", "5,000", 9}, Case{"40,00", "9,000", 9}, Case{"2000,00", "8,000", 4},
                          Case{"40,00", "0", 0}, Case{"abc", "5,000", 0}, Case{"40,00", "", 0}}) {
        const WhatIfSteps steps = whatIfSteps(c.mastery, c.talent);
        int counted = 0;
        for (int school = 1; school <= 3; ++school)
            for (int coach = 1; coach <= 3; ++coach) {
                const ProjectionResult table =
                    project(c.mastery, c.talent, std::to_string(school), std::to_string(coach));
                const std::optional<int> cell = steps[school - 1][coach - 1];
                counted += cell.has_value();
                const bool atNine = std::string(c.talent) == "9,000";
                EXPECT_EQ(cell, atNine ? std::optional<int>(0)
                                : table.stoppedNoGrowth || table.failure
                                    ? std::nullopt
                                    : std::optional<int>(static_cast<int>(table.rows.size())))
                    << c.mastery << " " << c.talent << " " << school << coach;
            }
        EXPECT_EQ(counted, c.counted) << c.mastery << " " << c.talent;
    }
    const WhatIfSteps known = whatIfSteps("40,00", "5,000");
    EXPECT_EQ(known[2][2], 136);
    EXPECT_EQ(known[0][2], 228);
    // The first step reaches 9: one step, where the table shows two rows.
    EXPECT_EQ(whatIfSteps("0,00", "8,990")[2][2], 1);
    EXPECT_EQ(project("0,00", "8,990", "3", "3").rows.size(), 2u);
}

// Counting in thousandths must give the table's every «Балл», not only its length: the weeks to 9, the
// level inference and the backtest all step this way.
TEST(TrainingStep, EveryStepEqualsTheTablesScore)
{
    uint32_t seed = 12345;
    const auto next = [&seed](uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    for (int run = 0; run < 150; ++run) {
        const int64_t talent = 300 + next(8700);
        const int64_t masteryHundredths = next(300000);
        const int school = 1 + static_cast<int>(next(3));
        const int coach = 1 + static_cast<int>(next(3));
        const std::string talentCell = formatFixed(static_cast<double>(talent) / 1000.0, 3);
        const std::string masteryCell = formatFixed(static_cast<double>(masteryHundredths) / 100.0, 2);
        const ProjectionResult table =
            project(masteryCell.c_str(), talentCell.c_str(), std::to_string(school), std::to_string(coach));
        const long double mastery = masteryOfCell(static_cast<double>(masteryHundredths) / 100.0);
        int64_t counted = talent;
        for (const ProjectionRow &row : table.rows) {
            counted = talentAfterSteps(counted, mastery, school * coach, 1);
            ASSERT_EQ(readDecimal(row.score), static_cast<long double>(counted) / 1000.0L)
                << talentCell << " " << masteryCell << " " << school << coach;
        }
        // Where the table stopped for want of growth, so does the count.
        EXPECT_EQ(table.stoppedNoGrowth,
                  !stepGainThousandths(counted, mastery, school * coach) && counted < talentNineThousandths);
    }
}
