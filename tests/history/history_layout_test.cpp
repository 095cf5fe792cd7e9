#include "history/history_schema.h"
#include "history/history_store.h"
#include "history/page_packing.h"
#include "retrieval/page_reader.h"
#include "storage/sqlite_database.h"
#include "text/code_page.h"
#include "tools/demo_server/demo_pages.h"
#include "tools/history_seed/history_seed.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QDateTime at(const char *iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate); }

// Every stored row of each page as text, numbers to the last digit, page by page.
constexpr const char *rowsOfEachPage =
    "SELECT group_concat(printf('%s|%s|%s|%d|%!.17g|%!.17g|%!.17g|%!.17g', name, country, position, age, "
    "mastery, talent, ability1, ability8), ';') FROM players GROUP BY fetch_id ORDER BY fetch_id";

class HistoryLayout : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("history.db")); }
    int64_t count(const std::string &sql) const
    {
        SqliteStatement query = SqliteDatabase(path(), SqliteDatabase::Mode::ReadOnly).prepare(sql);
        return query.step() ? query.columnInteger(0) : -1;
    }
    // Each team's fetch of each kind stored last, worked out the long way from its whole list.
    std::vector<NewestFetch> newestTheLongWay(const std::vector<int32_t> &teamIds) const
    {
        std::vector<NewestFetch> newest;
        for (const int32_t teamId : teamIds)
            for (const PageKind kind : {PageKind::Talent, PageKind::Abilities})
                for (const StoredFetch &fetch : m_store.fetchesOf(teamId))
                    if (fetch.kind == kind) {
                        newest.push_back({teamId, kind, fetch.id, fetch.fetchedAt});
                        break;
                    }
        return newest;
    }
    void expectNewestRight(const std::vector<int32_t> &teamIds) const
    {
        const std::vector<NewestFetch> newest = m_store.newestFetches(teamIds);
        const std::vector<NewestFetch> expected = newestTheLongWay(teamIds);
        ASSERT_EQ(newest.size(), expected.size());
        for (size_t i = 0; i < newest.size(); ++i) {
            EXPECT_EQ(newest[i].fetchId, expected[i].fetchId) << i;
            EXPECT_EQ(newest[i].fetchedAt, expected[i].fetchedAt) << i;
        }
        for (const StoredTeam &team : m_store.teams())
            EXPECT_EQ(team.fetchCount, static_cast<int>(m_store.fetchesOf(team.teamId).size()));
    }

    // A file an earlier build wrote, copied in, with its pages and its rows (rowsOfEachPage) read
    // by that layout's own means before the store ever opens it.
    struct OlderFile {
        std::vector<std::string> pages;
        std::vector<std::string> rows;
    };
    using Unpack = std::optional<std::string> (*)(const std::string &page, const std::string &dictionary);
    OlderFile copyOlderFile(const char *name, int version, Unpack unpack) const
    {
        OlderFile older;
        EXPECT_TRUE(QFile::copy(QStringLiteral(BRINDLEMARK_TEST_DATA "/") + QLatin1String(name), path()));
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_EQ(count("PRAGMA user_version"), version);
        const SqliteDatabase file(path(), SqliteDatabase::Mode::ReadOnly);
        SqliteStatement page = file.prepare("SELECT f.page, d.bytes FROM fetches AS f JOIN page_dictionaries "
                                            "AS d ON d.id = f.dictionary_id ORDER BY f.id");
        while (page.step())
            older.pages.push_back(unpack(page.columnBlob(0), page.columnBlob(1)).value());
        SqliteStatement row = file.prepare(rowsOfEachPage);
        while (row.step())
            older.rows.push_back(row.columnText(0));
        return older;
    }

    QTemporaryDir m_dir;
    HistoryStore m_store;
};

DemoCatalogue catalogueOf(int teams)
{
    QString sql =
        QStringLiteral("CREATE TABLE divisions(name TEXT, id INTEGER); INSERT INTO divisions VALUES "
                       "('Лига', 1); CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);");
    for (int i = 1; i <= teams; ++i)
        sql += QStringLiteral("INSERT INTO teams VALUES ('Команда %1', 1, %2);").arg(i).arg(1000 + i);
    return DemoCatalogue::fromSql(sql);
}

} // namespace

// A file the previous build wrote (layout 2: zlib pages, 64 KB database pages): three weeks of two
// teams. What it holds is read first with that layout's own means, then through the updated store.
TEST_F(HistoryLayout, AFileOfTheLayoutBeforeReadsBackExactlyAndTakesNewPages)
{
    const OlderFile older =
        copyOlderFile("history_v2.db", 2, [](const std::string &page, const std::string &dictionary) {
            return zlibUnpack(page, dictionary);
        });
    const std::vector<std::string> &pages = older.pages;
    const std::vector<std::string> &rows = older.rows;
    ASSERT_EQ(pages.size(), 12u);
    const HistoryOutcome opened = m_store.open(path());
    ASSERT_TRUE(opened.ok) << opened.message.toStdString();
    EXPECT_EQ(count("PRAGMA user_version"), historySchemaVersion());

    SqliteStatement row = SqliteDatabase(path(), SqliteDatabase::Mode::ReadOnly).prepare(rowsOfEachPage);
    for (int64_t id = 1; id <= 12; ++id) {
        EXPECT_EQ(m_store.rawPage(id)->bytes, pages[id - 1]) << id;
        const StoredPage stored = m_store.page(id).value();
        const FetchRecord expected = *fetchRecordOf(stored.fetchedAt, stored.teamId, stored.kind,
                                                    pages[id - 1], readPage(pages[id - 1], stored.kind));
        EXPECT_EQ(stored.summary, expected.summary);
        ASSERT_TRUE(row.step());
        EXPECT_EQ(row.columnText(0), rows[id - 1]) << id;
    }
    EXPECT_EQ(m_store.page(1)->fetchedAt, at("2026-02-15T12:00:00Z"));
    EXPECT_EQ(m_store.page(12)->fetchedAt, at("2026-03-01T12:00:00Z"));
    expectNewestRight({5680, 2185});
    ASSERT_EQ(m_store.teams().size(), 2u);

    // A page kept now goes in as a zstd frame beside the zlib ones.
    const std::string &page = pages[10];
    const FetchRecord next = *fetchRecordOf(at("2026-03-08T12:00:00Z"), 2185, PageKind::Talent, page,
                                            readPage(page, PageKind::Talent));
    ASSERT_TRUE(m_store.keep(next).ok);
    EXPECT_EQ(m_store.rawPage(13)->bytes, page);
    EXPECT_EQ(m_store.page(13)->talents, next.talents);
    EXPECT_EQ(count("SELECT COUNT(*) FROM fetches WHERE packing = 'zstd'"), 1);
    EXPECT_EQ(m_store.newestFetches({2185}).front().fetchId, 13);
    // A name kept before the update is found by a part of it in another case.
    PlayerSearch search;
    search.namePart =
        QString::fromStdString(utf8FromCp1251(m_store.page(1)->talents.front().name)).mid(1, 4).toUpper();
    search.everyWeek = true;
    const std::vector<FoundPlayer> found = m_store.findPlayers(search);
    EXPECT_TRUE(std::any_of(found.begin(), found.end(), [](const FoundPlayer &f) { return f.fetchId == 1; }));
    for (const FoundPlayer &player : found)
        EXPECT_TRUE(searchFolded(QString::fromStdString(utf8FromCp1251(player.player.name)))
                        .contains(searchFolded(search.namePart)));
}

// A file of layout 3 (zstd pages against their kind's dictionary, rows with REALs and texts) as that
// build wrote it: three weeks of two teams. Its pages and every digit of its rows read back the same.
TEST_F(HistoryLayout, AFileOfLayoutThreeKeepsEveryPageAndDigit)
{
    const OlderFile older =
        copyOlderFile("history_v3.db", 3, [](const std::string &page, const std::string &dictionary) {
            return ZstdDictionary(dictionary).unpack(page);
        });
    const std::vector<std::string> &pages = older.pages;
    const std::vector<std::string> &rows = older.rows;
    ASSERT_EQ(pages.size(), 12u);
    ASSERT_TRUE(m_store.open(path()).ok);
    EXPECT_EQ(count("PRAGMA user_version"), historySchemaVersion());
    // Every number the pages spell with their own decimals is a whole number now.
    EXPECT_EQ(count("SELECT COUNT(*) FROM talent_rows WHERE typeof(mastery) != 'integer' OR "
                    "typeof(talent) != 'integer'"),
              0);
    SqliteStatement row = SqliteDatabase(path(), SqliteDatabase::Mode::ReadOnly).prepare(rowsOfEachPage);
    for (int64_t id = 1; id <= 12; ++id) {
        EXPECT_EQ(m_store.rawPage(id)->bytes, pages[id - 1]) << id;
        ASSERT_TRUE(row.step());
        EXPECT_EQ(row.columnText(0), rows[id - 1]) << id;
    }
    expectNewestRight({5680, 2185});
    const FetchRecord next = *fetchRecordOf(at("2026-03-08T12:00:00Z"), 2185, PageKind::Abilities, pages[11],
                                            readPage(pages[11], PageKind::Abilities));
    ASSERT_TRUE(m_store.keep(next).ok);
    EXPECT_EQ(m_store.rawPage(13)->bytes, pages[11]);
    EXPECT_EQ(m_store.page(13)->abilities, next.abilities);
}

// A team's week goes against its own first page; that page, its reference, goes against the first page
// of its kind until enough are kept to train a dictionary on. Every page comes back as received.
TEST_F(HistoryLayout, PagesArePackedAgainstTheirTeamsReferenceAndReferencesAgainstTheirKind)
{
    const DemoCatalogue catalogue = catalogueOf(135);
    ASSERT_TRUE(m_store.open(path()).ok);
    ASSERT_TRUE(seedHistory(m_store, catalogue, {2, 0, at("2024-05-31T18:00:00Z")}).failure.isEmpty());
    // Per kind: the first page as raw content, then a dictionary trained on the first 128.
    EXPECT_EQ(count("SELECT COUNT(*) FROM page_dictionaries WHERE team_id IS NULL AND substr(bytes, 1, 4) != "
                    "x'37A430EC'"),
              2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM page_dictionaries WHERE team_id IS NULL AND substr(bytes, 1, 4) = "
                    "x'37A430EC'"),
              2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM page_dictionaries WHERE team_id IS NOT NULL"), 270);
    // The second week's pages cost a fraction of a reference.
    EXPECT_LT(count("SELECT AVG(length(page)) FROM fetches WHERE id > 270") * 4,
              count("SELECT AVG(length(bytes)) FROM page_dictionaries WHERE team_id IS NOT NULL"));
    HistoryStore reader; // nothing prepared yet: every reference is unpacked from the file
    ASSERT_TRUE(reader.open(path()).ok);
    int64_t id = 0;
    for (int week = 0; week < 2; ++week)
        for (const DemoTeam &team : catalogue.teams())
            for (const PageKind kind : {PageKind::Talent, PageKind::Abilities})
                ASSERT_EQ(reader.rawPage(++id)->bytes, rosterPage(catalogue, team, kind, week)) << id;

    // A damaged page fails its reading, not the rest of the history.
    SqliteDatabase(path(), SqliteDatabase::Mode::Create)
        .execute("UPDATE fetches SET page = substr(page, 1, 20) WHERE id = 400");
    try {
        (void)m_store.rawPage(400);
        ADD_FAILURE() << "a damaged page read";
    } catch (const HistoryError &error) {
        EXPECT_EQ(error.failure(), HistoryFailure::Corrupt);
    }
    const RereadReport report = m_store.rereadAll();
    EXPECT_EQ(report.read, 539);
    EXPECT_EQ(report.failed, 1);

    // A page that has drifted far from its team's reference becomes the team's next one.
    const DemoTeam &first = catalogue.teams().front();
    std::string other = rosterPage(catalogue, catalogue.teams().back(), PageKind::Talent, 0);
    ASSERT_TRUE(m_store
                    .keep(*fetchRecordOf(at("2024-06-07T18:00:00Z"), first.teamId, PageKind::Talent, other,
                                         readPage(other, PageKind::Talent)))
                    .ok);
    EXPECT_EQ(count("SELECT COUNT(*) FROM page_dictionaries WHERE team_id = " + std::to_string(first.teamId) +
                    " AND page_kind = 'talent'"),
              2);
    EXPECT_EQ(m_store.rawPage(541)->bytes, other);
}

// The table of each team's newest pages stays right whatever adds or drops fetches: keeping, pruning,
// re-reading, and a fetch deleted in the shell.
TEST_F(HistoryLayout, TheNewestPagesStayRightThroughKeepPruneAndReread)
{
    const DemoCatalogue catalogue = catalogueOf(3);
    ASSERT_TRUE(m_store.open(path()).ok);
    ASSERT_TRUE(seedHistory(m_store, catalogue, {4, 0, at("2024-05-31T18:00:00Z")}).failure.isEmpty());
    const std::vector<int32_t> teams{1001, 1002, 1003, 4};
    expectNewestRight(teams);
    // Kept last under a clock that ran behind: still the newest, since it was stored last.
    const DemoTeam &first = catalogue.teams().front();
    std::string page = rosterPage(catalogue, first, PageKind::Talent, 9);
    ASSERT_TRUE(m_store
                    .keep(*fetchRecordOf(at("2024-01-01T00:00:00Z"), first.teamId, PageKind::Talent, page,
                                         readPage(page, PageKind::Talent)))
                    .ok);
    expectNewestRight(teams);
    EXPECT_EQ(m_store.newestFetches({first.teamId}).front().fetchedAt, at("2024-01-01T00:00:00Z"));

    EXPECT_EQ(m_store.prune(at("2024-05-30T00:00:00Z")), 18);
    expectNewestRight(teams);
    const PruneCount after = m_store.pruneCount(at("2024-05-30T00:00:00Z"));
    EXPECT_EQ(after.kept, 7);
    EXPECT_EQ(after.removed, 0);
    EXPECT_EQ(m_store.pruneCount(at("2030-01-01T00:00:00Z")).kept, 6);
    EXPECT_EQ(m_store.rereadAll().read, 7);
    expectNewestRight(teams);

    SqliteDatabase(path(), SqliteDatabase::Mode::Create)
        .execute("DELETE FROM fetches WHERE id = (SELECT MAX(id) FROM fetches)");
    expectNewestRight(teams);
    EXPECT_EQ(m_store.teams().front().fetchCount, 2);
}
