#include "catalogue/catalogue.h"
#include "support/catalogue_files.h"
#include "text/app_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Division 1 is followed directly by division 2; division 3 has its teams out of name order in the last
// rows; division 4 has one team between others; division 5 has its rows split in two runs.
const char *const kTeams = R"sql(
    CREATE TABLE teams(name TEXT, divId INTEGER, id INTEGER);
    INSERT INTO teams VALUES
        ('Спартак', 1, 101), ('Алания', 1, 102),
        ('Gamma', 2, 201), ('Delta', 2, 202),
        ('Solo', 4, 401),
        ('Five-a', 5, 501), ('Other', 2, 203), ('Five-b', 5, 502),
        ('Zeta', 3, 303), ('Eta', 3, 301), ('Theta', 3, 302);
)sql";

} // namespace

TEST(ReadTeamsOfDivision, ListsTheConsecutiveRowsOfTheDivisionInTableOrder)
{
    CatalogueFolder folder;
    CatalogueTable teams;
    teams.loadFromFile(folder.database(u"teams.cds"_s, kTeams));
    struct Case {
        int32_t division;
        std::vector<CatalogueEntry> expected;
    };
    const Case cases[] = {
        {1, {{"\xD1\xEF\xE0\xF0\xF2\xE0\xEA", 101}, {"\xC0\xEB\xE0\xED\xE8\xFF", 102}}},
        {2, {{"Gamma", 201}, {"Delta", 202}}}, // stops at the next division, misses the stray row
        {3, {{"Zeta", 303}, {"Eta", 301}, {"Theta", 302}}}, // the last row once
        {4, {{"Solo", 401}}},
        {5, {{"Five-a", 501}}},
        {9, {}},
        {3, {{"Zeta", 303}, {"Eta", 301}, {"Theta", 302}}}, // again, after the cursor has moved on
        {1, {{"\xD1\xEF\xE0\xF0\xF2\xE0\xEA", 101}, {"\xC0\xEB\xE0\xED\xE8\xFF", 102}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readTeamsOfDivision(teams, c.division), c.expected) << "division " << c.division;
}

TEST(ReadTeamsOfDivision, OneRowTableAndLastDivisionOfOneTeam)
{
    CatalogueFolder folder;
    CatalogueTable teams;
    teams.loadFromFile(folder.database(u"one.cds"_s, R"sql(
        CREATE TABLE teams(name TEXT, divId INTEGER, id INTEGER);
        INSERT INTO teams VALUES ('Only', 7, 700);
    )sql"));
    EXPECT_EQ(readTeamsOfDivision(teams, 7), (std::vector<CatalogueEntry>{{"Only", 700}}));

    teams.loadFromFile(folder.database(u"last.cds"_s, R"sql(
        CREATE TABLE teams(name TEXT, divId INTEGER, id INTEGER);
        INSERT INTO teams VALUES ('A', 1, 1), ('B', 1, 2), ('Last', 2, 3);
    )sql"));
    EXPECT_EQ(readTeamsOfDivision(teams, 2), (std::vector<CatalogueEntry>{{"Last", 3}}));
    EXPECT_EQ(readTeamsOfDivision(teams, 1), (std::vector<CatalogueEntry>{{"A", 1}, {"B", 2}}));
}

TEST(ReadTeamsOfDivision, EmptyTableGivesNoTeams)
{
    CatalogueFolder folder;
    CatalogueTable teams;
    teams.loadFromFile(
        folder.database(u"teams.cds"_s, "CREATE TABLE teams(name TEXT, divId INTEGER, id INTEGER);"));
    EXPECT_TRUE(readTeamsOfDivision(teams, 1).empty());
}

TEST(ReadTeamsOfDivision, FailsWhenTheTeamsFileCouldNotBeLoaded)
{
    CatalogueFolder folder;
    CatalogueTable teams;
    const std::string missing = folder.path(u"teams.cds"_s);
    EXPECT_THROW(teams.loadFromFile(missing), AppError);
    EXPECT_EQ(thrownMessage([&] { readTeamsOfDivision(teams, 1); }),
              cp("Таблица каталога не загружена: не удалось загрузить ") + missing);
}

TEST(ReadTeamsOfDivision, RowWhoseIdentifierIsNoIntegerIsSkippedAndNamed)
{
    CatalogueFolder folder;
    CatalogueTable teams;
    const std::string file = folder.database(u"teams.cds"_s, R"sql(
        CREATE TABLE teams(name TEXT, divId INTEGER, teamId);
        INSERT INTO teams VALUES ('A', 1, 'x12'), ('Big', 1, 99999999999), ('C', 1, 3), ('D', 'x', 4), ('E', 1, 5);
    )sql");
    teams.loadFromFile(file);
    std::vector<std::string> skipped;
    EXPECT_EQ(readTeamsOfDivision(teams, 1, &skipped), (std::vector<CatalogueEntry>{{"C", 3}}));
    EXPECT_THAT(skipped, testing::ElementsAre(cp("Пропущена строка 1 (A) в ") + file +
                                                  ": 'x12' is not a valid integer value",
                                              cp("Пропущена строка 2 (Big) в ") + file +
                                                  ": '99999999999' is not a valid integer value"));
    EXPECT_EQ(readTeamsOfDivision(teams, 1), (std::vector<CatalogueEntry>{{"C", 3}}));
}

TEST(ReadDivisions, ListsEveryRowInTableOrder)
{
    CatalogueFolder folder;
    CatalogueTable divisions;
    divisions.loadFromFile(folder.database(u"divisions.cds"_s, R"sql(
        CREATE TABLE divisions(name TEXT, id INTEGER);
        INSERT INTO divisions VALUES ('Премьер-лига', 3), ('Первая лига', 1), ('Вторая лига', 2);
    )sql"));
    EXPECT_EQ(readDivisions(divisions), (std::vector<CatalogueEntry>{
                                            {"\xCF\xF0\xE5\xEC\xFC\xE5\xF0-\xEB\xE8\xE3\xE0", 3},
                                            {"\xCF\xE5\xF0\xE2\xE0\xFF \xEB\xE8\xE3\xE0", 1},
                                            {"\xC2\xF2\xEE\xF0\xE0\xFF \xEB\xE8\xE3\xE0", 2},
                                        }));

    divisions.loadFromFile(folder.database(u"one.cds"_s, R"sql(
        CREATE TABLE divisions(name TEXT, id INTEGER);
        INSERT INTO divisions VALUES ('Only', 9);
    )sql"));
    EXPECT_EQ(readDivisions(divisions), (std::vector<CatalogueEntry>{{"Only", 9}}));
}

TEST(ReadDivisions, EmptyTableFailsOnTheFirstRow)
{
    CatalogueFolder folder;
    CatalogueTable divisions;
    const std::string file =
        folder.database(u"divisions.cds"_s, "CREATE TABLE divisions(name TEXT, id INTEGER);");
    divisions.loadFromFile(file);
    EXPECT_EQ(thrownMessage([&] { readDivisions(divisions); }),
              cp("Нет текущей строки: таблица в ") + file + cp(" пуста"));
}

TEST(ReadDivisions, RowWhoseIdentifierIsNoIntegerIsSkippedAndNamed)
{
    CatalogueFolder folder;
    CatalogueTable divisions;
    const std::string file = folder.database(u"divisions.cds"_s, R"sql(
        CREATE TABLE divisions(name TEXT, id);
        INSERT INTO divisions VALUES ('A', 1), ('B', 'two'), ('C', -2147483649), ('D', 4);
    )sql");
    divisions.loadFromFile(file);
    std::vector<std::string> skipped;
    EXPECT_EQ(readDivisions(divisions, &skipped), (std::vector<CatalogueEntry>{{"A", 1}, {"D", 4}}));
    EXPECT_THAT(skipped,
                testing::ElementsAre(
                    cp("Пропущена строка 2 (B) в ") + file + ": 'two' is not a valid integer value",
                    cp("Пропущена строка 3 (C) в ") + file + ": '-2147483649' is not a valid integer value"));
}

TEST(CatalogueColumns, AreFoundByNameInAnyOrderElseTakeTheirUsualPlace)
{
    const struct {
        const char *columns;
        const char *row;
    } teamTables[] = {
        {"name, divId, teamId", "'Alpha', 7, 501"},
        {"teamId, name, divId", "501, 'Alpha', 7"},
        {"DIVID, TeamId, NAME", "7, 501, 'Alpha'"},
        {"name, divId, id", "'Alpha', 7, 501"},
        {"title, code, divId", "'Alpha', 501, 7"}, // the identifier's usual place is divId's
        {"name, divId, note, teamId", "'Alpha', 7, 'x', 501"},
    };
    for (const auto &t : teamTables) {
        CatalogueFolder folder;
        CatalogueTable teams;
        teams.loadFromFile(folder.database(u"teams.cds"_s, std::string("CREATE TABLE teams(") + t.columns +
                                                               "); INSERT INTO teams VALUES (" + t.row +
                                                               ");"));
        EXPECT_EQ(readTeamsOfDivision(teams, 7), (std::vector<CatalogueEntry>{{"Alpha", 501}})) << t.columns;
    }
    const struct {
        const char *columns;
        const char *row;
    } divisionTables[] = {
        {"name, id", "'Premier', 3"},
        {"id, name", "3, 'Premier'"},
        {"id INTEGER PRIMARY KEY, title", "3, 'Premier'"},
        {"code, name", "3, 'Premier'"},
    };
    for (const auto &t : divisionTables) {
        CatalogueFolder folder;
        CatalogueTable divisions;
        divisions.loadFromFile(
            folder.database(u"divisions.cds"_s, std::string("CREATE TABLE d(") + t.columns +
                                                    "); INSERT INTO d VALUES (" + t.row + ");"));
        EXPECT_EQ(readDivisions(divisions), (std::vector<CatalogueEntry>{{"Premier", 3}})) << t.columns;
    }
}

TEST(CatalogueColumns, TableTooNarrowFailsNamingTheMissingColumn)
{
    CatalogueFolder folder;
    CatalogueTable table;
    const std::string teams = folder.database(
        u"teams.cds"_s, "CREATE TABLE teams(name, divId); INSERT INTO teams VALUES ('A', 1);");
    table.loadFromFile(teams);
    EXPECT_EQ(thrownMessage([&] { readTeamsOfDivision(table, 1); }),
              cp("В таблице каталога ") + teams + cp(" не найдено поле 'teamId': полей в ней 2, а нужно 3"));
    const std::string divisions =
        folder.database(u"divisions.cds"_s, "CREATE TABLE d(title); INSERT INTO d VALUES ('A');");
    table.loadFromFile(divisions);
    EXPECT_EQ(thrownMessage([&] { readDivisions(table); }),
              cp("В таблице каталога ") + divisions + cp(" не найдено поле 'id': полей в ней 1, а нужно 2"));
}
