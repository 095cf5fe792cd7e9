#include "catalogue/catalogue.h"
#include "catalogue_files.h"
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

TEST(ReadTeamsOfDivision, TeamIdentifierThatIsNotANumberFails)
{
    CatalogueFolder folder;
    CatalogueTable teams;
    teams.loadFromFile(folder.database(u"teams.cds"_s, R"sql(
        CREATE TABLE teams(name TEXT, divId INTEGER, id);
        INSERT INTO teams VALUES ('A', 1, 'x12');
    )sql"));
    EXPECT_EQ(thrownMessage<ConvertError>([&] { readTeamsOfDivision(teams, 1); }),
              "'x12' is not a valid integer value");
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

TEST(ReadDivisions, IdentifierThatIsNotANumberFails)
{
    CatalogueFolder folder;
    CatalogueTable divisions;
    divisions.loadFromFile(folder.database(u"divisions.cds"_s, R"sql(
        CREATE TABLE divisions(name TEXT, id);
        INSERT INTO divisions VALUES ('A', 1), ('B', 'two');
    )sql"));
    EXPECT_EQ(thrownMessage<ConvertError>([&] { readDivisions(divisions); }),
              "'two' is not a valid integer value");
}
