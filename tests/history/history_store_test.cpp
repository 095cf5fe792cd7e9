#include "history/history_reread.h"
#include "history/history_schema.h"
#include "history/history_store.h"
#include "roster/player_texts.h"
#include "storage/sqlite_database.h"
#include "support/roster_pages.h"
#include "text/code_page.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

QDateTime at(const char *iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate); }

TeamSummary summaryNamed(const char *name, const char *division = "Высшая лига")
{
    TeamSummary s;
    s.name = cp(name);
    s.id = "DYN";
    s.division = cp(division);
    s.money = "1 500 000";
    return s;
}

FetchRecord talentFetch(const char *time, int32_t teamId, const char *team, std::vector<TalentPlayer> players)
{
    return {at(time),           teamId, PageKind::Talent, "<html>" + cp(team), summaryNamed(team),
            std::move(players), {}};
}

TalentPlayer talent(const char *name, const char *country, double mastery, double value)
{
    return makeTalentPlayer(cp(name), cp(country), "Cm", 17, mastery, value);
}

// A history file in a folder of its own that does not exist yet.
class HistoryFile : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("data/brindlemark/history.db")); }
    // For a file made here rather than by the store.
    void makeFolder() const { QDir().mkpath(QFileInfo(path()).absolutePath()); }
    void writeBytes(const QString &file, const QByteArray &bytes) const
    {
        makeFolder();
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }
    QByteArray readBytes(const QString &file) const
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    int64_t count(const std::string &sql) const
    {
        SqliteStatement query = SqliteDatabase(path(), SqliteDatabase::Mode::ReadOnly).prepare(sql);
        return query.step() ? query.columnInteger(0) : -1;
    }

    QTemporaryDir m_dir;
    HistoryStore m_store;
};

} // namespace

TEST_F(HistoryFile, KeepsAPageWithItsSummaryRowsAndBytesVerbatim)
{
    ASSERT_TRUE(m_store.open(path()).ok);
    TeamSummary summary = summaryNamed("\"Динамо\" <b>&amp;</b> 'Ёлки'");
    summary.stadium = cp("<nobr>Арена «Север» (12 000)");
    const std::string longName = std::string(10 * 1024, '\xC0') + "<\"'>";
    const std::string page = std::string("\0\xFF\x98<html>", 9) + longName;
    FetchRecord record{at("2024-05-01T10:20:30Z"),
                       5680,
                       PageKind::Talent,
                       page,
                       summary,
                       // Numbers the rows cannot keep as hundredths or thousandths beside ones they can.
                       {makeTalentPlayer(longName, cp("Бразилия <img>"), "Gk", 16, 1e-9, 5.12345),
                        talent("Пётр \"Кот\"", "Россия", 0.1, 3.7)},
                       {}};
    const FetchRecord abilities{
        at("2024-05-01T10:21:00Z"),
        5680,
        PageKind::Abilities,
        "ab",
        summary,
        {},
        {makeAbilitiesPlayer(cp("Пётр"), "Cm", 17, 8.25, {1, 2.5, 0.125, 4, 5, 6, 1e300, -8.75})}};
    const HistoryOutcome kept = m_store.keep(record);
    EXPECT_TRUE(kept.ok);
    EXPECT_TRUE(kept.message.isEmpty());
    ASSERT_TRUE(m_store.keep(abilities).ok);

    const std::vector<StoredFetch> fetches = m_store.fetchesOf(5680);
    ASSERT_EQ(fetches.size(), 2u);
    EXPECT_EQ(fetches[1].kind, PageKind::Talent);
    EXPECT_EQ(fetches[1].playerCount, 2);
    EXPECT_EQ(fetches[1].fetchedAt, record.fetchedAt);
    const std::optional<StoredPage> stored = m_store.page(fetches[1].id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->summary, summary);
    EXPECT_EQ(stored->teamId, 5680);
    EXPECT_EQ(stored->talents, record.talents);
    EXPECT_EQ(m_store.rawPage(fetches[1].id).value().bytes, page);
    EXPECT_EQ(m_store.page(fetches[0].id)->abilities, abilities.abilities);

    // The file reads in the shell: texts as UTF-8, numbers as numbers.
    SqliteStatement shell =
        SqliteDatabase(path(), SqliteDatabase::Mode::ReadOnly)
            .prepare("SELECT f.team_name, f.page_kind, p.name, p.talent FROM players AS p "
                     "JOIN fetches AS f ON f.id = p.fetch_id WHERE f.page_kind = 'talent' "
                     "ORDER BY p.row_no DESC");
    ASSERT_TRUE(shell.step());
    EXPECT_EQ(shell.columnText(0), "\"Динамо\" <b>&amp;</b> 'Ёлки'");
    EXPECT_EQ(shell.columnText(1), "talent");
    EXPECT_EQ(shell.columnText(2), "Пётр \"Кот\"");
    EXPECT_EQ(shell.columnReal(3), 3.7);
    ASSERT_TRUE(shell.step());
    EXPECT_EQ(shell.columnReal(3), 5.12345);

    // Talent compared as the very number each row stands for, however it is kept.
    PlayerSearch search;
    search.lowestTalent = 3.7;
    EXPECT_EQ(m_store.findPlayers(search).size(), 2u);
    search.lowestTalent = 5.12345;
    ASSERT_EQ(m_store.findPlayers(search).size(), 1u);
    EXPECT_EQ(m_store.findPlayers(search).front().player, record.talents.front());
}

TEST_F(HistoryFile, ListsTeamsFetchesAndAPlayersSeries)
{
    ASSERT_TRUE(m_store.open(path()).ok);
    const auto kept = [&](const FetchRecord &record) { ASSERT_TRUE(m_store.keep(record).ok); };
    kept(talentFetch("2024-03-01T09:00:00Z", 7, "Заря", {talent("Иван", "Россия", 1, 4)}));
    kept(talentFetch("2024-03-08T09:00:00Z", 7, "Заря-2",
                     {talent("Иван", "Украина", 9, 9), talent("Иван", "Россия", 2, 4.25),
                      talent("Иван", "Россия", 7, 7)}));
    kept({at("2024-03-09T09:00:00Z"),
          7,
          PageKind::Abilities,
          "p",
          summaryNamed("Заря-2"),
          {},
          {makeAbilitiesPlayer(cp("Иван"), "Cm", 17, 5, {})}});
    kept(talentFetch("2024-03-02T09:00:00Z", 3, "Авангард", {}));

    const std::vector<StoredTeam> teams = m_store.teams();
    ASSERT_EQ(teams.size(), 2u);
    EXPECT_EQ(teams[0].name, cp("Авангард"));
    EXPECT_EQ(teams[1].teamId, 7);
    EXPECT_EQ(teams[1].name, cp("Заря-2")); // named as its latest fetch names it
    EXPECT_EQ(teams[1].fetchCount, 3);
    EXPECT_EQ(teams[1].latest, at("2024-03-09T09:00:00Z"));

    const std::vector<StoredFetch> fetches = m_store.fetchesOf(7);
    ASSERT_EQ(fetches.size(), 3u);
    EXPECT_EQ(fetches[0].kind, PageKind::Abilities);
    EXPECT_EQ(fetches[2].fetchedAt, at("2024-03-01T09:00:00Z"));

    const std::vector<SeriesPoint> series = m_store.playerSeries(7, cp("Иван"), cp("Россия"));
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].fetchedAt, at("2024-03-01T09:00:00Z"));
    EXPECT_EQ(series[1].talent, 4.25); // the first of two namesakes
    EXPECT_EQ(series[1].mastery, 2);
    // Chosen on the abilities list, which shows no country: the name alone, the first on each page.
    const std::vector<SeriesPoint> byName = m_store.playerSeries(7, cp("Иван"), {});
    ASSERT_EQ(byName.size(), 2u);
    EXPECT_EQ(byName[1].talent, 9);
}

TEST_F(HistoryFile, PruneDropsOlderFetchesWithTheirPlayersButEachTeamsLastOfEachKind)
{
    ASSERT_TRUE(m_store.open(path()).ok);
    for (const char *time : {"2024-01-01T00:00:00Z", "2024-01-31T23:59:59Z", "2024-02-01T00:00:00Z"})
        ASSERT_TRUE(
            m_store.keep(talentFetch(time, 1, "Заря", {talent("A", "B", 1, 2), talent("C", "D", 1, 2)})).ok);
    // A team last fetched long ago keeps its last page of each kind, so it is never forgotten.
    for (const char *time : {"2023-05-01T00:00:00Z", "2023-06-01T00:00:00Z"})
        ASSERT_TRUE(m_store.keep(talentFetch(time, 2, "Старт", {talent("E", "F", 1, 2)})).ok);
    ASSERT_TRUE(m_store
                    .keep({at("2023-04-01T00:00:00Z"),
                           2,
                           PageKind::Abilities,
                           "p",
                           summaryNamed("Старт"),
                           {},
                           {makeAbilitiesPlayer(cp("E"), "Cm", 17, 5, {})}})
                    .ok);
    const PruneCount planned = m_store.pruneCount(at("2024-02-01T00:00:00Z"));
    EXPECT_EQ(planned.kept, 3);
    EXPECT_EQ(planned.removed, 3);
    EXPECT_EQ(planned.oldestRemoved, at("2023-05-01T00:00:00Z"));
    EXPECT_EQ(m_store.prune(at("2024-02-01T00:00:00Z")), 3);
    ASSERT_EQ(m_store.fetchesOf(1).size(), 1u);
    EXPECT_EQ(m_store.fetchesOf(1)[0].fetchedAt, at("2024-02-01T00:00:00Z"));
    const std::vector<StoredFetch> start = m_store.fetchesOf(2);
    ASSERT_EQ(start.size(), 2u);
    EXPECT_EQ(start[1].fetchedAt, at("2023-06-01T00:00:00Z"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM players"), 4);
    EXPECT_EQ(m_store.pruneCount(at("2024-02-01T00:00:00Z")).removed, 0);
}

TEST_F(HistoryFile, RereadReplacesRowsWithWhatTodaysReaderMakesOfThePage)
{
    FixtureTeam team;
    team.squad = {fixturePlayer(QStringLiteral("Иван"), QStringLiteral("Cm"), QStringLiteral("17"),
                                QStringLiteral("12.5"), QStringLiteral("3.25"))};
    ASSERT_TRUE(m_store.open(path()).ok);
    // Stored by an older reader that got the row wrong, and a page no reader understands.
    ASSERT_TRUE(m_store
                    .keep({at("2024-01-01T00:00:00Z"),
                           1,
                           PageKind::Talent,
                           talentPage(team),
                           summaryNamed("Старое"),
                           {talent("Ivan", "?", 1, 1)},
                           {}})
                    .ok);
    ASSERT_TRUE(m_store.keep(talentFetch("2024-01-02T00:00:00Z", 1, "Заря", {talent("Z", "Z", 1, 1)})).ok);

    const RereadReport report = m_store.rereadAll();
    EXPECT_EQ(report.read, 1);
    EXPECT_EQ(report.failed, 1);
    const std::vector<StoredFetch> fetches = m_store.fetchesOf(1);
    const StoredPage fresh = *m_store.page(fetches[1].id);
    EXPECT_EQ(fresh.summary.name, cp("Динамо"));
    EXPECT_THAT(fresh.talents, ElementsAre(talent("Иван", "Россия", 12.5, 3.25)));
    EXPECT_THAT(m_store.page(fetches[0].id)->talents, ElementsAre(talent("Z", "Z", 1, 1)));
}

// A re-read batch that fails is undone whole, the names it noted too: a page kept later with one of
// them still names its player.
TEST_F(HistoryFile, AFailedRereadBatchLeavesNoNameBehind)
{
    FixtureTeam team;
    team.squad = {fixturePlayer(QStringLiteral("Пётр"), QStringLiteral("Cm"), QStringLiteral("17"),
                                QStringLiteral("12.5"), QStringLiteral("3.25"))};
    ASSERT_TRUE(m_store.open(path()).ok);
    for (const char *time : {"2024-01-01T00:00:00Z", "2024-01-02T00:00:00Z"})
        ASSERT_TRUE(m_store
                        .keep({at(time),
                               1,
                               PageKind::Talent,
                               talentPage(team),
                               summaryNamed("Заря"),
                               {talent("Иван", "Россия", 12.5, 3.25)},
                               {}})
                        .ok);
    const std::vector<int64_t> ids = m_store.fetchIds();
    SqliteDatabase(path(), SqliteDatabase::Mode::Create)
        .execute("CREATE TRIGGER refuse BEFORE INSERT ON talent_rows WHEN NEW.fetch_id = " +
                 std::to_string(ids[1]) + " BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_THROW(m_store.rereadBatch(ids), HistoryError);
    SqliteDatabase(path(), SqliteDatabase::Mode::Create).execute("DROP TRIGGER refuse");
    ASSERT_TRUE(
        m_store.keep(talentFetch("2024-01-03T00:00:00Z", 1, "Заря", {talent("Пётр", "Россия", 1, 1)})).ok);
    HistoryStore reader; // knowing only what the file holds
    ASSERT_TRUE(reader.open(path()).ok);
    EXPECT_THAT(reader.page(reader.fetchesOf(1).front().id)->talents,
                ElementsAre(talent("Пётр", "Россия", 1, 1)));
}

TEST_F(HistoryFile, RereadInStepsKeepsWhatEachStepDid)
{
    FixtureTeam team;
    team.squad = {fixturePlayer(QStringLiteral("Иван"), QStringLiteral("Cm"), QStringLiteral("17"),
                                QStringLiteral("12.5"), QStringLiteral("3.25"))};
    ASSERT_TRUE(m_store.open(path()).ok);
    // Five pages kept by an older reader that got them wrong; the third no reader understands.
    for (const char *time : {"2024-01-01T00:00:00Z", "2024-01-02T00:00:00Z", "2024-01-03T00:00:00Z",
                             "2024-01-04T00:00:00Z", "2024-01-05T00:00:00Z"}) {
        const bool unreadable = QByteArray(time).contains("01-03");
        ASSERT_TRUE(m_store
                        .keep({at(time),
                               1,
                               PageKind::Talent,
                               unreadable ? std::string("<html>") : talentPage(team),
                               summaryNamed("Старое"),
                               {talent("Ivan", "?", 1, 1)},
                               {}})
                        .ok);
    }
    const std::vector<int64_t> ids = m_store.fetchIds();
    ASSERT_EQ(ids.size(), 5u);
    const auto teamNames = [&] {
        std::vector<std::string> names;
        for (const int64_t id : ids)
            names.push_back(m_store.page(id).value().summary.name);
        return names;
    };
    const std::string fresh = cp("Динамо");
    const std::string old = cp("Старое");

    // Stopped after its first step: those pages are re-read for good, the rest as they were.
    {
        HistoryReread stopped(m_store);
        stopped.step(2);
        EXPECT_FALSE(stopped.done());
        EXPECT_EQ(stopped.doneCount(), 2);
        EXPECT_EQ(stopped.report().read, 2);
    }
    EXPECT_THAT(teamNames(), ElementsAre(fresh, fresh, old, old, old));
    EXPECT_THAT(m_store.page(ids[4])->talents, ElementsAre(talent("Ivan", "?", 1, 1)));

    HistoryReread whole(m_store);
    int steps = 0;
    for (; !whole.done() && steps < 10; ++steps)
        whole.step(2);
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(whole.total(), 5);
    EXPECT_EQ(whole.report().read, 4);
    EXPECT_EQ(whole.report().failed, 1);
    EXPECT_THAT(teamNames(), ElementsAre(fresh, fresh, old, fresh, fresh));
    EXPECT_THAT(m_store.page(ids[4])->talents, ElementsAre(talent("Иван", "Россия", 12.5, 3.25)));
    const RereadReport oneGo = m_store.rereadAll();
    EXPECT_EQ(oneGo.read, whole.report().read);
    EXPECT_EQ(oneGo.failed, whole.report().failed);
}

TEST_F(HistoryFile, AnotherProgramsFileIsSetAsideUntouchedAndOursAreMarked)
{
    makeFolder();
    {
        SqliteDatabase other(path(), SqliteDatabase::Mode::Create);
        other.execute("CREATE TABLE notes (text TEXT); INSERT INTO notes VALUES ('mine');");
    }
    const QByteArray before = readBytes(path());
    EXPECT_THAT(m_store.open(path()).message.toStdString(), HasSubstr("принадлежит другой программе"));
    EXPECT_EQ(readBytes(path() + QStringLiteral(".broken-") + QDate::currentDate().toString(u"yyyy-MM-dd")),
              before);
    ASSERT_TRUE(m_store.keep(talentFetch("2024-01-01T00:00:00Z", 1, "Заря", {})).ok);
    EXPECT_EQ(count("PRAGMA application_id"), historyApplicationId);

    // A history of ours from before the mark stays ours, and is marked when opened.
    SqliteDatabase(path(), SqliteDatabase::Mode::Create).execute("PRAGMA application_id = 0");
    HistoryStore again;
    EXPECT_TRUE(again.open(path()).message.isEmpty());
    EXPECT_EQ(again.teams().size(), 1u);
    EXPECT_EQ(count("PRAGMA application_id"), historyApplicationId);
}

#ifndef Q_OS_WIN
TEST_F(HistoryFile, AHistoryInAFolderThatCannotBeWrittenIsStillRead)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes in every folder";
    {
        HistoryStore writer; // closed at the end, so its log is folded back and removed
        ASSERT_TRUE(writer.open(path()).ok);
        ASSERT_TRUE(writer.keep(talentFetch("2024-01-01T00:00:00Z", 1, "Заря", {})).ok);
    }
    const QString folder = QFileInfo(path()).absolutePath();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    HistoryStore reader;
    const HistoryOutcome opened = reader.open(path());
    const size_t teams = reader.teams().size();
    const HistoryOutcome kept = reader.keep(talentFetch("2024-01-02T00:00:00Z", 1, "Заря", {}));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(opened.ok) << opened.message.toStdString();
    EXPECT_EQ(teams, 1u);
    EXPECT_EQ(kept.failure, HistoryFailure::NotWritable);
}
#endif

TEST_F(HistoryFile, MigrationRunsOnlyTheStepsAboveTheFilesVersionAndAllOrNone)
{
    makeFolder();
    const SqliteDatabase db(path(), SqliteDatabase::Mode::Create);
    const std::vector<SchemaStep> first{{1, "CREATE TABLE a (x)"}};
    migrateSchema(db, first);
    // Step 1 would fail if run again; step 3 fails on the second row of a after step 2 has run.
    db.execute("INSERT INTO a VALUES (1), (2)");
    std::vector<SchemaStep> later{first[0],
                                  {2, "CREATE TABLE b (y)"},
                                  {3, "", "a", "UPDATE a SET x = iif(x = 2, json('{'), x) WHERE rowid = ?1"}};
    try {
        migrateSchema(db, later);
        ADD_FAILURE() << "a failed step went through";
    } catch (const SchemaRowError &error) {
        EXPECT_EQ(error.rowId(), 2);
    }
    EXPECT_EQ(schemaVersionOf(db), 1);
    EXPECT_EQ(db.userTableNames(), std::vector<std::string>{"a"});

    later.pop_back();
    migrateSchema(db, later);
    EXPECT_EQ(schemaVersionOf(db), 2);
    EXPECT_EQ(db.userTableNames(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(HistoryFile, AFileOfANewerProgramIsLeftAlone)
{
    makeFolder();
    SqliteDatabase(path(), SqliteDatabase::Mode::Create)
        .execute("PRAGMA user_version = 99; PRAGMA application_id = " + std::to_string(historyApplicationId));
    const QByteArray before = readBytes(path());
    const HistoryOutcome opened = m_store.open(path());
    EXPECT_FALSE(opened.ok);
    EXPECT_EQ(opened.failure, HistoryFailure::TooNew);
    EXPECT_FALSE(m_store.keep(talentFetch("2024-01-01T00:00:00Z", 1, "Заря", {})).ok);
    EXPECT_EQ(readBytes(path()), before);
}

TEST_F(HistoryFile, ABrokenFileIsSetAsideAndANewOneStarted)
{
    // A valid header over a damaged schema page reads as corrupt; anything else is not a database.
    {
        SqliteDatabase(m_dir.filePath(QStringLiteral("good.db")), SqliteDatabase::Mode::Create)
            .execute("CREATE TABLE t (x); INSERT INTO t VALUES (1);");
    }
    QByteArray damaged = readBytes(m_dir.filePath(QStringLiteral("good.db")));
    damaged.replace(100, 12, QByteArray(12, '\xEE'));
    const QByteArray broken[] = {QByteArray("this is not a history file, just text\n").repeated(40), damaged};

    const QString stem = path() + QStringLiteral(".broken-") + QDate::currentDate().toString(u"yyyy-MM-dd");
    const QString asides[] = {stem, stem + QStringLiteral("-2")};
    for (size_t i = 0; i < std::size(broken); ++i) {
        SCOPED_TRACE(i);
        HistoryStore store;
        writeBytes(path(), broken[i]);
        const HistoryOutcome opened = store.open(path());
        EXPECT_TRUE(opened.ok);
        EXPECT_EQ(opened.message, QStringLiteral("Файл истории повреждён и отложен как %1; начат новый.")
                                      .arg(QDir::toNativeSeparators(asides[i])));
        EXPECT_EQ(readBytes(asides[i]), broken[i]);
        EXPECT_TRUE(store.keep(talentFetch("2024-01-01T00:00:00Z", 1, "Заря", {})).ok);
        EXPECT_EQ(store.teams().size(), 1u);
    }
}

// Waits out the 2 s lock timeout once: slow by design.
TEST_F(HistoryFile, APageIsNotKeptWhileAnotherInstanceHoldsTheWriteLock)
{
    ASSERT_TRUE(m_store.open(path()).ok);
    const SqliteDatabase other(path(), SqliteDatabase::Mode::Create);
    other.execute("BEGIN IMMEDIATE");

    QElapsedTimer waited;
    waited.start();
    const HistoryOutcome kept = m_store.keep(talentFetch("2024-01-01T00:00:00Z", 1, "Заря", {}));
    EXPECT_GE(waited.elapsed(), 1500);
    EXPECT_FALSE(kept.ok);
    EXPECT_EQ(kept.failure, HistoryFailure::Locked);
    EXPECT_THAT(kept.message.toStdString(), HasSubstr("занят другой копией программы"));

    other.execute("COMMIT");
    EXPECT_TRUE(m_store.keep(talentFetch("2024-01-01T00:00:00Z", 1, "Заря", {})).ok);
}

#ifndef Q_OS_WIN
TEST(HistoryPath, LivesInTheUsersDataFolder)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/brindlemark-data-home");
    EXPECT_EQ(defaultHistoryPath(), QStringLiteral("/tmp/brindlemark-data-home/brindlemark/history.db"));
    if (saved.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
}
#endif

TEST_F(HistoryFile, PagesKeptByTheFirstLayoutStillRead)
{
    makeFolder();
    const std::string page = "<html>" + cp("Заря") + std::string(5000, 'x');
    {
        const SqliteDatabase older(path(), SqliteDatabase::Mode::Create);
        migrateSchema(older, {historySchemaSteps().front()});
        // That layout stored qCompress's output: a 4-byte length, then the zlib stream.
        const QByteArray packed = qCompress(QByteArray::fromStdString(page));
        SqliteStatement insert = older.prepare(
            "INSERT INTO fetches VALUES (1, '2024-01-01T00:00:00Z', 7, 'talent', 'Заря', '', '', '', '', "
            "'', '', '', '', '', '', '', 0, ?1)");
        insert.bindBlob(1, std::string_view(packed.constData(), static_cast<size_t>(packed.size())));
        insert.run();
    }
    ASSERT_TRUE(m_store.open(path()).ok);
    EXPECT_EQ(m_store.rawPage(1).value().bytes, page);
    ASSERT_TRUE(m_store.keep(talentFetch("2024-01-02T00:00:00Z", 7, "Заря", {})).ok);
    EXPECT_EQ(m_store.fetchesOf(7).size(), 2u);
}

TEST_F(HistoryFile, AnOldFileWithAnEmptyOrShortPageIsBroughtUpToDate)
{
    makeFolder();
    const std::string page = "<html>" + cp("Заря");
    {
        const SqliteDatabase older(path(), SqliteDatabase::Mode::Create);
        migrateSchema(older, {historySchemaSteps().front()});
        const QByteArray packed = qCompress(QByteArray::fromStdString(page));
        for (const std::string &blob : {packed.toStdString(), std::string(), std::string("\x01\x02", 2)}) {
            SqliteStatement insert =
                older.prepare("INSERT INTO fetches VALUES (NULL, '2024-01-01T00:00:00Z', 7, 'talent', "
                              "'Заря', '', '', '', '', '', '', '', '', '', '', '', 0, ?1)");
            insert.bindBlob(1, blob);
            insert.run();
        }
    }
    const HistoryOutcome opened = m_store.open(path());
    ASSERT_TRUE(opened.ok) << opened.message.toStdString();
    EXPECT_EQ(m_store.fetchesOf(7).size(), 3u);
    EXPECT_EQ(m_store.rawPage(1).value().bytes, page);
    EXPECT_EQ(m_store.page(2).value().summary.name, cp("Заря"));
    EXPECT_THROW((void)m_store.rawPage(3), HistoryError);
}

// Times as the store writes them, and as the shell may have put them in.
TEST(StoredTime, ReadsTheStoresSpellingAndAnyOtherIsoTime)
{
    const QDateTime noon = QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56), Qt::UTC);
    EXPECT_EQ(storedTimeOf(storedTimeText(noon)), noon);
    EXPECT_EQ(storedTimeOf("2024-05-01T15:34:56+03:00"), noon);
    EXPECT_EQ(storedTimeOf("2024-04-30T24:00:00Z"), QDateTime(QDate(2024, 5, 1), QTime(0, 0), Qt::UTC));
    EXPECT_FALSE(storedTimeOf("2024-13-01T00:00:00Z").isValid());
}
