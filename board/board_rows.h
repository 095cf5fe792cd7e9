#pragma once

#include "analysis/growth_fit.h"
#include "roster/team_records.h"

#include <QCollator>
#include <QDateTime>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The division youth board: one row per youth player of every team of a division, made of each team's
// latest talent and abilities pages. Cells are windows-1251 texts, numbers as the team lists show them;
// what a column sorts and filters by comes from the records, not from the texts.

enum BoardColumn : std::size_t {
    TeamColumn,
    NameColumn,
    CountryColumn,
    PositionColumn,
    AgeColumn,
    MasteryColumn,
    TalentColumn,
    FirstAbilityColumn, // then the other seven abilities, in the abilities list's order
    // Mastery's and talent's change per week since the team's previous talent page.
    MasteryChangeColumn = FirstAbilityColumn + 8,
    TalentChangeColumn,
    DateColumn,   // the day of the page the row comes from
    LevelsColumn, // the product of the team's levels its players' growth gives
};
inline constexpr std::size_t boardColumnCount = LevelsColumn + 1;

// The «Ш×Т» cell of a team whose growth gives no sure product (windows-1251, as the CSV writes it).
inline constexpr const char *boardLevelsUnclear = "\xed\xe5\xff\xf1\xed\xee"; // неясно
inline constexpr const char *boardLevelsNotFitting =
    "\xed\xe5 \xf1\xf5\xee\xe4\xe8\xf2\xf1\xff"; // не сходится

// The columns' own names (UTF-8): the captions before translation and the CSV header.
extern const std::array<const char *, boardColumnCount> boardColumnNames;
// «Команда», «Имя», «Страна» and «Поз» sort as text, every other column as a number.
bool isBoardTextColumn(std::size_t column);
inline constexpr std::size_t boardTextColumnCount = PositionColumn + 1;

// The players of one page and when the page was fetched. The players are shared, never changed: the
// board's pages and the pages a refresh read hold the same ones.
template <class Player> struct PlayersAt {
    PlayersAt(QDateTime at, std::vector<Player> list)
        : fetchedAt(std::move(at)), players(std::make_shared<const std::vector<Player>>(std::move(list)))
    {
    }

    QDateTime fetchedAt;
    std::shared_ptr<const std::vector<Player>> players;
};

// What the board knows of one team: its name as the catalogue gives it and its latest pages.
struct TeamPages {
    std::string teamName;
    std::optional<PlayersAt<TalentPlayer>> talent;
    std::optional<PlayersAt<AbilitiesPlayer>> abilities;
    // What the growth on `talent` is measured from: the talent page stored last of those fetched at
    // least a day before it. It belongs to `talent` and goes wherever that page goes.
    std::optional<PlayersAt<TalentPlayer>> previousTalent;
    // The team's level product as its stored growth gives it; nothing while the game's steps a week are
    // not known.
    std::optional<LevelFit> levels;
};

// Takes each page of `other` that is newer than the one `into` holds, or that `into` lacks, a talent
// page with its previous one. A page of `into` dated after `now` was kept under a clock that ran
// ahead: any page of `other` replaces it.
void takeNewer(TeamPages &into, const TeamPages &other,
               const QDateTime &now = QDateTime::currentDateTimeUtc());

using BoardCells = std::array<std::string, boardColumnCount>;

struct BoardRow {
    BoardCells cells;
    // What a number column sorts by: the number the cell holds.
    std::array<double, boardColumnCount> keys{};
    // A number cell that is empty or holds no number has no key.
    std::bitset<boardColumnCount> keyed;
    // A text column's cell as an entry of the board's list of that column's texts (CollationOrder).
    std::array<uint32_t, boardTextColumnCount> textIds{};
    // The player's and the team's names in one case, for the search.
    std::string foldedName;
    std::string foldedTeam;
    // The days (dd.MM.yyyy, local time) of the talent and abilities pages the player is on; empty for
    // a page he is not on.
    std::string talentDay;
    std::string abilitiesDay;

    bool onTalentPageOnly() const { return abilitiesDay.empty(); }
    bool onAbilitiesPageOnly() const { return talentDay.empty(); }
    bool fromPagesOfDifferentDays() const
    {
        return !talentDay.empty() && !abilitiesDay.empty() && talentDay != abilitiesDay;
    }
};

// A team's players. The abilities page has no country, so a talent row is joined with the abilities row
// of the same name: the k-th player of a name on the talent page with the k-th of that name on the
// abilities page. Rows come in talent page order; position, age and mastery are the talent page's.
// Players only on the abilities page follow, with country and talent empty; players only on the talent
// page have the abilities empty. Number columns get their keys here; text columns when the board fills.
// A talent row's growth comes from the previous talent page's player of the same name and country, the
// k-th of them with the k-th. The date is the talent page's, or the abilities page's for a player only
// there, marked " *" where the two pages are of different days.
std::vector<BoardRow> joinTeamPages(const TeamPages &team);

using TeamRows = std::vector<BoardRow>;

// What the board shows at one moment: its rows and how its text columns sort. A table never changes once
// made; the next one shares the rows of every team that did not change.
struct BoardTable {
    std::vector<const BoardRow *> rows; // teams in the order given, each team's players as joined
    std::vector<std::string> positions; // every position present, in the collator's order
    double oldestAge = 0;               // the highest age of any row
    // For each text column, the place of each of its texts in the collator's order (by text entry).
    std::array<std::shared_ptr<const std::vector<uint32_t>>, boardTextColumnCount> places;
    std::vector<std::shared_ptr<const TeamRows>> teams; // what `rows` point into

    // What a row sorts by in a column: the number, or for a text column its text's place; nothing for a
    // number cell without a number.
    std::optional<double> key(const BoardRow &row, std::size_t column) const
    {
        if (column < boardTextColumnCount)
            return (*places[column])[row.textIds[column]];
        if (!row.keyed[column])
            return std::nullopt;
        return row.keys[column];
    }
};

// The texts of one text column in the user's language's order. Each text gets an entry once; a new text
// finds its place when the order settles, so a team's rows are never looked at again when another's
// change. Texts the collator finds equal share a place and sort as equals.
class CollationOrder {
public:
    uint32_t entryOf(const std::string &text);
    void settle(const QCollator &collator);
    // By entry; valid until the next settle().
    std::shared_ptr<const std::vector<uint32_t>> places() const { return m_places; }
    const std::string &text(uint32_t entry) const { return m_texts[entry]; }

private:
    struct Sorted {
        QCollatorSortKey key;
        uint32_t entry;
    };
    std::unordered_map<std::string, uint32_t> m_entries;
    std::vector<std::string> m_texts;
    std::vector<uint32_t> m_unsettled;
    std::vector<Sorted> m_sorted;
    std::shared_ptr<const std::vector<uint32_t>> m_places = std::make_shared<std::vector<uint32_t>>();
};

// The board made team by team: a team's pages are joined once, when they change, and a table hands out
// the rows of all the teams at that moment.
class BoardBuilder {
public:
    explicit BoardBuilder(QCollator collator) : m_collator(std::move(collator)) {}

    // As many teams as the board shows, none with rows yet.
    void setTeamCount(std::size_t count);
    // The team at that place in the board's order now shows these pages.
    void setTeam(std::size_t index, const TeamPages &pages);
    BoardTable table();

private:
    QCollator m_collator;
    std::vector<std::shared_ptr<const TeamRows>> m_teams;
    std::array<CollationOrder, boardTextColumnCount> m_orders;
};

BoardTable buildBoard(const std::vector<TeamPages> &teams, const QCollator &collator);

// Letters of windows-1251 text in lower case (Latin and Cyrillic), every other byte as it is.
std::string foldCase(std::string_view text);
