#include "board/board_filter.h"
#include "board/board_sources.h"
#include "history/history_store.h"
#include "text/code_page.h"
#include "text/numbers.h"

#include <QCollator>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

double number(const char *text) { return static_cast<double>(parseDecimal(text).value_or(0)); }

TalentPlayer talentRow(const char *name, const char *country, const char *position, const char *age,
                       const char *talent, double mastery = 20)
{
    TalentPlayer player;
    player.name = cp(name);
    player.country = cp(country);
    player.position = position;
    player.age = static_cast<int16_t>(std::atoi(age));
    player.mastery = mastery;
    player.talent = number(talent);
    return player;
}

AbilitiesPlayer abilitiesRow(const char *name, const char *position, const char *first)
{
    AbilitiesPlayer player;
    player.name = cp(name);
    player.position = position;
    player.age = 17;
    player.mastery = 21;
    player.abilities = {number(first), 2, 3, 4, 5, 6, 7, 8};
    return player;
}

const QDateTime fetchedAt(QDate(2026, 11, 12), QTime(10, 0)); // local time: the board shows 12.11.2026

TeamPages team(const char *name, std::vector<TalentPlayer> talent,
               std::vector<AbilitiesPlayer> abilities = {})
{
    TeamPages pages;
    pages.teamName = cp(name);
    pages.talent = PlayersAt<TalentPlayer>{fetchedAt, std::move(talent)};
    if (!abilities.empty())
        pages.abilities = PlayersAt<AbilitiesPlayer>{fetchedAt, std::move(abilities)};
    return pages;
}

BoardTable russianBoard(const std::vector<TeamPages> &teams)
{
    return buildBoard(teams, QCollator(QLocale(QLocale::Russian, QLocale::Russia)));
}

// The player names of the rows shown, in the order shown.
std::vector<std::string> shownNames(const BoardTable &table, const BoardFilter &filter,
                                    const BoardSort &sort = {})
{
    std::vector<std::string> names;
    for (const std::size_t i : shownRows(table, filter, sort))
        names.push_back(fromCp1251(table.rows[i]->cells[NameColumn]).toStdString());
    return names;
}

using Names = std::vector<std::string>;

} // namespace

TEST(BoardJoin, PlayersOfOneNameJoinInPageOrderAndTheRestFollow)
{
    // Two players named Иван: the first on the talent page takes the first on the abilities page.
    const TeamPages pages = team("Динамо",
                                 {talentRow("Иван", "Россия", "Df", "16", "4,500"),
                                  talentRow("Пётр", "Латвия", "Gk", "15", "3,000"),
                                  talentRow("Иван", "Сербия", "Fw", "17", "5,000")},
                                 {abilitiesRow("Иван", "Df", "1,00"), abilitiesRow("Олег", "Mf", "9,00"),
                                  abilitiesRow("Иван", "Fw", "1,50")});
    std::vector<BoardCells> rows;
    for (const BoardRow &row : joinTeamPages(pages))
        rows.push_back(row.cells);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][CountryColumn], cp("Россия"));
    EXPECT_EQ(rows[0][FirstAbilityColumn], "1,00");
    EXPECT_EQ(rows[1][FirstAbilityColumn], "") << "a player missing from the abilities page has none";
    EXPECT_EQ(rows[2][CountryColumn], cp("Сербия"));
    EXPECT_EQ(rows[2][FirstAbilityColumn], "1,50");
    EXPECT_EQ(rows[2][FirstAbilityColumn + 7], "8,00");
    // Only on the abilities page: after the rest, no country or talent.
    EXPECT_EQ(rows[3][NameColumn], cp("Олег"));
    EXPECT_EQ(rows[3][PositionColumn], "Mf");
    EXPECT_EQ(rows[3][MasteryColumn], "21,00");
    EXPECT_EQ(rows[3][CountryColumn], "");
    EXPECT_EQ(rows[3][TalentColumn], "");
    EXPECT_EQ(rows[3][TeamColumn], cp("Динамо"));
}

TEST(BoardGrowth, PerWeekFromThePreviousTalentPageTheKthOfANameAndCountryWithTheKth)
{
    TeamPages pages = team("Динамо", {talentRow("Иван", "Россия", "Df", "16", "3,700"),
                                      talentRow("Иван", "Сербия", "Df", "16", "4,900", 21),
                                      talentRow("Иван", "Россия", "Df", "16", "4,000", 19.5),
                                      talentRow("Иван", "Латвия", "Df", "16", "2,000")});
    pages.previousTalent = PlayersAt<TalentPlayer>{fetchedAt.addDays(-7),
                                                   {talentRow("Иван", "Сербия", "Df", "16", "5,000"),
                                                    talentRow("Иван", "Россия", "Df", "16", "3,000"),
                                                    talentRow("Иван", "Россия", "Df", "16", "4,000")}};
    const BoardTable table = russianBoard({pages});
    Names changes;
    for (const BoardRow *row : table.rows)
        changes.push_back(row->cells[TalentChangeColumn] + " " + row->cells[MasteryChangeColumn]);
    EXPECT_EQ(changes, (Names{"+0,700 0,00", "-0,100 +1,00", "0,000 -0,50", " "}));
    BoardFilter growing;
    growing.growingOnly = true;
    EXPECT_EQ(shownRows(table, growing, {}), (std::vector<std::size_t>{0, 1})) << "talent or mastery above 0";
    EXPECT_EQ(shownRows(table, {}, {TalentChangeColumn, true}), (std::vector<std::size_t>{1, 2, 0, 3}))
        << "the empty one last";
}

TEST(BoardJoin, NewerPagesReplaceOlderOnesKindByKind)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    TeamPages stored;
    stored.talent = PlayersAt<TalentPlayer>{now.addDays(-1), {talentRow("Старый", "", "Df", "16", "1,000")}};
    stored.abilities = PlayersAt<AbilitiesPlayer>{now, {abilitiesRow("Новый", "Df", "1,00")}};
    TeamPages fresh;
    fresh.talent = PlayersAt<TalentPlayer>{now, {talentRow("Новый", "", "Df", "16", "2,000")}};
    fresh.abilities = PlayersAt<AbilitiesPlayer>{now.addDays(-2), {}};
    takeNewer(stored, fresh);
    EXPECT_EQ(stored.talent->players->at(0).name, cp("Новый"));
    EXPECT_EQ(stored.abilities->players->size(), 1u) << "an older page never replaces a newer one";
}

TEST(BoardBuild, NewPagesOfOneTeamLeaveTheOthersRowsAndSortAsABoardMadeAtOnce)
{
    const TeamPages first = team(
        "Динамо", {talentRow("Яков", "", "Df", "16", "1,000"), talentRow("Борис", "", "Df", "16", "2,000")});
    const TeamPages second = team("Спартак", {talentRow("Арсений", "", "Gk", "16", "1,000")});
    const TeamPages secondLater = team("Спартак", {talentRow("Ёлкин", "", "Fw", "16", "1,000"),
                                                   talentRow("Виктор", "", "Cm", "17", "1,000")});
    BoardBuilder builder(QCollator(QLocale(QLocale::Russian, QLocale::Russia)));
    builder.setTeamCount(2);
    builder.setTeam(0, first);
    builder.setTeam(1, second);
    const BoardTable before = builder.table();
    builder.setTeam(1, secondLater);
    const BoardTable after = builder.table();

    EXPECT_EQ(after.teams[0], before.teams[0]) << "a team whose pages did not change keeps its rows";
    const BoardTable atOnce = russianBoard({first, secondLater});
    const BoardSort byName{NameColumn, true};
    EXPECT_EQ(shownNames(after, {}, byName), (Names{"Борис", "Виктор", "Ёлкин", "Яков"}));
    EXPECT_EQ(shownNames(after, {}, byName), shownNames(atOnce, {}, byName));
    EXPECT_EQ(after.positions, (std::vector<std::string>{"Cm", "Df", "Fw"}))
        << "a position no row has is gone";
    EXPECT_EQ(shownNames(before, {}, byName), (Names{"Арсений", "Борис", "Яков"})) << "a table never changes";
}

TEST(BoardFilterRules, EachFilterLetsThroughOnlyItsRows)
{
    const BoardTable table = russianBoard(
        {team("Динамо",
              {talentRow("Иванов", "", "Df", "16", "4,500"), talentRow("Петров", "", "Gk", "18", "3,000")},
              {abilitiesRow("Без таланта", "Mf", "1,00")}),
         team("Спартак",
              {talentRow("Ёлкин", "", "Df", "17", "5,250"), talentRow("Жуков", "", "Fw", "15", "2,125")})});
    const auto filter = [](auto change) {
        BoardFilter f;
        change(f);
        return f;
    };
    const struct {
        const char *what;
        BoardFilter filter;
        Names shown;
    } cases[] = {
        {"nothing", {}, {"Иванов", "Петров", "Без таланта", "Ёлкин", "Жуков"}},
        {"position", filter([](BoardFilter &f) { f.position = "Df"; }), {"Иванов", "Ёлкин"}},
        {"oldest age", filter([](BoardFilter &f) { f.maxAge = 16; }), {"Иванов", "Жуков"}},
        {"lowest talent, none without one",
         filter([](BoardFilter &f) { f.minTalent = 3; }),
         {"Иванов", "Петров", "Ёлкин"}},
        {"player's name, any case", filter([](BoardFilter &f) { f.search = cp("ЁЛК"); }), {"Ёлкин"}},
        {"team's name, any case",
         filter([](BoardFilter &f) { f.search = cp("дИнАм"); }),
         {"Иванов", "Петров", "Без таланта"}},
        {"filters together",
         filter([](BoardFilter &f) {
             f.position = "Df";
             f.maxAge = 16;
         }),
         {"Иванов"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shownNames(table, c.filter), c.shown) << c.what;
}

TEST(BoardFilterRules, BestOfPositionsKeepsThreeHighestTalentsOfEachAfterTheOtherFilters)
{
    std::vector<TalentPlayer> rows;
    for (const char *talent : {"1,000", "5,000", "3,000", "5,000", "4,000"})
        rows.push_back(talentRow(talent, "", "Df", "16", talent));
    rows.push_back(talentRow("Gk", "", "Gk", "18", "0,500"));
    const BoardTable table = russianBoard({team("Динамо", rows, {abilitiesRow("no talent", "Gk", "1,00")})});
    BoardFilter best;
    best.bestOfPosition = true;
    // The tie at 5 goes to both; board order stays.
    EXPECT_EQ(shownNames(table, best), (Names{"5,000", "5,000", "4,000", "Gk"}));
    best.maxAge = 16;
    EXPECT_EQ(shownNames(table, best), (Names{"5,000", "5,000", "4,000"}));
}

TEST(BoardSortRules, NumbersAsNumbersNamesInTheLanguagesOrderEmptyCellsLast)
{
    const BoardTable table = russianBoard(
        {team("Б", {talentRow("Жуков", "", "Df", "9", "10,500"), talentRow("Ёлкин", "", "Df", "17", "2,000")},
              {abilitiesRow("Егоров", "Mf", "1,00")}),
         team("А", {talentRow("Ершов", "", "Df", "16", "9,750")})});
    const struct {
        const char *what;
        BoardSort sort;
        Names shown;
    } cases[] = {
        {"board order", {}, {"Жуков", "Ёлкин", "Егоров", "Ершов"}},
        {"name: Ё among the Е, not before them as in byte order",
         {NameColumn, true},
         {"Егоров", "Ёлкин", "Ершов", "Жуков"}},
        {"age as a number", {AgeColumn, true}, {"Жуков", "Ершов", "Ёлкин", "Егоров"}},
        {"talent descending, the empty one last",
         {TalentColumn, false},
         {"Жуков", "Ершов", "Ёлкин", "Егоров"}},
        {"talent ascending, the empty one still last",
         {TalentColumn, true},
         {"Ёлкин", "Ершов", "Жуков", "Егоров"}},
        {"team, equal rows keep board order", {TeamColumn, true}, {"Ершов", "Жуков", "Ёлкин", "Егоров"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(shownNames(table, {}, c.sort), c.shown) << c.what;
    EXPECT_EQ(table.positions, (std::vector<std::string>{"Df", "Mf"}));
}

TEST(BoardSortRules, AHeaderClickedAgainReversesAndAnotherStartsAscending)
{
    const BoardSort first = BoardSort{}.clicked(3);
    EXPECT_TRUE(first.ascending);
    EXPECT_FALSE(first.clicked(3).ascending);
    EXPECT_TRUE(first.clicked(3).clicked(3).ascending);
    EXPECT_TRUE(first.clicked(3).clicked(5).ascending);
    EXPECT_EQ(first.clicked(5).column, 5);
}

TEST(BoardCsv, RowsAsShownUnderTheCaptions)
{
    const BoardTable table =
        russianBoard({team("Клуб; «Б»", {talentRow("Иван \"Ваня\"", "Россия", "Df", "16", "4,500"),
                                         talentRow("Пётр", "", "Gk", "15", "3,000")})});
    const std::string csv = boardCsv(table, {1, 0});
    EXPECT_EQ(
        csv,
        "\xEF\xBB\xBF"
        "Команда;Имя;Страна;Поз;Возр;Маст;Талант;От;Оп;Др;Пм;Вн;Пс;Сл;Тч;Δ Маст;Δ Талант;Данные от;Ш×Т\r\n"
        "\"Клуб; «Б»\";Пётр;;Gk;15;20,00;3,000;;;;;;;;;;;12.11.2026;\r\n"
        "\"Клуб; «Б»\";\"Иван \"\"Ваня\"\"\";Россия;Df;16;20,00;4,500;;;;;;;;;;;12.11.2026;\r\n");
}

TEST(BoardArrivedPage, APageNotReadSaysWhy)
{
    ReplyReader nothing;
    const FetchResult timedOut = fetchResultOf(nothing, ExchangeOutcome::TimedOut, {});
    FetchResult notFound;
    notFound.read = true;
    notFound.body = cp("<p>Команда не найдена</p>");
    FetchResult foreign;
    foreign.read = true;
    foreign.body = "<html>hello</html>";
    EXPECT_EQ(readArrivedPage(timedOut, PageKind::Talent).whyNot, "сервер не ответил вовремя");
    EXPECT_EQ(readArrivedPage(notFound, PageKind::Talent).whyNot, "команда не найдена");
    const ArrivedPage page = readArrivedPage(foreign, PageKind::Abilities);
    EXPECT_FALSE(page.read);
    EXPECT_EQ(page.whyNot, "страница не распознана: в ней нет названия команды");
}

TEST(BoardStoredPages, ThePageStoredLastCountsWhateverItsDate)
{
    QTemporaryDir dir;
    HistoryStore store;
    ASSERT_TRUE(store.open(dir.filePath(QStringLiteral("history.db"))).ok);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // Kept while the clock ran a year ahead, then again once it was put right.
    for (const auto &[when, name] : {std::pair{now.addYears(1), "Будущий"}, std::pair{now, "Свежий"}})
        ASSERT_TRUE(
            store.keep({when, 7, PageKind::Talent, "<html>", {}, {talentRow(name, "", "Df", "16", "1")}, {}})
                .ok);
    EXPECT_EQ(store.teams().at(0).latest, store.fetchesOf(7).at(0).fetchedAt);
    TeamPages pages = storedTeamPages(store, 7);
    EXPECT_EQ(pages.talent->players->at(0).name, cp("Свежий"));

    // A page a refresh fetches outranks a stored one dated in the future.
    pages.talent->fetchedAt = now.addYears(1);
    TeamPages fetched;
    fetched.talent = PlayersAt<TalentPlayer>{now, {talentRow("Обновлённый", "", "Df", "16", "2,000")}};
    takeNewer(pages, fetched, now);
    EXPECT_EQ(pages.talent->players->at(0).name, cp("Обновлённый"));
}

TEST(BoardStoredPages, GrowthIsMeasuredFromTheTalentPageStoredADayOrMoreBefore)
{
    QTemporaryDir dir;
    HistoryStore store;
    ASSERT_TRUE(store.open(dir.filePath(QStringLiteral("history.db"))).ok);
    const auto keep = [&store](const QDateTime &when, std::vector<TalentPlayer> players) {
        return store.keep({when, 7, PageKind::Talent, "<html>", {}, std::move(players), {}}).ok;
    };
    ASSERT_TRUE(keep(fetchedAt, {talentRow("Вернулся", "", "Df", "16", "1")}));
    ASSERT_TRUE(keep(fetchedAt.addDays(10), {talentRow("Пётр", "", "Gk", "16", "4")})); // he left
    ASSERT_TRUE(keep(fetchedAt.addDays(20).addSecs(-10800), {talentRow("Пётр", "", "Gk", "16", "9")}));
    ASSERT_TRUE(keep(fetchedAt.addDays(20), {talentRow("Пётр", "", "Gk", "16", "4,5"),
                                             talentRow("Вернулся", "", "Df", "16", "2", 25)}));
    const BoardTable table = russianBoard({storedTeamPages(store, 7)});
    EXPECT_EQ(table.rows[0]->cells[TalentChangeColumn], "+0,350")
        << "half a point in ten days, not in the 3 hours since the page before";
    EXPECT_EQ(table.rows[1]->cells[MasteryChangeColumn], "") << "not on the previous page";
}
