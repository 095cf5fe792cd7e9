#include "history/player_rows.h"

#include "history/history_schema.h"
#include "text/code_page.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <sqlite3.h>

namespace {

// Hundredths (thousandths) as a whole number when that is the very same double back, else the double.
void bindNumber(SqliteStatement &statement, int parameter, double value, int scale)
{
    if (std::isfinite(value) && std::abs(value) < 1e12) {
        const auto whole = static_cast<int64_t>(std::llround(value * scale));
        if (static_cast<double>(whole) / scale == value) {
            statement.bindInteger(parameter, whole);
            return;
        }
    }
    statement.bindReal(parameter, value);
}

double numberOf(const SqliteStatement &row, int column, int scale)
{
    return row.columnType(column) == SQLITE_INTEGER ? static_cast<double>(row.columnInteger(column)) / scale
                                                    : row.columnReal(column);
}

constexpr const char *talentColumns = "r.name_id, r.country_id, r.position_id, r.age, r.mastery, r.talent";
constexpr const char *abilitiesColumns =
    "r.name_id, r.position_id, r.age, r.mastery, r.ability1, r.ability2, r.ability3, r.ability4, r.ability5, "
    "r.ability6, r.ability7, r.ability8";

std::string rowsOfPage(const char *table, const char *columns)
{
    return std::string("SELECT ") + columns + " FROM " + table +
           " AS r WHERE r.fetch_id = ?1 ORDER BY r.row_no";
}

} // namespace

PlayerRows::PlayerRows(const SqliteDatabase &db)
    : m_db(db), m_talentInsert(db.prepare("INSERT INTO talent_rows (fetch_id, row_no, name_id, country_id, "
                                          "position_id, age, mastery, talent) VALUES (?1, ?2, ?3, ?4, ?5, "
                                          "?6, ?7, ?8)")),
      m_abilitiesInsert(
          db.prepare("INSERT INTO abilities_rows (fetch_id, row_no, name_id, position_id, age, "
                     "mastery, ability1, ability2, ability3, ability4, ability5, ability6, "
                     "ability7, ability8) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, "
                     "?12, ?13, ?14)")),
      m_textInsert(db.prepare(textInsert)), m_textLookup(db.prepare("SELECT id FROM texts WHERE text = ?1")),
      m_textById(db.prepare("SELECT text FROM texts WHERE id = ?1")),
      m_talentRows(db.prepare(rowsOfPage("talent_rows", talentColumns))),
      m_abilitiesRows(db.prepare(rowsOfPage("abilities_rows", abilitiesColumns)))
{
}

void PlayerRows::forget()
{
    m_ids.clear();
    m_texts.clear();
}

std::optional<int64_t> PlayerRows::knownIdOf(const std::string &utf8)
{
    const Reusing resetting(m_textLookup);
    m_textLookup.bindText(1, utf8);
    return m_textLookup.step() ? std::optional(m_textLookup.columnInteger(0)) : std::nullopt;
}

int64_t PlayerRows::idOf(const std::string &cp1251)
{
    if (const auto found = m_ids.find(cp1251); found != m_ids.end())
        return found->second;
    const std::string utf8 = utf8FromCp1251(cp1251);
    std::optional<int64_t> id = knownIdOf(utf8);
    if (!id) {
        const Reusing resetting(m_textInsert);
        keepText(m_textInsert, utf8);
        id = m_db.lastInsertRowId();
    }
    m_texts.emplace(*id, cp1251);
    return m_ids[cp1251] = *id;
}

const std::string &PlayerRows::textOf(int64_t id)
{
    if (const auto found = m_texts.find(id); found != m_texts.end())
        return found->second;
    const Reusing resetting(m_textById);
    m_textById.bindInteger(1, id);
    // A row naming a text that is gone reads as an empty text rather than failing its whole page.
    std::string text = m_textById.step() ? cp1251FromUtf8(m_textById.columnText(0)) : std::string();
    m_ids.emplace(text, id);
    return m_texts[id] = std::move(text);
}

void PlayerRows::keep(int64_t fetchId, const FetchRecord &record)
{
    int64_t rowNo = 0;
    if (record.kind == PageKind::Talent) {
        const Reusing resetting(m_talentInsert);
        for (const TalentPlayer &player : record.talents) {
            m_talentInsert.reset();
            m_talentInsert.bindInteger(1, fetchId).bindInteger(2, ++rowNo).bindInteger(3, idOf(player.name));
            m_talentInsert.bindInteger(4, idOf(player.country)).bindInteger(5, idOf(player.position));
            m_talentInsert.bindInteger(6, player.age);
            bindNumber(m_talentInsert, 7, player.mastery, hundredths);
            bindNumber(m_talentInsert, 8, player.talent, thousandths);
            m_talentInsert.run();
        }
        return;
    }
    const Reusing resetting(m_abilitiesInsert);
    for (const AbilitiesPlayer &player : record.abilities) {
        m_abilitiesInsert.reset();
        m_abilitiesInsert.bindInteger(1, fetchId).bindInteger(2, ++rowNo).bindInteger(3, idOf(player.name));
        m_abilitiesInsert.bindInteger(4, idOf(player.position)).bindInteger(5, player.age);
        bindNumber(m_abilitiesInsert, 6, player.mastery, hundredths);
        for (size_t i = 0; i < player.abilities.size(); ++i)
            bindNumber(m_abilitiesInsert, 7 + static_cast<int>(i), player.abilities[i], hundredths);
        m_abilitiesInsert.run();
    }
}

void PlayerRows::drop(int64_t fetchId)
{
    for (const char *table : {"talent_rows", "abilities_rows"}) {
        SqliteStatement drop = m_db.prepare(std::string("DELETE FROM ") + table + " WHERE fetch_id = ?1");
        drop.bindInteger(1, fetchId);
        drop.run();
    }
}

void PlayerRows::addRow(StoredPage &page, const SqliteStatement &row, int first)
{
    if (page.kind == PageKind::Talent) {
        TalentPlayer player;
        player.name = textOf(row.columnInteger(first));
        player.country = textOf(row.columnInteger(first + 1));
        player.position = textOf(row.columnInteger(first + 2));
        player.age = static_cast<int16_t>(row.columnInteger(first + 3));
        player.mastery = numberOf(row, first + 4, hundredths);
        player.talent = numberOf(row, first + 5, thousandths);
        page.talents.push_back(std::move(player));
        return;
    }
    AbilitiesPlayer player;
    player.name = textOf(row.columnInteger(first));
    player.position = textOf(row.columnInteger(first + 1));
    player.age = static_cast<int16_t>(row.columnInteger(first + 2));
    player.mastery = numberOf(row, first + 3, hundredths);
    for (size_t i = 0; i < player.abilities.size(); ++i)
        player.abilities[i] = numberOf(row, first + 4 + static_cast<int>(i), hundredths);
    page.abilities.push_back(std::move(player));
}

void PlayerRows::readInto(StoredPage &page)
{
    SqliteStatement &rows = page.kind == PageKind::Talent ? m_talentRows : m_abilitiesRows;
    const Reusing resetting(rows);
    rows.bindInteger(1, page.id);
    while (rows.step())
        addRow(page, rows, 0);
}

void PlayerRows::readTeamInto(int32_t teamId, const std::map<int64_t, StoredPage *> &pages)
{
    // Every player of the team's pages in one pass a table rather than a query a page.
    for (const auto &[table, columns] :
         {std::pair{"talent_rows", talentColumns}, std::pair{"abilities_rows", abilitiesColumns}}) {
        SqliteStatement rows =
            m_db.prepare(std::string("SELECT r.fetch_id, ") + columns + " FROM " + table +
                         " AS r JOIN fetches AS f ON f.id = r.fetch_id WHERE f.team_id = ?1 "
                         "ORDER BY r.fetch_id, r.row_no");
        rows.bindInteger(1, teamId);
        while (rows.step())
            if (const auto page = pages.find(rows.columnInteger(0)); page != pages.end())
                addRow(*page->second, rows, 1);
    }
}

std::vector<SeriesPoint> PlayerRows::series(int32_t teamId, const std::string &utf8Name,
                                            const std::string &utf8Country)
{
    const std::optional<int64_t> name = knownIdOf(utf8Name);
    const std::optional<int64_t> country = utf8Country.empty() ? std::nullopt : knownIdOf(utf8Country);
    if (!name || (!utf8Country.empty() && !country))
        return {};
    SqliteStatement query = m_db.prepare("SELECT f.id, f.fetched_at, r.talent, r.mastery FROM fetches AS f "
                                         "JOIN talent_rows AS r ON r.fetch_id = f.id "
                                         "WHERE f.team_id = ?1 AND f.page_kind = 'talent' AND r.name_id = ?2 "
                                         "AND (?3 IS NULL OR r.country_id = ?3) "
                                         "ORDER BY f.fetched_at, f.id, r.row_no");
    query.bindInteger(1, teamId).bindInteger(2, *name);
    if (country)
        query.bindInteger(3, *country);
    else
        query.bindNull(3);
    std::vector<SeriesPoint> points;
    while (query.step()) {
        const int64_t fetchId = query.columnInteger(0);
        if (!points.empty() && points.back().fetchId == fetchId)
            continue;
        points.push_back({fetchId, storedTimeOf(query.columnText(1)), numberOf(query, 2, thousandths),
                          numberOf(query, 3, hundredths)});
    }
    return points;
}

namespace {

// The search as SQL: the talent rows of each team's page stored last, or of every page, that pass the
// filters. A part of a name or country is looked up once among the texts rather than folded row by
// row; the numbers are compared as the doubles they stand for.
std::string searchSql(const PlayerSearch &search)
{
    std::string sql = search.everyWeek
                          ? "SELECT f.id, f.team_id, f.fetched_at, f.team_name, f.division, "
                          : "SELECT n.fetch_id, n.team_id, n.fetched_at, n.team_name, n.division, ";
    sql += "r.name_id, r.country_id, r.position_id, r.age, r.mastery, r.talent ";
    // Over every week the rows are gone through first, or, for some teams, those teams' fetches.
    if (!search.everyWeek)
        sql += "FROM newest_pages AS n CROSS JOIN talent_rows AS r ON r.fetch_id = n.fetch_id "
               "WHERE n.page_kind = 'talent'";
    else if (search.teamIds.empty())
        sql += "FROM talent_rows AS r CROSS JOIN fetches AS f ON f.id = r.fetch_id WHERE 1";
    else
        sql +=
            "FROM fetches AS f CROSS JOIN talent_rows AS r ON r.fetch_id = f.id WHERE f.page_kind = 'talent'";
    if (!search.position.empty())
        sql += " AND r.position_id = ?1";
    if (search.oldestAge)
        sql += " AND r.age <= ?2";
    if (search.lowestTalent)
        sql += " AND (CASE typeof(r.talent) WHEN 'integer' THEN r.talent / 1000.0 ELSE r.talent END) >= ?3";
    if (search.lowestMastery)
        sql += " AND (CASE typeof(r.mastery) WHEN 'integer' THEN r.mastery / 100.0 ELSE r.mastery END) >= ?4";
    if (!search.namePart.isEmpty())
        sql += " AND r.name_id IN (SELECT id FROM texts WHERE instr(folded, ?5) > 0)";
    if (!search.countryPart.isEmpty())
        sql += " AND r.country_id IN (SELECT id FROM texts WHERE instr(folded, ?6) > 0)";
    if (!search.teamIds.empty()) {
        sql += search.everyWeek ? " AND f.team_id IN (" : " AND n.team_id IN (";
        for (size_t i = 0; i < search.teamIds.size(); ++i)
            sql += (i ? ", " : "") + std::to_string(search.teamIds[i]); // our own integers
        sql += ")";
    }
    return sql;
}

// By team name (its UTF-8 bytes, as SQLite orders texts), team and time, newest first; a page's
// players keep the page's order, in which each page's rows come. Sorting here rather than in SQL took
// a search of 33,000 found 50 ms less.
std::vector<FoundPlayer> inListOrder(std::vector<FoundPlayer> found,
                                     const std::vector<const std::string *> &teamNames)
{
    std::vector<size_t> order(found.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        // Each name is one text however many rows share it, so a team's rows compare at a glance.
        if (teamNames[a] != teamNames[b])
            if (const int byName = teamNames[a]->compare(*teamNames[b]))
                return byName < 0;
        if (found[a].teamId != found[b].teamId)
            return found[a].teamId < found[b].teamId;
        return found[a].fetchId > found[b].fetchId;
    });
    std::vector<FoundPlayer> sorted;
    sorted.reserve(found.size());
    for (const size_t i : order)
        sorted.push_back(std::move(found[i]));
    return sorted;
}

} // namespace

std::vector<FoundPlayer> PlayerRows::find(const PlayerSearch &search)
{
    std::optional<int64_t> position;
    if (!search.position.empty()) {
        position = knownIdOf(utf8FromCp1251(search.position));
        if (!position)
            return {}; // a position no page ever showed
    }
    SqliteStatement query = m_db.prepare(searchSql(search));
    if (position)
        query.bindInteger(1, *position);
    if (search.oldestAge)
        query.bindInteger(2, *search.oldestAge);
    if (search.lowestTalent)
        query.bindReal(3, *search.lowestTalent);
    if (search.lowestMastery)
        query.bindReal(4, *search.lowestMastery);
    if (!search.namePart.isEmpty())
        query.bindText(5, searchFolded(search.namePart).toStdString());
    if (!search.countryPart.isEmpty())
        query.bindText(6, searchFolded(search.countryPart).toStdString());
    // Times, team names and divisions repeat from row to row: each is made once.
    std::unordered_map<std::string, QDateTime> times;
    std::unordered_map<std::string, std::string> cp1251Texts;
    const auto cp1251Of = [&cp1251Texts](const std::string &utf8) {
        auto found = cp1251Texts.find(utf8);
        if (found == cp1251Texts.end())
            found = cp1251Texts.emplace(utf8, cp1251FromUtf8(utf8)).first;
        return found;
    };
    std::vector<FoundPlayer> found;
    std::vector<const std::string *> teamNames; // UTF-8, row by row
    while (query.step()) {
        FoundPlayer row;
        row.fetchId = query.columnInteger(0);
        if (!found.empty() && found.back().fetchId == row.fetchId) { // the page's rows come together
            row.teamId = found.back().teamId;
            row.fetchedAt = found.back().fetchedAt;
            row.teamName = found.back().teamName;
            row.division = found.back().division;
            teamNames.push_back(teamNames.back());
        } else {
            row.teamId = static_cast<int32_t>(query.columnInteger(1));
            const std::string time = query.columnText(2);
            auto at = times.find(time);
            if (at == times.end())
                at = times.emplace(time, storedTimeOf(time)).first;
            row.fetchedAt = at->second;
            const auto teamName = cp1251Of(query.columnText(3));
            teamNames.push_back(&teamName->first);
            row.teamName = teamName->second;
            row.division = cp1251Of(query.columnText(4))->second;
        }
        row.player.name = textOf(query.columnInteger(5));
        row.player.country = textOf(query.columnInteger(6));
        row.player.position = textOf(query.columnInteger(7));
        row.player.age = static_cast<int16_t>(query.columnInteger(8));
        row.player.mastery = numberOf(query, 9, hundredths);
        row.player.talent = numberOf(query, 10, thousandths);
        found.push_back(std::move(row));
    }
    return inListOrder(std::move(found), teamNames);
}
