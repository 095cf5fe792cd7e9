#include "board/board_rows.h"

#include "history/player_growth.h"
#include "roster/player_texts.h"
#include "text/code_page.h"
#include "text/numbers.h"

#include <QCollator>
#include <QCoreApplication>
#include <algorithm>
#include <deque>
#include <iterator>

// The captions share their translations with the team lists.
const std::array<const char *, boardColumnCount> boardColumnNames = {
    QT_TRANSLATE_NOOP("RosterLists", "Команда"),  QT_TRANSLATE_NOOP("RosterLists", "Имя"),
    QT_TRANSLATE_NOOP("RosterLists", "Страна"),   QT_TRANSLATE_NOOP("RosterLists", "Поз"),
    QT_TRANSLATE_NOOP("RosterLists", "Возр"),     QT_TRANSLATE_NOOP("RosterLists", "Маст"),
    QT_TRANSLATE_NOOP("RosterLists", "Талант"),   QT_TRANSLATE_NOOP("RosterLists", "От"),
    QT_TRANSLATE_NOOP("RosterLists", "Оп"),       QT_TRANSLATE_NOOP("RosterLists", "Др"),
    QT_TRANSLATE_NOOP("RosterLists", "Пм"),       QT_TRANSLATE_NOOP("RosterLists", "Вн"),
    QT_TRANSLATE_NOOP("RosterLists", "Пс"),       QT_TRANSLATE_NOOP("RosterLists", "Сл"),
    QT_TRANSLATE_NOOP("RosterLists", "Тч"),       QT_TRANSLATE_NOOP("RosterLists", "Δ Маст"),
    QT_TRANSLATE_NOOP("RosterLists", "Δ Талант"), QT_TRANSLATE_NOOP("RosterLists", "Данные от"),
    QT_TRANSLATE_NOOP("RosterLists", "Ш×Т"),
};

bool isBoardTextColumn(std::size_t column) { return column <= PositionColumn; }

void takeNewer(TeamPages &into, const TeamPages &other, const QDateTime &now)
{
    const auto take = [&now](auto &mine, const auto &theirs) {
        const bool newer = theirs && (!mine || mine->fetchedAt > now || theirs->fetchedAt >= mine->fetchedAt);
        if (newer)
            mine = theirs;
        return newer;
    };
    if (take(into.talent, other.talent))
        into.previousTalent = other.previousTalent;
    take(into.abilities, other.abilities);
}

namespace {

// The cells read as the team lists show them (one formatter for both); the keys are the values.
void setNumber(BoardRow &row, std::size_t column, std::string text, double value)
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

// The players of the previous talent page by name and country, handed out in page order: the k-th of a
// name and country on the page shown finds the k-th on the previous one.
class PreviousPlayers {
public:
    explicit PreviousPlayers(const TeamPages &team)
    {
        if (!team.previousTalent)
            return;
        for (const TalentPlayer &player : *team.previousTalent->players)
            m_byKey[keyOf(player)].players.push_back(&player);
    }

    const TalentPlayer *next(const TalentPlayer &player)
    {
        const auto same = m_byKey.find(keyOf(player));
        if (same == m_byKey.end() || same->second.taken == same->second.players.size())
            return nullptr;
        return same->second.players[same->second.taken++];
    }

private:
    struct Same {
        std::vector<const TalentPlayer *> players;
        std::size_t taken = 0;
    };

    static std::string keyOf(const TalentPlayer &player)
    {
        std::string key = player.name;
        key += '\0';
        key += player.country;
        return key;
    }

    std::unordered_map<std::string, Same> m_byKey;
};

// A change per week as its cell shows it; the key is the number the cell holds, so the order and the
// growing-only filter agree with what is on view.
void setChange(BoardRow &row, std::size_t column, std::string text)
{
    const double shown = static_cast<double>(parseDecimal(text).value_or(0));
    setNumber(row, column, std::move(text), shown);
}

void addGrowth(BoardRow &row, const TalentPlayer &player, const TeamPages &team, PreviousPlayers &previous)
{
    const TalentPlayer *before = previous.next(player);
    if (!before)
        return;
    const QDateTime &beforeAt = team.previousTalent->fetchedAt;
    const QDateTime &afterAt = team.talent->fetchedAt;
    if (const auto change = changePerWeek(before->mastery, beforeAt, player.mastery, afterAt))
        setChange(row, MasteryChangeColumn, masteryChangeText(*change));
    if (const auto change = changePerWeek(before->talent, beforeAt, player.talent, afterAt))
        setChange(row, TalentChangeColumn, talentChangeText(*change));
}

std::string dayOf(const QDateTime &at)
{
    return at.toLocalTime().toString(QStringLiteral("dd.MM.yyyy")).toStdString();
}

// The date cell: the talent page's day, or the abilities page's for a player only there; it sorts by the
// time of that page.
void setDate(BoardRow &row, const TeamPages &team)
{
    const bool talent = !row.onAbilitiesPageOnly();
    std::string text = talent ? row.talentDay : row.abilitiesDay;
    if (row.fromPagesOfDifferentDays())
        text += " *";
    const QDateTime &at = talent ? team.talent->fetchedAt : team.abilities->fetchedAt;
    setNumber(row, DateColumn, std::move(text), static_cast<double>(at.toSecsSinceEpoch()));
}

// The team's levels: a sure product is the cell's number; otherwise a word and no number, so those rows
// sort after every team the board is sure of. The window words the cell in the interface language.
void setLevels(BoardRow &row, const std::optional<LevelFit> &levels)
{
    if (!levels)
        return;
    switch (levels->verdict) {
    case LevelVerdict::Sure:
        setNumber(row, LevelsColumn, std::to_string(levels->product), levels->product);
        return;
    case LevelVerdict::DoesNotFit:
        row.cells[LevelsColumn] = boardLevelsNotFitting;
        return;
    case LevelVerdict::Unclear:
        row.cells[LevelsColumn] = boardLevelsUnclear;
        return;
    }
}

} // namespace

std::vector<BoardRow> joinTeamPages(const TeamPages &team)
{
    static const std::vector<TalentPlayer> noTalents;
    static const std::vector<AbilitiesPlayer> noAbilities;
    const auto &talent = team.talent ? *team.talent->players : noTalents;
    const auto &abilities = team.abilities ? *team.abilities->players : noAbilities;
    const std::string talentDay = team.talent ? dayOf(team.talent->fetchedAt) : std::string();
    const std::string abilitiesDay = team.abilities ? dayOf(team.abilities->fetchedAt) : std::string();
    // Each name's abilities rows in page order; a talent row takes the first not yet taken.
    std::unordered_map<std::string_view, std::deque<std::size_t>> byName;
    for (std::size_t i = 0; i < abilities.size(); ++i)
        byName[abilities[i].name].push_back(i);
    std::vector<bool> taken(abilities.size(), false);
    PreviousPlayers previous(team);
    std::vector<BoardRow> joined;
    joined.reserve(std::max(talent.size(), abilities.size()));
    for (const TalentPlayer &player : talent) {
        BoardRow &row = joined.emplace_back(fromTalentPlayer(team.teamName, player));
        row.talentDay = talentDay;
        addGrowth(row, player, team, previous);
        const auto same = byName.find(player.name);
        if (same == byName.end() || same->second.empty())
            continue;
        const std::size_t i = same->second.front();
        same->second.pop_front();
        taken[i] = true;
        addAbilities(row, skillRowTexts(abilities[i]), abilities[i]);
        row.abilitiesDay = abilitiesDay;
    }
    for (std::size_t i = 0; i < abilities.size(); ++i) {
        if (!taken[i]) {
            joined.push_back(fromAbilitiesPlayer(team.teamName, abilities[i]));
            joined.back().abilitiesDay = abilitiesDay;
        }
    }
    for (BoardRow &row : joined) {
        setDate(row, team);
        setLevels(row, team.levels);
    }
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

uint32_t CollationOrder::entryOf(const std::string &text)
{
    const auto [at, added] = m_entries.try_emplace(text, static_cast<uint32_t>(m_texts.size()));
    if (added) {
        m_texts.push_back(text);
        m_unsettled.push_back(at->second);
    }
    return at->second;
}

void CollationOrder::settle(const QCollator &collator)
{
    if (m_unsettled.empty())
        return;
    std::vector<Sorted> arrived;
    arrived.reserve(m_unsettled.size());
    for (const uint32_t entry : m_unsettled)
        arrived.push_back({collator.sortKey(fromCp1251(m_texts[entry])), entry});
    m_unsettled.clear();
    const auto before = [](const Sorted &a, const Sorted &b) { return a.key < b.key; };
    std::sort(arrived.begin(), arrived.end(), before);
    std::vector<Sorted> merged;
    merged.reserve(m_sorted.size() + arrived.size());
    std::merge(m_sorted.begin(), m_sorted.end(), arrived.begin(), arrived.end(), std::back_inserter(merged),
               before);
    m_sorted = std::move(merged);
    auto places = std::make_shared<std::vector<uint32_t>>(m_texts.size());
    uint32_t place = 0;
    for (std::size_t i = 0; i < m_sorted.size(); ++i) {
        if (i > 0 && m_sorted[i - 1].key.compare(m_sorted[i].key) != 0)
            ++place;
        (*places)[m_sorted[i].entry] = place;
    }
    m_places = std::move(places);
}

void BoardBuilder::setTeamCount(std::size_t count)
{
    m_teams.assign(count, std::make_shared<const TeamRows>());
}

void BoardBuilder::setTeam(std::size_t index, const TeamPages &pages)
{
    TeamRows rows = joinTeamPages(pages);
    for (BoardRow &row : rows) {
        row.foldedName = foldCase(row.cells[NameColumn]);
        row.foldedTeam = foldCase(row.cells[TeamColumn]);
        for (std::size_t column = 0; column < boardTextColumnCount; ++column)
            row.textIds[column] = m_orders[column].entryOf(row.cells[column]);
    }
    m_teams.at(index) = std::make_shared<const TeamRows>(std::move(rows));
}

BoardTable BoardBuilder::table()
{
    BoardTable table;
    for (std::size_t column = 0; column < boardTextColumnCount; ++column) {
        m_orders[column].settle(m_collator);
        table.places[column] = m_orders[column].places();
    }
    table.teams = m_teams;
    std::size_t count = 0;
    for (const auto &team : m_teams)
        count += team->size();
    table.rows.reserve(count);
    // The positions present: each once, then in the collator's order.
    std::vector<uint32_t> positions;
    for (const auto &team : m_teams) {
        for (const BoardRow &row : *team) {
            table.rows.push_back(&row);
            if (row.keyed[AgeColumn])
                table.oldestAge = std::max(table.oldestAge, row.keys[AgeColumn]);
            const uint32_t position = row.textIds[PositionColumn];
            if (positions.empty() || positions.back() != position)
                positions.push_back(position);
        }
    }
    const std::vector<uint32_t> &place = *table.places[PositionColumn];
    std::sort(positions.begin(), positions.end(),
              [&](uint32_t a, uint32_t b) { return place[a] != place[b] ? place[a] < place[b] : a < b; });
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (const uint32_t entry : positions) {
        const std::string &text = m_orders[PositionColumn].text(entry);
        if (!text.empty())
            table.positions.push_back(text);
    }
    return table;
}

BoardTable buildBoard(const std::vector<TeamPages> &teams, const QCollator &collator)
{
    BoardBuilder builder(collator);
    builder.setTeamCount(teams.size());
    for (std::size_t i = 0; i < teams.size(); ++i)
        builder.setTeam(i, teams[i]);
    return builder.table();
}
