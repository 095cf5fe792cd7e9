#include "retrieval/page_extraction.h"
#include "retrieval/page_reader.h"
#include "support/roster_pages.h"
#include "text/app_error.h"

#include <gtest/gtest.h>

namespace {

std::string cp(const QString &text) { return toCp1251(text); }

TeamSummary summaryOf(const std::string &page)
{
    std::string_view w = page;
    return extractSummary(w);
}

} // namespace

TEST(ExtractSummary, WorkedExampleWithoutRankElement)
{
    const std::string page = "<a name=\"Team\" href=\"x\">Dynamo</a><input name=\"ShortName\" value=\"DYN\"/>"
                             "<a href=\"info.php?user=17\">Ivanov</a>";
    const TeamSummary s = summaryOf(page);
    EXPECT_EQ(s.name, "Dynamo");
    EXPECT_EQ(s.id, "DYN");
    EXPECT_EQ(s.manager, "Ivanov");
    EXPECT_EQ(s.rank, "");
    EXPECT_EQ(s.players, "0");
    EXPECT_EQ(s.power, "0");
}

TEST(ExtractSummary, ReadsTwelveValuesInPageOrder)
{
    FixtureTeam team;
    team.players = QStringLiteral("012");
    const TeamSummary s = summaryOf(summaryHtml(team));
    const TeamSummary expected{cp(team.name), cp(team.id),        cp(team.manager),  cp(team.rank),
                               cp(team.city), cp(team.stadium),   cp(team.division), cp(team.money),
                               "12",          cp(team.additions), cp(team.power),    cp(team.rating)};
    EXPECT_EQ(s, expected);
}

TEST(ExtractSummary, TeamWithoutManagerHasNoRank)
{
    // The site links an empty manager name for a team nobody manages.
    std::string page = summaryHtml(FixtureTeam{});
    const std::string manager = cp(QStringLiteral("Иванов"));
    page.erase(page.find(manager), manager.size());
    const TeamSummary s = summaryOf(page);
    EXPECT_EQ(s.manager, "");
    EXPECT_EQ(s.rank, "");
    EXPECT_EQ(s.city, cp(QStringLiteral("Москва")));
}

TEST(ExtractSummary, NonNumericPlayersZeroesStrengthAndSearchesRatingFromAdditions)
{
    for (const QString &players : {QStringLiteral("много"), QString()}) {
        FixtureTeam team;
        team.players = players;
        const TeamSummary s = summaryOf(summaryHtml(team));
        EXPECT_EQ(s.players, "0");
        EXPECT_EQ(s.power, "0");
        EXPECT_EQ(s.spectatorRating, cp(team.rating));
    }
}

TEST(ExtractSummary, MissingElementLeavesTheWorkingCopyWhereThePreviousPutIt)
{
    // No City element: its value is cut from where the rank left the copy, so it is the rank's value.
    std::string page = summaryHtml(FixtureTeam{});
    const size_t city = page.find("<input name=\"City\"");
    page.erase(city, page.find('\n', city) - city);
    const TeamSummary s = summaryOf(page);
    EXPECT_EQ(s.city, "12");
    EXPECT_EQ(s.stadium, cp(QStringLiteral("Арена")));
}

TEST(extractValue, MarkerOrderRules)
{
    std::string_view w = "A value=\"x\"/ tail";
    EXPECT_EQ(extractValue(w, "A", "value=\"", "\"/"), "x");
    std::string_view reversed = "A \"/ value=\"x";
    EXPECT_EQ(extractValue(reversed, "A", "value=\"", "\"/"), "");
    std::string_view noSecond = "A abcdefghij\"/";
    // Without marker 2 the cut starts at its length: the text before marker 3 less its first 6 characters.
    EXPECT_EQ(extractValue(noSecond, "A", "value=\"", "\"/"), "efghij");
    std::string_view stays = "xx A value=\"1\"/";
    EXPECT_EQ(extractValue(stays, "missing", "value=\"", "\"/"), "1");
    EXPECT_EQ(stays, "xx A value=\"1\"/");
}

TEST(FailurePages, FirstTextWins)
{
    const std::string notFound = cp(QStringLiteral("<p>Команда не найдена</p>"));
    const std::string maintenance = cp(QStringLiteral("На сайте проводится обновление данных"));
    EXPECT_EQ(detectFailurePage(notFound), FailurePage::TeamNotFound);
    EXPECT_EQ(detectFailurePage(maintenance), FailurePage::Maintenance);
    EXPECT_EQ(detectFailurePage(maintenance + notFound), FailurePage::TeamNotFound);
    EXPECT_EQ(detectFailurePage("plain"), FailurePage::None);
}

TEST(CutRows, TalentWorkedExample)
{
    const std::string page = "info.php?id=77&x=>Petrov<td title=\"Russia\"/>123456789012345678Gk</td>"
                             "<td align=center>17</td><td><b>5.25</td><td><b>1.335</td>info.php?id=78";
    std::string_view w = page;
    const auto row = cutNextRow(w, PageKind::Talent);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cells, (std::vector<std::string>{"Petrov", "Russia", "Gk", "17", "5.25", "1.335"}));
    EXPECT_EQ(w.substr(0, 10), "1.335</td>");
    const auto record = talentRecordOf(*row);
    EXPECT_EQ(record.age, 17);
    EXPECT_DOUBLE_EQ(record.mastery, 5.25);
    EXPECT_DOUBLE_EQ(record.talent, 1.335);
}

TEST(CutRows, GoalkeeperRuleOnTheAbilitiesPage)
{
    FixtureTeam team;
    team.squad = {fixturePlayer(QStringLiteral("Вратарь"), QStringLiteral("Gk"), QStringLiteral("16"),
                                QStringLiteral("3.50"), QStringLiteral("1.000")),
                  fixturePlayer(QStringLiteral("Upper"), QStringLiteral("GK"), QStringLiteral("17"),
                                QStringLiteral("4.50"), QStringLiteral("1.000")),
                  fixturePlayer(QStringLiteral("Blank"), QStringLiteral("Gk "), QStringLiteral("18"),
                                QStringLiteral("4,75"), QStringLiteral("1.000")),
                  fixturePlayer(QStringLiteral("Wing"), QStringLiteral("DMf"), QStringLiteral("19"),
                                QStringLiteral("6.00"), QStringLiteral("1.000"))};
    const auto rows = readPage(abilitiesPage(team), PageKind::Abilities).rows;
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(rows[0].cells.begin() + 4, rows[0].cells.end()),
              std::vector<std::string>(8, "0.00"));
    for (size_t i = 1; i < 4; ++i)
        EXPECT_EQ(rows[i].cells[4], "11.5") << i; // cut from the page, not a goalkeeper
    const auto wing = skillRecordOf(rows[3]);
    EXPECT_EQ(wing.position, "DM");
    EXPECT_DOUBLE_EQ(wing.abilities[7], 18.5);
    EXPECT_DOUBLE_EQ(skillRecordOf(rows[2]).mastery, 4.75); // a comma reads the same as a point
    EXPECT_EQ(rows[3].cells[1], "DMf");                     // the cell itself keeps all three letters
}

TEST(CutRows, PageWithoutRowsGivesNone)
{
    EXPECT_TRUE(readPage(summaryHtml(FixtureTeam{}), PageKind::Talent).rows.empty());
}

TEST(CutRows, ConversionFailureNamesTheCell)
{
    const auto player = [](const QString &age, const QString &mastery) {
        return fixturePlayer(QStringLiteral("B"), QStringLiteral("Df"), age, mastery,
                             QStringLiteral("2.000"));
    };
    const struct {
        FixturePlayer bad;
        const char *message;
    } cases[] = {{player(QStringLiteral("1x"), QStringLiteral("1.00")), "'1x' is not a valid integer value"},
                 {player(QStringLiteral("16"), QStringLiteral("1.0.0")),
                  "'1,0,0' is not a valid floating point value"}};
    for (const auto &c : cases) {
        FixtureTeam team;
        const FixturePlayer good = player(QStringLiteral("16"), QStringLiteral("1.00"));
        team.squad = {good, c.bad, good};
        // The page reader keeps the rows up to the bad one and no record at all.
        const PageReading reading = readPage(talentPage(team), PageKind::Talent);
        EXPECT_EQ(reading.rows.size(), 2u) << c.message;
        EXPECT_TRUE(reading.talents.empty());
        EXPECT_EQ(reading.failureMessage(), c.message);
        EXPECT_THROW(reading.rethrowFailure(), ConvertError);
    }
}

TEST(CutRows, AgeOutsideTheRecordsRangeIsABadCell)
{
    FixtureTeam team;
    team.squad = {fixturePlayer(QStringLiteral("A"), QStringLiteral("Df"), QStringLiteral("70000"),
                                QStringLiteral("1.00"), QStringLiteral("2.000"))};
    EXPECT_THROW(readPage(talentPage(team), PageKind::Talent).rethrowFailure(), ConvertError);
}

TEST(CutRows, NumberBeyondADoubleIsABadCell)
{
    FixtureTeam team;
    team.squad = {fixturePlayer(QStringLiteral("A"), QStringLiteral("Df"), QStringLiteral("16"),
                                QStringLiteral("1e400"), QStringLiteral("2.000"))};
    EXPECT_EQ(readPage(talentPage(team), PageKind::Talent).failureMessage(),
              "'1e400' is not a valid floating point value");
}
