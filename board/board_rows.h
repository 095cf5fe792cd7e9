#pragma once

#include "roster/team_records.h"

#include <QDateTime>
#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QCollator;

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
};
inline constexpr std::size_t boardColumnCount = FirstAbilityColumn + 8;

// The columns' own names (UTF-8): the captions before translation and the CSV header.
extern const std::array<const char *, boardColumnCount> boardColumnNames;
// «Команда», «Имя», «Страна» and «Поз» sort as text, every other column as a number.
bool isBoardTextColumn(std::size_t column);

// The players of one page and when the page was fetched.
template <class Player> struct PlayersAt {
    QDateTime fetchedAt;
    std::vector<Player> players;
};

// What the board knows of one team: its name as the catalogue gives it and its latest pages.
struct TeamPages {
    std::string teamName;
    std::optional<PlayersAt<TalentPlayer>> talent;
    std::optional<PlayersAt<AbilitiesPlayer>> abilities;
};

// Takes each page of `other` that is newer than the one `into` holds, or that `into` lacks. A page of
// `into` dated after `now` was kept under a clock that ran ahead: any page of `other` replaces it.
void takeNewer(TeamPages &into, const TeamPages &other,
               const QDateTime &now = QDateTime::currentDateTimeUtc());

using BoardCells = std::array<std::string, boardColumnCount>;

struct BoardRow {
    BoardCells cells;
    // What a column sorts by, worked out once when the board fills: the number a cell holds, or for a
    // text column the cell's place in the user's language's order.
    std::array<long double, boardColumnCount> keys{};
    // A number cell that is empty or holds no number has no key.
    std::bitset<boardColumnCount> keyed;
    // The player's and the team's names in one case, for the search.
    std::string foldedName;
    std::string foldedTeam;
};

// A team's players. The abilities page has no country, so a talent row is joined with the abilities row
// of the same name: the k-th player of a name on the talent page with the k-th of that name on the
// abilities page. Rows come in talent page order; position, age and mastery are the talent page's.
// Players only on the abilities page follow, with country and talent empty; players only on the talent
// page have the abilities empty. Number columns get their keys here; text columns when the board fills.
std::vector<BoardRow> joinTeamPages(const TeamPages &team);

struct BoardTable {
    std::vector<BoardRow> rows;         // teams in the order given, each team's players as joined
    std::vector<std::string> positions; // every position present, in the collator's order
};

BoardTable buildBoard(const std::vector<TeamPages> &teams, const QCollator &collator);

// Letters of windows-1251 text in lower case (Latin and Cyrillic), every other byte as it is.
std::string foldCase(std::string_view text);
