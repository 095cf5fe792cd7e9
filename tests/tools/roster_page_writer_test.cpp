// The shared page writer, read back by the literal cut rules: what it writes is what the program reads,
// inside framing markup like the demo server's as on the tests' minimal page.
#include "support/cut_rule_reader.h"
#include "text/code_page.h"
#include "tools/roster_page_writer/roster_page_writer.h"

#include <gtest/gtest.h>

namespace {

std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

RosterSummary team(bool hasManager)
{
    return {.teamId = 5680,
            .team = cp("Металлург"),
            .shortName = cp("МЕТ"),
            .hasManager = hasManager,
            .managerId = 17,
            .manager = cp("Иван Орлов"),
            .rank = "350",
            .city = cp("Лесногорск"),
            .stadium = cp("Арена"),
            .divisionId = 1,
            .division = cp("Высшая лига"),
            .money = "$39 670 000",
            .players = "18",
            .additions = "0",
            .power = "751",
            .spectatorRating = "40"};
}

RosterPlayer player(const char *name, const char *position)
{
    return {.number = 123456,
            .name = cp(name),
            .country = cp("Россия"),
            .flag = 132,
            .position = position,
            .age = "17",
            .mastery = "25.50",
            .talent = "4.125",
            .abilities = {"11.50", "12.50", "13.50", "14.50", "15.50", "16.50", "17.50", "18.50"},
            .keeperSkills = {cp("Реакция 20.00"), cp("Выход 21.00")}};
}

} // namespace

// Captions in table cells around every element; a free team shows a text in the manager's place.
TEST(RosterPageWriter, SummaryReadsBackInsideAFrame)
{
    SummaryFrame frame;
    for (size_t i = 0; i < summaryFieldCount; ++i) {
        frame.before[i] = "<tr><td class=\"cap\">" + std::to_string(i) + ":</td><td>";
        frame.after[i] = "</td></tr>\n";
    }
    frame.vacancy = cp("<i>команда свободна</i>");
    for (const bool managed : {true, false}) {
        const RosterSummary t = team(managed);
        PageReader reader{summaryElements(t, frame)};
        const Summary s = reader.summary();
        EXPECT_EQ((std::vector<std::string>{s.team, s.id, s.manager, s.rang, s.city, s.stadium, s.division,
                                            s.money, s.players, s.cosp, s.power, s.visRat}),
                  (std::vector<std::string>{t.team, t.shortName, managed ? t.manager : "",
                                            managed ? t.rank : "", t.city, t.stadium, t.division, t.money,
                                            t.players, t.additions, t.power, t.spectatorRating}))
            << managed;
    }
}

// Every kind of row between others, so a row that leaves the cut in the wrong place spoils its neighbour;
// goalkeepers' own cells are skipped on the abilities page.
TEST(RosterPageWriter, RowsReadBackOnTheMinimalPage)
{
    const std::vector<RosterPlayer> squad = {player("Иван Белов", "Df"), player("Глеб Ежов", "Gk"),
                                             player("Марко Илич", "DMf"), player("Лев Орлов", "GK")};
    for (const PageKind kind : {PageKind::Talent, PageKind::Abilities}) {
        const bool talent = kind == PageKind::Talent;
        PageReader reader{minimalRosterPage(team(true), squad, kind)};
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
