#include "board/board_rows.h"

#include "roster/player_texts.h"
#include "text/code_page.h"

#include <QCollator>
#include <QCoreApplication>
#include <algorithm>
#include <map>
#include <numeric>

// The captions share their translations with the team lists.
const std::array<const char *, boardColumnCount> boardColumnNames = {
    QT_TRANSLATE_NOOP("RosterLists", "Команда"), QT_TRANSLATE_NOOP("RosterLists", "Имя"),
    QT_TRANSLATE_NOOP("RosterLists", "Страна"),  QT_TRANSLATE_NOOP("RosterLists", "Поз"),
    QT_TRANSLATE_NOOP("RosterLists", "Возр"),    QT_TRANSLATE_NOOP("RosterLists", "Маст"),
    QT_TRANSLATE_NOOP("RosterLists", "Талант"),  QT_TRANSLATE_NOOP("RosterLists", "От"),
    QT_TRANSLATE_NOOP("RosterLists", "Оп"),      QT_TRANSLATE_NOOP("RosterLists", "Др"),
    QT_TRANSLATE_NOOP("RosterLists", "Пм"),      QT_TRANSLATE_NOOP("RosterLists", "Вн"),
    QT_TRANSLATE_NOOP("RosterLists", "Пс"),      QT_TRANSLATE_NOOP("RosterLists", "Сл"),
    QT_TRANSLATE_NOOP("RosterLists", "Тч"),
};

bool isBoardTextColumn(std::size_t column) { return column <= PositionColumn; }

void takeNewer(TeamPages &into, const TeamPages &other, const QDateTime &now)
{
    const auto take = [&now](auto &mine, const auto &theirs) {
        if (theirs && (!mine || mine->fetchedAt > now || theirs->fetchedAt >= mine->fetchedAt))
            mine = theirs;
    };
    take(into.talent, other.talent);
    take(into.abilities, other.abilities);
}

namespace {

// The cells read as the team lists show them (one formatter for both); the keys are the values.
void setNumber(BoardRow &row, std::size_t column, std::string text, long double value)
{
    row.cells[column] = std::move(text);
    row.keys[column] = value;
    row.keyed.set(column);
}

// Talent texts: name, country, position, age, mastery, talent.
BoardRow fromTalentPlayer(const std::string &team, const TalentPlayer &player)
{
    std::vector<std::string> texts = talentRowTexts(player);
    BoardRow row;
    row.cells[TeamColumn] = team;
    row.cells[NameColumn] = std::move(texts[0]);
    row.cells[CountryColumn] = std::move(texts[1]);
    row.cells[PositionColumn] = std::move(texts[2]);
    setNumber(row, AgeColumn, std::move(texts[3]), player.age);
    setNumber(row, MasteryColumn, std::move(texts[4]), player.mastery);
    setNumber(row, TalentColumn, std::move(texts[5]), player.talent);
    return row;
}

// Abilities texts: name, position, age, mastery, then the eight abilities.
void addAbilities(BoardRow &row, const std::vector<std::string> &texts, const AbilitiesPlayer &player)
{
    for (std::size_t i = 0; i < player.abilities.size(); ++i)
        setNumber(row, FirstAbilityColumn + i, texts[4 + i], player.abilities[i]);
}

BoardRow fromAbilitiesPlayer(const std::string &team, const AbilitiesPlayer &player)
{
    std::vector<std::string> texts = skillRowTexts(player);
    BoardRow row;
    row.cells[TeamColumn] = team;
    row.cells[NameColumn] = texts[0];
    row.cells[PositionColumn] = texts[1];
    setNumber(row, AgeColumn, texts[2], player.age);
    setNumber(row, MasteryColumn, texts[3], player.mastery);
    addAbilities(row, texts, player);
    return row;
}

} // namespace

std::vector<BoardRow> joinTeamPages(const TeamPages &team)
{
    static const std::vector<TalentPlayer> noTalents;
    static const std::vector<AbilitiesPlayer> noAbilities;
    const auto &talent = team.talent ? team.talent->players : noTalents;
    const auto &abilities = team.abilities ? team.abilities->players : noAbilities;
    std::vector<bool> taken(abilities.size(), false);
    std::vector<BoardRow> joined;
    joined.reserve(std::max(talent.size(), abilities.size()));
    for (const TalentPlayer &player : talent) {
        joined.push_back(fromTalentPlayer(team.teamName, player));
        for (std::size_t i = 0; i < abilities.size(); ++i) {
            if (!taken[i] && abilities[i].name == player.name) {
                taken[i] = true;
                addAbilities(joined.back(), skillRowTexts(abilities[i]), abilities[i]);
                break;
            }
        }
    }
    for (std::size_t i = 0; i < abilities.size(); ++i)
        if (!taken[i])
            joined.push_back(fromAbilitiesPlayer(team.teamName, abilities[i]));
    return joined;
}

std::string foldCase(std::string_view text)
{
    static const std::array<unsigned char, 256> lower = [] {
        std::array<unsigned char, 256> table{};
        for (std::size_t i = 0; i < table.size(); ++i)
            table[i] = static_cast<unsigned char>(i);
        for (unsigned char c = 'A'; c <= 'Z'; ++c)
            table[c] = static_cast<unsigned char>(c + 0x20);
        for (std::size_t c = 0xC0; c <= 0xDF; ++c) // А..Я
            table[c] = static_cast<unsigned char>(c + 0x20);
        // Ё, Ђ, Ѓ, Љ, Њ, Ќ, Ћ, Џ, Ў, Ј, Ґ, Є, Ї, І, Ѕ and their small letters.
        const std::pair<unsigned char, unsigned char> pairs[] = {
            {0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
            {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC},
            {0xA5, 0xB4}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
        for (const auto &[capital, small] : pairs)
            table[capital] = small;
        return table;
    }();
    std::string folded(text);
    for (char &c : folded)
        c = static_cast<char>(lower[static_cast<unsigned char>(c)]);
    return folded;
}

namespace {

// Each distinct text of a column and its place in the collator's order; texts the collator finds equal
// share a place, so they sort as equals.
std::map<std::string, long double> collationPlaces(const std::vector<BoardRow> &rows, std::size_t column,
                                                   const QCollator &collator)
{
    std::map<std::string, long double> places;
    for (const BoardRow &row : rows)
        places.emplace(row.cells[column], 0);
    std::vector<std::pair<QCollatorSortKey, std::map<std::string, long double>::iterator>> keyed;
    keyed.reserve(places.size());
    for (auto it = places.begin(); it != places.end(); ++it)
        keyed.emplace_back(collator.sortKey(fromCp1251(it->first)), it);
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    long double place = 0;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i > 0 && keyed[i - 1].first.compare(keyed[i].first) != 0)
            ++place;
        keyed[i].second->second = place;
    }
    return places;
}

std::vector<std::string> inCollationOrder(const std::map<std::string, long double> &places)
{
    std::vector<std::pair<long double, std::string>> ordered;
    for (const auto &[text, place] : places)
        if (!text.empty())
            ordered.emplace_back(place, text);
    std::sort(ordered.begin(), ordered.end());
    std::vector<std::string> texts;
    texts.reserve(ordered.size());
    for (auto &entry : ordered)
        texts.push_back(std::move(entry.second));
    return texts;
}

} // namespace

BoardTable buildBoard(const std::vector<TeamPages> &teams, const QCollator &collator)
{
    BoardTable table;
    for (const TeamPages &team : teams) {
        for (BoardRow &row : joinTeamPages(team)) {
            row.foldedName = foldCase(row.cells[NameColumn]);
            row.foldedTeam = foldCase(row.cells[TeamColumn]);
            table.rows.push_back(std::move(row));
        }
    }
    for (std::size_t column = 0; column < boardColumnCount; ++column) {
        if (!isBoardTextColumn(column))
            continue;
        const std::map<std::string, long double> places = collationPlaces(table.rows, column, collator);
        for (BoardRow &row : table.rows) {
            row.keys[column] = places.at(row.cells[column]);
            row.keyed.set(column);
        }
        if (column == PositionColumn)
            table.positions = inCollationOrder(places);
    }
    return table;
}
