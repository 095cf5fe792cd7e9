#include "history/history_schema.h"

#include "history/player_search.h"
#include "storage/sqlite_database.h"

#include <algorithm>
#include <initializer_list>

namespace {

// Version 1. The index covers what the lists of teams and fetches ask, so they never read a page's
// row. Texts are UTF-8; numbers are numbers, so the shell can filter and sort on them, and the
// program's lists format them again exactly as on the day of the fetch (a REAL holds the double as read).
constexpr const char *firstLayout = R"sql(
CREATE TABLE fetches (
    id INTEGER PRIMARY KEY,
    fetched_at TEXT NOT NULL,
    team_id INTEGER NOT NULL,
    page_kind TEXT NOT NULL CHECK (page_kind IN ('talent', 'abilities')),
    team_name TEXT NOT NULL,
    id_text TEXT NOT NULL,
    manager TEXT NOT NULL,
    rank TEXT NOT NULL,
    city TEXT NOT NULL,
    stadium TEXT NOT NULL,
    division TEXT NOT NULL,
    money TEXT NOT NULL,
    players_total TEXT NOT NULL,
    additions TEXT NOT NULL,
    power TEXT NOT NULL,
    spectator_rating TEXT NOT NULL,
    player_count INTEGER NOT NULL,
    page BLOB NOT NULL
);
CREATE INDEX fetches_by_team ON fetches (team_id, fetched_at, page_kind, player_count);
CREATE TABLE players (
    fetch_id INTEGER NOT NULL REFERENCES fetches (id) ON DELETE CASCADE,
    row_no INTEGER NOT NULL,
    name TEXT NOT NULL,
    country TEXT,
    position TEXT NOT NULL,
    age INTEGER NOT NULL,
    mastery REAL NOT NULL,
    talent REAL,
    ability1 REAL, ability2 REAL, ability3 REAL, ability4 REAL,
    ability5 REAL, ability6 REAL, ability7 REAL, ability8 REAL,
    PRIMARY KEY (fetch_id, row_no)
) WITHOUT ROWID;
)sql";

// Version 2. Pages of one kind are packed against a dictionary, the first page of that kind kept;
// a page without one is a plain zlib stream, which version 1's pages become once their 4-byte length
// is cut off.
constexpr const char *pageDictionaries = R"sql(
CREATE TABLE page_dictionaries (
    id INTEGER PRIMARY KEY,
    page_kind TEXT NOT NULL CHECK (page_kind IN ('talent', 'abilities')),
    bytes BLOB NOT NULL
);
ALTER TABLE fetches ADD COLUMN dictionary_id INTEGER REFERENCES page_dictionaries (id);
)sql";
// Read as bytes whatever the column holds, so substr counts bytes. A page of four bytes or fewer has
// no stream after its length, where substr would give NULL: it becomes an empty page, which fails to
// unpack like any damaged one while its rows stay.
constexpr const char *pageWithoutLength = R"sql(
UPDATE fetches SET page = CASE WHEN length(CAST(page AS BLOB)) > 4 THEN substr(CAST(page AS BLOB), 5)
    ELSE x'' END WHERE rowid = ?1
)sql";

// Version 3. Pages are zstd frames (`packing`), each kind's dictionary trained on its first pages;
// the zlib pages before stay as they are. `newest_pages` holds each team's page of each kind stored
// last (with the names the team list shows) and how many of that kind it has, kept by the triggers
// through every keep, re-read and deletion, so the lists of teams, the board, the search and the
// count of what would be pruned never go over every fetch. `folded_texts` holds each name and country once as
// a search compares it, and players_by_talent lets a search over every week read the talent pages' rows it
// needs rather than every row (on 199,680 pages: 0.13 s instead of 0.55 s, for 38 MB).
constexpr const char *newestPages = R"sql(
ALTER TABLE page_dictionaries ADD COLUMN packing TEXT NOT NULL DEFAULT 'zlib'
    CHECK (packing IN ('zlib', 'zstd'));
ALTER TABLE fetches ADD COLUMN packing TEXT NOT NULL DEFAULT 'zlib' CHECK (packing IN ('zlib', 'zstd'));
CREATE INDEX fetches_by_time ON fetches (fetched_at);
CREATE INDEX players_by_talent ON players (position, age, talent) WHERE talent IS NOT NULL;
CREATE TABLE newest_pages (
    team_id INTEGER NOT NULL,
    page_kind TEXT NOT NULL,
    fetch_id INTEGER NOT NULL,
    fetched_at TEXT NOT NULL,
    team_name TEXT NOT NULL,
    division TEXT NOT NULL,
    fetch_count INTEGER NOT NULL,
    PRIMARY KEY (team_id, page_kind)
) WITHOUT ROWID;
INSERT INTO newest_pages (team_id, page_kind, fetch_id, fetched_at, team_name, division, fetch_count)
    SELECT team_id, page_kind, MAX(id), fetched_at, team_name, division, COUNT(*) FROM fetches
    GROUP BY team_id, page_kind;
CREATE TRIGGER newest_page_kept AFTER INSERT ON fetches BEGIN
    INSERT INTO newest_pages (team_id, page_kind, fetch_id, fetched_at, team_name, division, fetch_count)
        VALUES (NEW.team_id, NEW.page_kind, NEW.id, NEW.fetched_at, NEW.team_name, NEW.division, 1)
        ON CONFLICT (team_id, page_kind) DO UPDATE SET
            fetch_count = fetch_count + 1,
            fetched_at = CASE WHEN excluded.fetch_id > fetch_id THEN excluded.fetched_at ELSE fetched_at END,
            team_name = CASE WHEN excluded.fetch_id > fetch_id THEN excluded.team_name ELSE team_name END,
            division = CASE WHEN excluded.fetch_id > fetch_id THEN excluded.division ELSE division END,
            fetch_id = MAX(fetch_id, excluded.fetch_id);
END;
CREATE TRIGGER newest_page_dropped AFTER DELETE ON fetches BEGIN
    DELETE FROM newest_pages
        WHERE team_id = OLD.team_id AND page_kind = OLD.page_kind AND fetch_count <= 1;
    UPDATE newest_pages SET fetch_count = fetch_count - 1
        WHERE team_id = OLD.team_id AND page_kind = OLD.page_kind;
    UPDATE newest_pages SET (fetch_id, fetched_at, team_name, division) = (
            SELECT id, fetched_at, team_name, division FROM fetches
            WHERE team_id = OLD.team_id AND page_kind = OLD.page_kind ORDER BY id DESC LIMIT 1)
        WHERE team_id = OLD.team_id AND page_kind = OLD.page_kind AND fetch_id = OLD.id;
END;
CREATE TRIGGER newest_page_reread AFTER UPDATE OF team_name, division ON fetches BEGIN
    UPDATE newest_pages SET team_name = NEW.team_name, division = NEW.division WHERE fetch_id = NEW.id
        AND team_id = NEW.team_id AND page_kind = NEW.page_kind;
END;
CREATE TABLE folded_texts (
    text TEXT PRIMARY KEY,
    folded TEXT NOT NULL
) WITHOUT ROWID;
)sql";

// Version 4. A week's page is packed against an earlier page of its team (page_dictionaries rows with
// the team's identifier, their bytes packed against the kind's dictionary, base_id), and the rows
// hold whole numbers: every text once in `texts`, each number whose decimals the page's own (2, or 3 for
// talent) spell out exactly as that many hundredths or thousandths, anything else as the REAL read.
// The view `players` shows them as the tables of the versions before did. On a year of 1,920 teams
// (199,680 pages) the rows took 0.58 KB a page instead of 1.9 (with the talent index), a week's page
// 0.36 KB (talent) or 0.70 KB (abilities) instead of 1.4 or 1.8, the file 324 MB instead of 828.
constexpr const char *compactRows = R"sql(
ALTER TABLE page_dictionaries ADD COLUMN team_id INTEGER;
ALTER TABLE page_dictionaries ADD COLUMN base_id INTEGER REFERENCES page_dictionaries (id);
CREATE TABLE texts (
    id INTEGER PRIMARY KEY,
    text TEXT NOT NULL UNIQUE,
    folded TEXT NOT NULL
);
INSERT INTO texts (text, folded) SELECT text, folded FROM folded_texts;
DROP TABLE folded_texts;
CREATE TABLE talent_rows (
    fetch_id INTEGER NOT NULL REFERENCES fetches (id) ON DELETE CASCADE,
    row_no INTEGER NOT NULL,
    name_id INTEGER NOT NULL,
    country_id INTEGER NOT NULL,
    position_id INTEGER NOT NULL,
    age INTEGER NOT NULL,
    mastery NOT NULL,
    talent,
    PRIMARY KEY (fetch_id, row_no)
) WITHOUT ROWID;
CREATE TABLE abilities_rows (
    fetch_id INTEGER NOT NULL REFERENCES fetches (id) ON DELETE CASCADE,
    row_no INTEGER NOT NULL,
    name_id INTEGER NOT NULL,
    position_id INTEGER NOT NULL,
    age INTEGER NOT NULL,
    mastery NOT NULL,
    ability1, ability2, ability3, ability4, ability5, ability6, ability7, ability8,
    PRIMARY KEY (fetch_id, row_no)
) WITHOUT ROWID;
)sql";

// A stored number as SQL: hundredths (thousandths) to the REAL they stand for, a REAL as it is.
std::string storedNumber(const std::string &column, int scale)
{
    return "CASE typeof(" + column + ") WHEN 'integer' THEN " + column + " / " + std::to_string(scale) +
           ".0 ELSE " + column + " END";
}

// A REAL as the rows keep it: the whole number of hundredths (thousandths) when that gives the very
// same REAL back.
std::string wholeNumber(const std::string &column, int scale)
{
    const std::string scaled = "CAST(round(" + column + " * " + std::to_string(scale) + ") AS INTEGER)";
    return "CASE WHEN typeof(" + column + ") = 'real' AND abs(" + column + ") < 1e12 AND " + scaled + " / " +
           std::to_string(scale) + ".0 = " + column + " THEN " + scaled + " ELSE " + column + " END";
}

std::string textIdOf(const std::string &column)
{
    return "(SELECT id FROM texts WHERE text = " + column + ")";
}

std::string abilityColumns(const std::string &prefix, bool asNumbers)
{
    std::string list;
    for (int i = 1; i <= 8; ++i) {
        const std::string column = prefix + "ability" + std::to_string(i);
        list += ", " + (asNumbers ? wholeNumber(column, hundredths) : storedNumber(column, hundredths));
    }
    return list;
}

void compactEveryRow(const SqliteDatabase &db)
{
    SqliteStatement positions = db.prepare("SELECT DISTINCT position FROM players");
    SqliteStatement insert = db.prepare(textInsert);
    while (positions.step())
        keepText(insert, positions.columnText(0));
    db.execute("INSERT INTO talent_rows SELECT fetch_id, row_no, " + textIdOf("name") + ", " +
               textIdOf("COALESCE(country, '')") + ", " + textIdOf("position") + ", age, " +
               wholeNumber("mastery", hundredths) + ", " + wholeNumber("talent", thousandths) +
               " FROM players WHERE fetch_id IN (SELECT id FROM fetches WHERE page_kind = 'talent')");
    db.execute("INSERT INTO abilities_rows SELECT fetch_id, row_no, " + textIdOf("name") + ", " +
               textIdOf("position") + ", age, " + wholeNumber("mastery", hundredths) +
               abilityColumns("", true) +
               " FROM players WHERE fetch_id IN (SELECT id FROM fetches WHERE page_kind = 'abilities')");
    db.execute("DROP INDEX players_by_talent");
    db.execute("DROP TABLE players");
    db.execute("CREATE VIEW players (fetch_id, row_no, name, country, position, age, mastery, talent, "
               "ability1, ability2, ability3, ability4, ability5, ability6, ability7, ability8) AS "
               "SELECT r.fetch_id, r.row_no, n.text, c.text, s.text, r.age, " +
               storedNumber("r.mastery", hundredths) + ", " + storedNumber("r.talent", thousandths) +
               ", NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL FROM talent_rows AS r "
               "JOIN texts AS n ON n.id = r.name_id JOIN texts AS c ON c.id = r.country_id "
               "JOIN texts AS s ON s.id = r.position_id UNION ALL "
               "SELECT r.fetch_id, r.row_no, n.text, NULL, s.text, r.age, " +
               storedNumber("r.mastery", hundredths) + ", NULL" + abilityColumns("r.", false) +
               " FROM abilities_rows AS r JOIN texts AS n ON n.id = r.name_id "
               "JOIN texts AS s ON s.id = r.position_id");
}

void changeEachRow(const SqliteDatabase &db, const SchemaStep &step)
{
    // The ids first: a table is not changed under a scan of its own.
    std::vector<int64_t> rowIds;
    SqliteStatement rows = db.prepare("SELECT rowid FROM \"" + step.rowTable + "\" ORDER BY rowid");
    while (rows.step())
        rowIds.push_back(rows.columnInteger(0));
    SqliteStatement change = db.prepare(step.rowSql);
    for (const int64_t rowId : rowIds) {
        try {
            change.reset();
            change.bindInteger(1, rowId);
            change.run();
        } catch (const SqliteError &error) {
            throw SchemaRowError(error, step.rowTable, rowId);
        }
    }
}

void foldEveryText(const SqliteDatabase &db)
{
    SqliteStatement texts = db.prepare("SELECT DISTINCT name FROM players UNION "
                                       "SELECT DISTINCT country FROM players WHERE country IS NOT NULL");
    SqliteStatement insert = db.prepare("INSERT OR IGNORE INTO folded_texts (text, folded) VALUES (?1, ?2)");
    while (texts.step())
        keepText(insert, texts.columnText(0));
}

} // namespace

void keepText(SqliteStatement &insert, const std::string &utf8)
{
    insert.reset();
    insert.bindText(1, utf8).bindText(2, searchFolded(QString::fromStdString(utf8)).toStdString());
    insert.run();
}

const std::vector<SchemaStep> &historySchemaSteps()
{
    static const std::vector<SchemaStep> steps{{1, firstLayout},
                                               {2, pageDictionaries, "fetches", pageWithoutLength},
                                               {3, newestPages, {}, {}, foldEveryText},
                                               {4, compactRows, {}, {}, compactEveryRow}};
    return steps;
}

int historySchemaVersion() { return historySchemaSteps().back().version; }

int schemaVersionOf(const SqliteDatabase &db)
{
    SqliteStatement query = db.prepare("PRAGMA user_version");
    return query.step() ? static_cast<int>(query.columnInteger(0)) : 0;
}

namespace {

int64_t pragmaOf(const SqliteDatabase &db, const char *name)
{
    SqliteStatement query = db.prepare(std::string("PRAGMA ") + name);
    return query.step() ? query.columnInteger(0) : 0;
}

bool hasTables(const SqliteDatabase &db, std::initializer_list<const char *> names)
{
    const std::vector<std::string> present = db.userTableNames();
    return std::all_of(names.begin(), names.end(), [&](const char *name) {
        return std::find(present.begin(), present.end(), name) != present.end();
    });
}

} // namespace

HistoryFileOwner historyFileOwner(const SqliteDatabase &db)
{
    const int64_t applicationId = pragmaOf(db, "application_id");
    if (applicationId == historyApplicationId)
        return HistoryFileOwner::Us;
    if (applicationId != 0)
        return HistoryFileOwner::Other;
    const int version = schemaVersionOf(db);
    SqliteStatement objects = db.prepare("SELECT count(*) FROM sqlite_master");
    if (version == 0 && objects.step() && objects.columnInteger(0) == 0)
        return HistoryFileOwner::Nobody;
    // Files of ours written before the mark: each version's own tables are there.
    if (version == 1 && hasTables(db, {"fetches", "players"}))
        return HistoryFileOwner::Us;
    if (version == 2 && hasTables(db, {"fetches", "players", "page_dictionaries"}))
        return HistoryFileOwner::Us;
    if (version == 3 && hasTables(db, {"fetches", "players", "page_dictionaries", "newest_pages"}))
        return HistoryFileOwner::Us;
    if (version == 4 && hasTables(db, {"fetches", "talent_rows", "abilities_rows", "texts",
                                       "page_dictionaries", "newest_pages"}))
        return HistoryFileOwner::Us;
    return HistoryFileOwner::Other;
}

void markAsHistory(const SqliteDatabase &db)
{
    if (pragmaOf(db, "application_id") != historyApplicationId)
        db.execute("PRAGMA application_id = " + std::to_string(historyApplicationId));
}

void migrateSchema(const SqliteDatabase &db, const std::vector<SchemaStep> &steps)
{
    const auto last =
        std::max_element(steps.begin(), steps.end(),
                         [](const SchemaStep &a, const SchemaStep &b) { return a.version < b.version; });
    // An up-to-date file is only read, so opening it never waits for another instance's write.
    if (last == steps.end() || schemaVersionOf(db) >= last->version)
        return;
    db.execute("BEGIN IMMEDIATE");
    try {
        // Read inside the transaction: another instance may have migrated the file a moment ago.
        const int from = schemaVersionOf(db);
        int to = from;
        for (const SchemaStep &step : steps) {
            if (step.version <= from)
                continue;
            db.execute(step.sql);
            if (!step.rowSql.empty())
                changeEachRow(db, step);
            if (step.fill)
                step.fill(db);
            to = std::max(to, step.version);
        }
        if (to != from)
            db.execute("PRAGMA user_version = " + std::to_string(to)); // a number of ours, not user text
        db.execute("COMMIT");
    } catch (...) {
        try {
            if (db.inTransaction())
                db.execute("ROLLBACK");
        } catch (const SqliteError &) {
            // The step's own failure is the one to report.
        }
        throw;
    }
}
