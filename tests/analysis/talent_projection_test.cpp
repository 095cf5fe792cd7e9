#include "analysis/talent_projection.h"
#include "text/app_error.h"
#include "text/numbers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

std::string joined(const ProjectionRow &row)
{
    return row.number + "|" + row.gain + "|" + row.score + "|" + row.roundedTalent;
}

LevelReader level(const std::string &text)
{
    return [text] { return text; };
}

ProjectionResult project(const std::string &mastery, const std::string &talent,
                         const std::string &school = "3", const std::string &coach = "3")
{
    return projectTalent(mastery, talent, level(school), level(coach));
}

struct TableCase {
    const char *name;
    const char *mastery;
    const char *talent;
    const char *school;
    const char *coach;
    size_t rowCount;
    std::vector<std::pair<size_t, std::string>> rows; // 1-based row number and its four cells

    friend void PrintTo(const TableCase &c, std::ostream *out) { *out << c.name; }
};

class ProjectionEdgeCase : public testing::TestWithParam<TableCase> {};

TEST_P(ProjectionEdgeCase, HasTheKnownRows)
{
    const TableCase &c = GetParam();
    const ProjectionResult result = project(c.mastery, c.talent, c.school, c.coach);
    EXPECT_FALSE(result.failure);
    EXPECT_FALSE(result.stoppedNoGrowth);
    ASSERT_EQ(result.rows.size(), c.rowCount);
    for (const auto &[number, cells] : c.rows)
        EXPECT_EQ(joined(result.rows[number - 1]), cells) << "row " << number;
    for (size_t i = 0; i < result.rows.size(); ++i)
        EXPECT_EQ(result.rows[i].number, std::to_string(i + 1));
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, ProjectionEdgeCase,
    testing::Values(TableCase{"DefaultLevels",
                              "40,00",
                              "5,000",
                              "3",
                              "3",
                              136,
                              {{1, "1|0,067|5,067|5,07"},
                               {2, "2|0,065|5,132|5,13"},
                               {3, "3|0,064|5,196|5,2"},
                               {4, "4|0,062|5,258|5,26"},
                               {7, "7|0,058|5,435|5,43"},
                               {136, "136|0,016|9,01|9,01"}}},
                    TableCase{"SchoolLevelOne",
                              "40,00",
                              "5,000",
                              "1",
                              "3",
                              228,
                              {{1, "1|0,04|5,04|5,04"}, {228, "228|0,01|9|9"}}},
                    TableCase{"TalentAlreadyNine",
                              "40,00",
                              "9,000",
                              "3",
                              "3",
                              2,
                              {{1, "1|0,016|9,016|9,02"}, {2, "2|0,016|9,032|9,03"}}},
                    TableCase{"TalentEight",
                              "40,00",
                              "8,000",
                              "3",
                              "3",
                              53,
                              {{1, "1|0,022|8,022|8,02"}, {53, "53|0,016|9,011|9,01"}}},
                    TableCase{"MasteryZero", "0,00", "5,000", "3", "3", 123, {{1, "1|0,074|5,074|5,07"}}}),
    [](const testing::TestParamInfo<TableCase> &tested) { return std::string(tested.param.name); });

TEST(ProjectionTable, EndsAtTheFirstRowFromTwoOnThatReachesNine)
{
    for (const char *talent : {"5,000", "8,000", "9,000"}) {
        const ProjectionResult result = project("40,00", talent);
        ASSERT_GE(result.rows.size(), 2u);
        for (size_t i = 1; i + 1 < result.rows.size(); ++i)
            EXPECT_LT(readDecimal(result.rows[i].score), 9.0L) << talent << " row " << i + 1;
        EXPECT_GE(readDecimal(result.rows.back().score), 9.0L) << talent;
    }
}

TEST(ProjectionRound, ExactDecimalHalvesGoTheWayTheDoubleSays)
{
    struct Case {
        long double value;
        int decimals;
        double expected;
    };
    for (const Case &c :
         {Case{5.435L, 2, 5.43}, Case{6.125L, 2, 6.12}, Case{7.325L, 2, 7.33}, Case{5.025L, 2, 5.03},
          Case{0.0673809275L, 3, 0.067}, Case{8.9999L, 2, 9.0}, Case{0.0004L, 3, 0.0}})
        EXPECT_EQ(projectionRound(c.value, c.decimals), c.expected) << static_cast<double>(c.value);
}

TEST(ProjectionPower, FollowsTheRulesForZeroWholeAndFractionalExponents)
{
    EXPECT_EQ(projectionPower(0.0L, 0.0L), 1.0L);
    EXPECT_EQ(projectionPower(-3.0L, 0.0L), 1.0L);
    EXPECT_EQ(projectionPower(0.0L, 0.6L), 0.0L);
    const long double t = 5.067L;
    EXPECT_EQ(projectionPower(t, 2.0L), t * t);
    EXPECT_EQ(projectionPower(-2.0L, 3.0L), -8.0L);
    EXPECT_EQ(projectionPower(2.0L, -2.0L), 0.25L);
    EXPECT_NEAR(static_cast<double>(projectionPower(9.0L, 0.6L)), 3.7371928188, 1e-10);
    EXPECT_NEAR(static_cast<double>(projectionPower(5.5L, 1.84L)), 23.0285900518, 1e-9);
}

// The table's own guard: a step that would not raise the talent is not added, and the caller is told.
TEST(ProjectionGuard, StopsBeforeAStepWithoutGrowth)
{
    struct Case {
        const char *mastery;
        const char *talent;
        size_t rowCount;
    };
    for (const Case &c : {Case{"40,00", "0,000", 0}, Case{"40,00", "-1,500", 0}, Case{"2200,00", "5,000", 0},
                          Case{"40,00", "100000", 0}, Case{"40,00", "0,001", 1}}) {
        const ProjectionResult result = project(c.mastery, c.talent);
        EXPECT_TRUE(result.stoppedNoGrowth) << c.mastery << " " << c.talent;
        EXPECT_FALSE(result.failure) << c.mastery << " " << c.talent;
        EXPECT_EQ(result.rows.size(), c.rowCount) << c.mastery << " " << c.talent;
        for (const ProjectionRow &row : result.rows)
            EXPECT_FALSE(row.gain.empty());
    }
}

TEST(ProjectionGuard, TalentOfZeroNeverReadsTheLevels)
{
    int reads = 0;
    const LevelReader counting = [&reads] {
        ++reads;
        return std::string("3");
    };
    const ProjectionResult result = projectTalent("40,00", "0", counting, counting);
    EXPECT_TRUE(result.stoppedNoGrowth);
    EXPECT_EQ(reads, 0);
}

TEST(ProjectionLevels, AreReadAgainForEveryStep)
{
    int schoolReads = 0;
    int coachReads = 0;
    const ProjectionResult result = projectTalent(
        "40,00", "8,000",
        [&schoolReads] {
            ++schoolReads;
            return std::string("3");
        },
        [&coachReads] {
            ++coachReads;
            return std::string("3");
        });
    EXPECT_EQ(result.rows.size(), 53u);
    EXPECT_EQ(schoolReads, 53);
    EXPECT_EQ(coachReads, 53);
}

TEST(ProjectionLevels, ALevelChangedMidwayAppliesFromThatStepOn)
{
    int step = 0;
    const LevelReader school = [&step] { return std::string(++step == 1 ? "3" : "1"); };
    const ProjectionResult result = projectTalent("40,00", "5,000", school, level("3"));
    ASSERT_GE(result.rows.size(), 2u);
    EXPECT_EQ(joined(result.rows[0]), "1|0,067|5,067|5,07");
    // From row 2 on the table goes on as one started at row 1's talent with the new level.
    const ProjectionResult fromRowTwo = project("40,00", "5,067", "1", "3");
    ASSERT_EQ(result.rows.size(), fromRowTwo.rows.size() + 1);
    for (size_t i = 0; i < fromRowTwo.rows.size(); ++i) {
        EXPECT_EQ(result.rows[i + 1].gain, fromRowTwo.rows[i].gain) << "row " << i + 2;
        EXPECT_EQ(result.rows[i + 1].score, fromRowTwo.rows[i].score) << "row " << i + 2;
    }
}

TEST(ProjectionFailure, EmptyLevelLeavesRowOneWithItsCaptionOnly)
{
    for (const auto &[school, coach] : {std::pair{"", "3"}, std::pair{"3", ""}}) {
        const ProjectionResult result = project("40,00", "5,000", school, coach);
        ASSERT_EQ(result.rows.size(), 1u);
        EXPECT_EQ(joined(result.rows[0]), "1|||");
        EXPECT_FALSE(result.stoppedNoGrowth);
        try {
            result.rethrowFailure();
            ADD_FAILURE() << "no failure kept";
        } catch (const ConvertError &e) {
            EXPECT_STREQ(e.what(), "'' is not a valid integer value");
        }
    }
}

TEST(ProjectionFailure, LevelEmptiedMidwayKeepsTheRowsBefore)
{
    int step = 0;
    const LevelReader coach = [&step] { return std::string(++step <= 3 ? "3" : ""); };
    const ProjectionResult result = projectTalent("40,00", "5,000", level("3"), coach);
    ASSERT_EQ(result.rows.size(), 4u);
    EXPECT_EQ(joined(result.rows[2]), "3|0,064|5,196|5,2");
    EXPECT_EQ(joined(result.rows[3]), "4|||");
    EXPECT_THROW(result.rethrowFailure(), ConvertError);
}

TEST(ProjectionFailure, BadCellsFailWithTheirMessage)
{
    struct Case {
        const char *mastery;
        const char *talent;
        const char *message;
    };
    for (const Case &c : {Case{"40,00", "5.000", "'5.000' is not a valid floating point value"},
                          Case{"40,00", "", "'' is not a valid floating point value"},
                          Case{"abc", "5,000", "'abc' is not a valid floating point value"}}) {
        const ProjectionResult result = project(c.mastery, c.talent);
        ASSERT_EQ(result.rows.size(), 1u) << c.message;
        EXPECT_EQ(joined(result.rows[0]), "1|||");
        try {
            result.rethrowFailure();
            ADD_FAILURE() << "no failure kept for " << c.message;
        } catch (const ConvertError &e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ProjectionFailure, NothingToRethrowAfterASuccess)
{
    EXPECT_NO_THROW(project("40,00", "9,000").rethrowFailure());
}

} // namespace
