// The shared page writer, read back by the literal cut rules: what it writes is what the program reads,
// inside the demo's framing markup as on the tests' minimal page.
#include "support/cut_rule_reader.h"
#include "text/code_page.h"
#include "tools/roster_page_writer/roster_page_writer.h"

#include <gtest/gtest.h>

namespace {

std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

RosterSummary managedTeam()
{
    RosterSummary s;
    s.teamId = 5680;
    s.team = cp("Металлург");
    s.shortName = cp("МЕТ");
    s.managerId = 17;
    s.manager = cp("Иван Орлов");
    s.rank = "350";
    s.city = cp("Лесногорск");
    s.stadium = cp("Металлург (24 800)");
    s.divisionId = 1;
    s.division = cp("Высшая лига");
    s.money = "$39 670 000";
    s.players = "18";
    s.additions = "0";
    s.power = "751";
    s.spectatorRating = "40";
    return s;
}

// Captions in table cells around every element, the way the demo server frames them.
SummaryFrame captionFrame()
{
    SummaryFrame frame;
    for (size_t i = 0; i < summaryFieldCount; ++i) {
        frame.before[i] = "<tr><td class=\"cap\">" + std::to_string(i) + ":</td><td>";
        frame.after[i] = "</td></tr>\n";
    }
    frame.vacancy = cp("<i>команда свободна</i>");
    return frame;
}

RosterPlayer player(const char *name, const char *position)
{
    RosterPlayer p;
    p.number = 123456;
    p.name = cp(name);
    p.country = cp("Россия");
    p.flag = 132;
    p.position = position;
    p.age = "17";
    p.mastery = "25.50";
    p.talent = "4.125";
    p.abilities = {"11.50", "12.50", "13.50", "14.50", "15.50", "16.50", "17.50", "18.50"};
    p.keeperSkills = {cp("Реакция 20.00"), cp("Выход 21.00"), cp("Прыжок 22.00"), cp("Ввод мяча 23.00")};
    return p;
}

} // namespace

TEST(RosterPageWriter, SummaryReadsBackInEveryFrame)
{
    const RosterSummary team = managedTeam();
    for (const SummaryFrame &frame : {SummaryFrame::lines(), captionFrame()}) {
        PageReader reader{summaryElements(team, frame)};
        const Summary s = reader.summary();
        EXPECT_EQ(s.team, team.team);
        EXPECT_EQ(s.id, team.shortName);
        EXPECT_EQ(s.manager, team.manager);
        EXPECT_EQ(s.rang, "350");
        EXPECT_EQ(s.city, team.city);
        EXPECT_EQ(s.stadium, team.stadium);
        EXPECT_EQ(s.division, team.division);
        EXPECT_EQ(s.money, team.money);
        EXPECT_EQ(s.players, "18");
        EXPECT_EQ(s.cosp, "0");
        EXPECT_EQ(s.power, "751");
        EXPECT_EQ(s.visRat, "40");
    }
}

TEST(RosterPageWriter, FreeTeamReadsAnEmptyManagerAndHasNoRank)
{
    RosterSummary team = managedTeam();
    team.hasManager = false;
    for (const SummaryFrame &frame : {SummaryFrame::lines(), captionFrame()}) {
        const std::string page = summaryElements(team, frame);
        EXPECT_EQ(page.find("info.php?user="), std::string::npos);
        EXPECT_EQ(page.find("name=\"Rang\""), std::string::npos);
        PageReader reader{page};
        const Summary s = reader.summary();
        EXPECT_EQ(s.manager, "");
        EXPECT_EQ(s.city, team.city);
        EXPECT_EQ(s.visRat, "40");
    }
}

// Every kind of row between two others, so a row that leaves the cut in the wrong place spoils its
// neighbour; goalkeepers' own cells are skipped on the abilities page.
TEST(RosterPageWriter, RowsReadBackOnTheMinimalPage)
{
    const std::vector<RosterPlayer> squad = {player("Иван Белов", "Df"), player("Глеб Ежов", "Gk"),
                                             player("Марко Илич", "DMf"), player("Лев Орлов", "GK")};
    for (const PageKind kind : {PageKind::Talent, PageKind::Abilities}) {
        const bool talent = kind == PageKind::Talent;
        PageReader reader{minimalRosterPage(managedTeam(), squad, kind)};
        reader.summary();
        const auto rows = reader.rows(talent);
        ASSERT_EQ(rows.size(), squad.size());
        for (size_t r = 0; r < rows.size(); ++r) {
            const RosterPlayer &p = squad[r];
            std::vector<std::string> expected = {p.name};
            if (talent)
                expected.push_back(p.country);
            expected.insert(expected.end(), {p.position, p.age, p.mastery});
            if (talent)
                expected.push_back(p.talent);
            else if (p.position == "Gk")
                expected.insert(expected.end(), 8, "0.00");
            else
                expected.insert(expected.end(), p.abilities.begin(), p.abilities.end());
            EXPECT_EQ(rows[r], expected) << r;
        }
    }
}
