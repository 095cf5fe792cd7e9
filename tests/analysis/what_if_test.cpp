#include "analysis/what_if.h"

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
