#include "history/history_store.h"

#include "history/history_reread.h"
#include "history/history_schema.h"
#include "history/page_dictionaries.h"
#include "history/page_packing.h"
#include "history/player_rows.h"
#include "storage/sqlite_database.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <atomic>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <sqlite3.h>
#include <thread>

namespace {

constexpr int lockWaitMilliseconds = 2000;
constexpr int64_t walFoldBytes = int64_t{4} * 1024 * 1024;
constexpr int64_t mappedBytes = int64_t{1} << 30;

// The twelve summary texts in page order and the columns that hold them.
constexpr std::array<std::string TeamSummary::*, 12> summaryFields{
    &TeamSummary::name,    &TeamSummary::id,        &TeamSummary::manager,  &TeamSummary::rank,
    &TeamSummary::city,    &TeamSummary::stadium,   &TeamSummary::division, &TeamSummary::money,
    &TeamSummary::players, &TeamSummary::additions, &TeamSummary::power,    &TeamSummary::spectatorRating};
constexpr std::array<const char *, 12> summaryColumns{
    "team_name", "id_text", "manager",       "rank",      "city",  "stadium",
    "division",  "money",   "players_total", "additions", "power", "spectator_rating"};

// "team_name, id_text, ..." or, with a first parameter number, "team_name = ?4, id_text = ?5, ...".
std::string summaryColumnList(int firstParameter = 0)
{
    std::string list;
    for (size_t i = 0; i < summaryColumns.size(); ++i) {
        list += (i ? ", " : "") + std::string(summaryColumns[i]);
        if (firstParameter)
            list += " = ?" + std::to_string(firstParameter + static_cast<int>(i));
    }
    return list;
}

// Made when a message is, so it speaks the interface language of that moment.
QString keepPrefix()
{
    return QCoreApplication::translate("HistoryStore", "Страница не сохранена в истории: %1.");
}
QString openPrefix() { return QCoreApplication::translate("HistoryStore", "История недоступна: %1."); }
QString readPrefix()
{
    return QCoreApplication::translate("HistoryStore", "Не удалось прочитать историю: %1.");
}
QString changePrefix()
{
    return QCoreApplication::translate("HistoryStore", "Не удалось изменить историю: %1.");
}

PageKind kindOf(const std::string &text)
{
    return text == "abilities" ? PageKind::Abilities : PageKind::Talent;
}

int64_t playerCount(const FetchRecord &record)
{
    return static_cast<int64_t>(record.kind == PageKind::Talent ? record.talents.size()
                                                                : record.abilities.size());
}

void bindSummary(SqliteStatement &statement, int firstParameter, const TeamSummary &summary)
{
    for (size_t i = 0; i < summaryFields.size(); ++i)
        statement.bindText(firstParameter + static_cast<int>(i), utf8FromCp1251(summary.*summaryFields[i]));
}

TeamSummary summaryOf(const SqliteStatement &row, int firstColumn)
{
    TeamSummary summary;
    for (size_t i = 0; i < summaryFields.size(); ++i)
        summary.*summaryFields[i] = cp1251FromUtf8(row.columnText(firstColumn + static_cast<int>(i)));
    return summary;
}

int64_t pageSizeOf(const SqliteDatabase &db)
{
    SqliteStatement query = db.prepare("PRAGMA page_size");
    return query.step() ? std::max<int64_t>(query.columnInteger(0), 512) : 4096;
}

HistoryError historyError(const SqliteError &error, const QString &path, const QString &prefix)
{
    const HistoryFailure failure = historyFailureOf(error.code());
    return HistoryError(failure, toCp1251(prefix.arg(historyFailureReason(failure, path, error.what()))));
}

// Runs a read or a change of the file, turning SQLite's failure into one the user can be shown.
template <class Body> auto guarded(const QString &path, QString (*prefix)(), Body &&body)
{
    try {
        return body();
    } catch (const SqliteError &error) {
        throw historyError(error, path, prefix());
    }
}

// Begun for writing at once, so a lock held elsewhere is waited for before anything changes; rolled
// back unless committed.
class WriteTransaction {
public:
    explicit WriteTransaction(const SqliteDatabase &db) : m_db(db) { m_db.execute("BEGIN IMMEDIATE"); }
    ~WriteTransaction()
    {
        try {
            if (m_db.inTransaction())
                m_db.execute("ROLLBACK");
        } catch (const SqliteError &) {
            // The failure that brought us here is the one reported.
        }
    }
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;
    void commit() { m_db.execute("COMMIT"); }

private:
    const SqliteDatabase &m_db;
};

// A page's head: its time, team, kind and summary, from the columns "fetched_at, team_id, page_kind"
// and the summary's that follow.
StoredPage pageHeadOf(int64_t fetchId, const SqliteStatement &head, int firstColumn)
{
    return {fetchId,
            static_cast<int32_t>(head.columnInteger(firstColumn + 1)),
            storedTimeOf(head.columnText(firstColumn)),
            kindOf(head.columnText(firstColumn + 2)),
            summaryOf(head, firstColumn + 3),
            {},
            {}};
}

// Calls work(0) ... work(count - 1), spread over the machine's cores; the first exception thrown is
// thrown again once every call is done.
void forEachSideBySide(size_t count, const std::function<void(size_t)> &work)
{
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto worker = [&] {
        for (size_t i = next++; i < count; i = next++) {
            try {
                work(i);
            } catch (...) {
                const std::lock_guard locked(failureLock);
                if (!failure)
                    failure = std::current_exception();
            }
        }
    };
    const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8);
    {
        std::vector<std::jthread> helpers;
        for (size_t t = 1; t < std::min(threads, count); ++t)
            helpers.emplace_back(worker);
        worker();
    }
    if (failure)
        std::rethrow_exception(failure);
}

// The fetches prune spares whatever their age: each team's page of each kind stored last. Found through
// fetches_by_time, so a start-up with nothing old to drop reads nothing but the start of that index.
constexpr const char *prunable = "fetched_at < ?1 AND id NOT IN (SELECT fetch_id FROM newest_pages)";

} // namespace

HistoryStore::HistoryStore() : m_dictionaries(std::make_unique<PageDictionaries>()) {}
HistoryStore::~HistoryStore() = default;

HistoryOutcome HistoryStore::open(const QString &path)
{
    m_path = path;
    return openFile();
}

HistoryOutcome HistoryStore::failure(HistoryFailure failure, const std::string &sqliteMessage,
                                     const QString &prefix) const
{
    return {false, failure, prefix.arg(historyFailureReason(failure, m_path, sqliteMessage))};
}

HistoryOutcome HistoryStore::openFile()
{
    disconnect();
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return failure(HistoryFailure::NotWritable, {}, openPrefix());
    try {
        HistoryOutcome outcome = connect();
        if (outcome.failure != HistoryFailure::Foreign)
            return outcome;
    } catch (const SchemaRowError &error) {
        // The update is rolled back whole: the file stays as it was, and the row that stopped it is named.
        disconnect();
        return {
            false, HistoryFailure::Other,
            openPrefix().arg(
                QCoreApplication::translate("HistoryStore", "файл истории %1 не удалось обновить: строка %2 "
                                                            "таблицы %3 (%4)")
                    .arg(QDir::toNativeSeparators(m_path))
                    .arg(error.rowId())
                    .arg(QString::fromStdString(error.table()), QString::fromStdString(error.what())))};
    } catch (const SqliteError &error) {
        disconnect();
        const HistoryFailure kind = historyFailureOf(error.code());
        if (kind != HistoryFailure::Corrupt)
            return failure(kind, error.what(), openPrefix());
        return startAgain(HistoryFailure::Corrupt);
    }
    return startAgain(HistoryFailure::Foreign);
}

HistoryOutcome HistoryStore::connect()
{
    auto db = std::make_unique<SqliteDatabase>(m_path, SqliteDatabase::Mode::Create);
    db->setBusyTimeout(lockWaitMilliseconds);
    // The first reads touch the header and the schema: a file that is not SQLite, or whose schema is
    // damaged, fails here and is set aside. Nothing is written before the file is known to be ours.
    HistoryFileOwner owner = HistoryFileOwner::Other;
    try {
        owner = historyFileOwner(*db);
    } catch (const SqliteError &error) {
        if (historyFailureOf(error.code()) != HistoryFailure::NotWritable)
            throw;
        return connectUnchanging(); // a folder we may not write in: its file is still read
    }
    if (owner == HistoryFileOwner::Other)
        return failure(HistoryFailure::Foreign, {}, openPrefix());
    if (schemaVersionOf(*db) > historySchemaVersion())
        return failure(HistoryFailure::TooNew, {}, openPrefix());
    if (owner == HistoryFileOwner::Us && schemaVersionOf(*db) == historySchemaVersion() &&
        !QFileInfo(QFileInfo(m_path).absolutePath()).isWritable())
        return connectUnchanging();
    // Packed pages run to 1-2 KB, so 4 KB database pages hold them whole, and keeping a page writes a
    // few 4 KB pages to the log rather than as many 64 KB ones. Takes effect only on a file still empty
    // (a file of an earlier build keeps its 64 KB pages), so before the log is turned on.
    db->execute("PRAGMA page_size = 4096");
    db->execute("PRAGMA journal_mode = WAL");
    // The log is folded back every 4 MB, whatever the file's page size.
    db->execute("PRAGMA wal_autocheckpoint = " + std::to_string(walFoldBytes / pageSizeOf(*db)));
    // With the log, NORMAL loses nothing when the program dies; only a power cut may lose the last pages.
    db->execute("PRAGMA synchronous = NORMAL");
    // Read through a map of the file rather than copied into each connection's small page cache: a
    // search over every stored week of 2,000 teams took 0.16 s so rather than 0.26 s.
    db->execute("PRAGMA mmap_size = " + std::to_string(mappedBytes));
    db->execute("PRAGMA foreign_keys = ON");
    migrateSchema(*db, historySchemaSteps());
    markAsHistory(*db);
    m_db = std::move(db);
    m_dictionaries = std::make_unique<PageDictionaries>();
    m_rows = std::make_unique<PlayerRows>(*m_db);
    return {true, HistoryFailure::None, {}};
}

HistoryOutcome HistoryStore::connectUnchanging()
{
    auto db = std::make_unique<SqliteDatabase>(m_path, SqliteDatabase::Mode::Unchanging);
    const HistoryFileOwner owner = historyFileOwner(*db);
    const int version = schemaVersionOf(*db);
    if (owner == HistoryFileOwner::Us && version > historySchemaVersion())
        return failure(HistoryFailure::TooNew, {}, openPrefix());
    // Only a file of ours as this program writes it is read; anything else would need changing first.
    if (owner != HistoryFileOwner::Us || version != historySchemaVersion())
        return failure(HistoryFailure::NotWritable, {}, openPrefix());
    m_db = std::move(db);
    m_dictionaries = std::make_unique<PageDictionaries>();
    m_rows = std::make_unique<PlayerRows>(*m_db);
    return {true, HistoryFailure::None, {}};
}

HistoryOutcome HistoryStore::startAgain(HistoryFailure why)
{
    disconnect();
    const QString aside = setAsideBrokenFile(m_path);
    if (aside.isEmpty())
        return failure(HistoryFailure::NotWritable, {}, openPrefix());
    try {
        HistoryOutcome outcome = connect();
        if (outcome.ok)
            outcome.message =
                (why == HistoryFailure::Foreign
                     ? QCoreApplication::translate(
                           "HistoryStore",
                           "Файл истории принадлежит другой программе и отложен как %1; начат "
                           "новый.")
                     : QCoreApplication::translate("HistoryStore",
                                                   "Файл истории повреждён и отложен как %1; начат новый."))
                    .arg(QDir::toNativeSeparators(aside));
        return outcome;
    } catch (const SqliteError &error) {
        disconnect();
        return failure(historyFailureOf(error.code()), error.what(), openPrefix());
    }
}

HistoryOutcome HistoryStore::keep(const FetchRecord &record)
{
    HistoryOutcome opened{true, HistoryFailure::None, {}};
    if (!m_db) {
        if (m_path.isEmpty())
            return {false, HistoryFailure::Other,
                    keepPrefix().arg(QCoreApplication::translate("HistoryStore", "файл истории не открыт"))};
        opened = openFile();
        if (!opened.ok)
            return {false, opened.failure, opened.message};
    }
    try {
        write(record);
        return opened; // with the notice of a file set aside on the way, if any
    } catch (const SqliteError &error) {
        if (historyFailureOf(error.code()) != HistoryFailure::Corrupt)
            return failure(historyFailureOf(error.code()), error.what(), keepPrefix());
    } catch (const std::exception &error) { // the page could not be packed
        return failure(HistoryFailure::Other, error.what(), keepPrefix());
    }
    // Damage deeper in the file than opening looks: the same remedy, then the page once more.
    HistoryOutcome fresh = startAgain(HistoryFailure::Corrupt);
    if (!fresh.ok)
        return fresh;
    try {
        write(record);
        return fresh;
    } catch (const SqliteError &error) {
        return failure(historyFailureOf(error.code()), error.what(), keepPrefix());
    }
}

void HistoryStore::write(const FetchRecord &record) const
{
    try {
        WriteTransaction transaction(*m_db);
        const PageDictionaries::Packed packed =
            m_dictionaries->pack(*m_db, record.kind, record.teamId, record.page);
        const Reusing insert(prepared(
            "INSERT INTO fetches (fetched_at, team_id, page_kind, " + summaryColumnList() +
            ", player_count, page, dictionary_id, packing) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, "
            "?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, 'zstd')"));
        insert->bindText(1, storedTimeText(record.fetchedAt)).bindInteger(2, record.teamId);
        insert->bindText(3, pageKindText(record.kind));
        bindSummary(*insert, 4, record.summary);
        insert->bindInteger(16, playerCount(record)).bindBlob(17, packed.bytes);
        if (packed.dictionaryId)
            insert->bindInteger(18, *packed.dictionaryId);
        else
            insert->bindNull(18);
        insert->run();
        m_rows->keep(m_db->lastInsertRowId(), record);
        transaction.commit();
    } catch (...) {
        // A dictionary or a text stored in the transaction went with it.
        m_dictionaries->forget();
        m_rows->forget();
        throw;
    }
}

// The stored page as received, unpacked with its dictionary.
std::optional<RawPage> HistoryStore::rawPageOf(int64_t fetchId) const
{
    const Reusing query(prepared("SELECT page, packing, dictionary_id, fetched_at, team_id, page_kind "
                                 "FROM fetches WHERE id = ?1"));
    query->bindInteger(1, fetchId);
    if (!query->step())
        return std::nullopt;
    const std::optional<int64_t> dictionaryId =
        query->columnType(2) == SQLITE_NULL ? std::nullopt : std::optional(query->columnInteger(2));
    std::optional<std::string> bytes = m_dictionaries->unpack(
        *m_db, query->columnBlob(0), query->columnText(1) == "zstd" ? PagePacking::Zstd : PagePacking::Zlib,
        dictionaryId);
    if (!bytes)
        throw HistoryError(
            HistoryFailure::Corrupt,
            toCp1251(readPrefix().arg(historyFailureReason(HistoryFailure::Corrupt, m_path, {}))));
    return RawPage{static_cast<int32_t>(query->columnInteger(4)), storedTimeOf(query->columnText(3)),
                   kindOf(query->columnText(5)), std::move(*bytes)};
}

void HistoryStore::disconnect()
{
    m_statements.clear(); // before the connection they belong to
    m_rows.reset();
    m_db.reset();
}

SqliteStatement &HistoryStore::prepared(const std::string &sql) const
{
    auto found = m_statements.find(sql);
    if (found == m_statements.end())
        found = m_statements.emplace(sql, m_db->prepare(sql)).first;
    return found->second;
}

std::vector<StoredTeam> HistoryStore::teams() const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix, [this] {
        // The latest fetch is the one stored last, whose name, division and time the team is listed by:
        // a fetch kept under a clock that ran ahead must not outrank the ones after it.
        // With one MAX() the other columns come from the row holding it: the team's fetch stored last.
        SqliteStatement query = m_db->prepare("SELECT team_id, team_name, division, SUM(fetch_count), "
                                              "fetched_at, MAX(fetch_id) FROM newest_pages "
                                              "GROUP BY team_id ORDER BY team_name, team_id");
        std::vector<StoredTeam> teams;
        while (query.step())
            teams.push_back({static_cast<int32_t>(query.columnInteger(0)),
                             cp1251FromUtf8(query.columnText(1)), cp1251FromUtf8(query.columnText(2)),
                             static_cast<int>(query.columnInteger(3)), storedTimeOf(query.columnText(4))});
        return teams;
    });
}

std::vector<StoredFetch> HistoryStore::fetchesOf(int32_t teamId) const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix, [&] {
        const Reusing query(prepared("SELECT id, fetched_at, page_kind, player_count FROM fetches "
                                     "WHERE team_id = ?1 ORDER BY id DESC"));
        query->bindInteger(1, teamId);
        std::vector<StoredFetch> fetches;
        while (query->step())
            fetches.push_back({query->columnInteger(0), storedTimeOf(query->columnText(1)),
                               kindOf(query->columnText(2)), static_cast<int>(query->columnInteger(3))});
        return fetches;
    });
}

std::optional<StoredPage> HistoryStore::page(int64_t fetchId) const
{
    if (!m_db)
        return std::nullopt;
    return guarded(m_path, readPrefix, [&] { return storedPageOf(fetchId); });
}

std::optional<StoredPage> HistoryStore::storedPageOf(int64_t fetchId) const
{
    const Reusing head(prepared("SELECT fetched_at, team_id, page_kind, " + summaryColumnList() +
                                " FROM fetches WHERE id = ?1"));
    head->bindInteger(1, fetchId);
    if (!head->step())
        return std::nullopt;
    StoredPage page = pageHeadOf(fetchId, *head, 0);
    m_rows->readInto(page);
    return page;
}

std::vector<StoredPage> HistoryStore::pagesOf(int32_t teamId) const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix, [&] {
        SqliteStatement heads =
            m_db->prepare("SELECT id, fetched_at, team_id, page_kind, " + summaryColumnList() +
                          " FROM fetches WHERE team_id = ?1 ORDER BY id DESC");
        heads.bindInteger(1, teamId);
        std::vector<StoredPage> pages;
        while (heads.step())
            pages.push_back(pageHeadOf(heads.columnInteger(0), heads, 1));
        std::map<int64_t, StoredPage *> byId;
        for (StoredPage &page : pages)
            byId[page.id] = &page;
        m_rows->readTeamInto(teamId, byId);
        return pages;
    });
}

std::optional<RawPage> HistoryStore::rawPage(int64_t fetchId) const
{
    if (!m_db)
        return std::nullopt;
    return guarded(m_path, readPrefix, [&] { return rawPageOf(fetchId); });
}

std::vector<SeriesPoint> HistoryStore::playerSeries(int32_t teamId, const std::string &name,
                                                    const std::string &country) const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix,
                   [&] { return m_rows->series(teamId, utf8FromCp1251(name), utf8FromCp1251(country)); });
}

int HistoryStore::prune(const QDateTime &olderThan)
{
    if (!m_db)
        return 0;
    return guarded(m_path, changePrefix, [&] {
        WriteTransaction transaction(*m_db);
        SqliteStatement drop = m_db->prepare(std::string("DELETE FROM fetches WHERE ") + prunable);
        drop.bindText(1, storedTimeText(olderThan));
        drop.run();
        const auto dropped = static_cast<int>(m_db->changes()); // the players go with them by cascade
        transaction.commit();
        return dropped;
    });
}

PruneCount HistoryStore::pruneCount(const QDateTime &olderThan) const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix, [&] {
        SqliteStatement query =
            m_db->prepare(std::string("SELECT (SELECT SUM(fetch_count) FROM newest_pages), COUNT(*), "
                                      "MIN(fetched_at) FROM fetches INDEXED BY fetches_by_time WHERE ") +
                          prunable);
        query.bindText(1, storedTimeText(olderThan));
        query.step();
        const auto removed = static_cast<int>(query.columnInteger(1));
        return PruneCount{static_cast<int>(query.columnInteger(0)) - removed, removed,
                          removed ? storedTimeOf(query.columnText(2)) : QDateTime()};
    });
}

std::vector<int64_t> HistoryStore::fetchIds() const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix, [this] {
        std::vector<int64_t> ids;
        // The pages of one reference one after another, so each reference is unpacked once.
        SqliteStatement query = m_db->prepare("SELECT id FROM fetches ORDER BY dictionary_id, id");
        while (query.step())
            ids.push_back(query.columnInteger(0));
        return ids;
    });
}

RereadReport HistoryStore::rereadBatch(std::span<const int64_t> fetchIds, const PageReader &read)
{
    if (!m_db || fetchIds.empty())
        return {};
    return guarded(m_path, changePrefix, [&] {
        // One commit for the batch rather than one a page halves the time of a whole re-read.
        WriteTransaction transaction(*m_db);
        // The file is read page after page, the pages are read by the reader side by side.
        std::vector<std::optional<RawPage>> stored(fetchIds.size());
        for (size_t i = 0; i < fetchIds.size(); ++i) {
            try {
                stored[i] = rawPageOf(fetchIds[i]); // none when pruned meanwhile by another instance
            } catch (const HistoryError &) {
                // The page no longer unpacks; its rows stay.
            }
        }
        std::vector<std::optional<FetchRecord>> records(stored.size());
        forEachSideBySide(stored.size(), [&](size_t i) {
            if (const std::optional<RawPage> &page = stored[i])
                records[i] = fetchRecordOf(page->fetchedAt, page->teamId, page->kind, {},
                                           read(page->bytes, page->kind));
        });
        RereadReport report;
        try {
            for (size_t i = 0; i < fetchIds.size(); ++i)
                ++(rewrite(fetchIds[i], records[i]) ? report.read : report.failed);
            transaction.commit();
        } catch (...) {
            m_rows->forget(); // a text noted in the batch went with it
            throw;
        }
        return report;
    });
}

RereadReport HistoryStore::rereadAll(const PageReader &read)
{
    HistoryReread reread(*this, read);
    while (!reread.done())
        reread.step();
    return reread.report();
}

bool HistoryStore::rewrite(int64_t fetchId, const std::optional<FetchRecord> &record) const
{
    const std::optional<StoredPage> before = storedPageOf(fetchId);
    if (!record || !before)
        return false;
    // Only what reads differently today is written: a re-read by the same reader writes nothing.
    if (before->summary != record->summary ||
        static_cast<int64_t>(before->playerCount()) != playerCount(*record)) {
        const Reusing update(
            prepared("UPDATE fetches SET " + summaryColumnList(1) + ", player_count = ?13 WHERE id = ?14"));
        bindSummary(*update, 1, record->summary);
        update->bindInteger(13, playerCount(*record)).bindInteger(14, fetchId);
        update->run();
    }
    if (before->talents != record->talents || before->abilities != record->abilities) {
        m_rows->drop(fetchId);
        m_rows->keep(fetchId, *record);
    }
    return true;
}

std::vector<NewestFetch> HistoryStore::newestFetches(const std::vector<int32_t> &teamIds) const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix, [&] {
        const Reusing query(prepared("SELECT page_kind, fetch_id, fetched_at FROM newest_pages "
                                     "WHERE team_id = ?1 ORDER BY page_kind DESC"));
        std::vector<NewestFetch> newest;
        for (const int32_t teamId : teamIds) {
            query->reset();
            query->bindInteger(1, teamId);
            while (query->step())
                newest.push_back({teamId, kindOf(query->columnText(0)), query->columnInteger(1),
                                  storedTimeOf(query->columnText(2))});
        }
        return newest;
    });
}

std::vector<FoundPlayer> HistoryStore::findPlayers(const PlayerSearch &search) const
{
    if (!m_db)
        return {};
    return guarded(m_path, readPrefix, [&] { return m_rows->find(search); });
}
