#pragma once

#include "history/history_file.h"
#include "history/history_records.h"
#include "history/player_search.h"
#include "storage/sqlite_database.h"
#include "text/app_error.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class PageDictionaries;
class PlayerRows;

// What opening the history or keeping a page came to. The message is for the user, empty
// when there is nothing to tell; a broken file set aside and replaced is ok with a message.
struct HistoryOutcome {
    bool ok = false;
    HistoryFailure failure = HistoryFailure::None;
    QString message;
};

// A read, a prune or a re-read of the history that failed; the message (windows-1251) is for the user.
class HistoryError : public AppError {
public:
    HistoryError(HistoryFailure failure, const std::string &message) : AppError(message), m_failure(failure)
    {
    }
    HistoryFailure failure() const { return m_failure; }

private:
    HistoryFailure m_failure;
};

// The fetch of one kind of a team stored last.
struct NewestFetch {
    int32_t teamId = 0;
    PageKind kind = PageKind::Talent;
    int64_t fetchId = 0;
    QDateTime fetchedAt;
};

// Reads one page; a re-read calls it from several threads at once.
using PageReader = std::function<PageReading(std::string_view page, PageKind kind)>;

// The persistent fetch history: one SQLite file, one transaction per page, so a program killed in the
// middle of a run loses at most the page it was writing. Another instance may use the same file; a
// write waits up to 2 s for it.
class HistoryStore {
public:
    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    // Opens or makes the file (and its folder) and brings an older layout up to date. A file that is
    // not SQLite, is damaged or is another program's is set aside and a new one started; the message
    // says where it went. A file of ours in a folder that cannot be written is opened for reading.
    HistoryOutcome open(const QString &path);
    bool isOpen() const { return m_db != nullptr; }
    const QString &path() const { return m_path; }

    // Writes one page. Never throws: a failure only means the page is not kept, and the message says
    // why. A store whose opening failed tries to open the file again first.
    HistoryOutcome keep(const FetchRecord &record);

    // The readers below give nothing while the store is not open and throw HistoryError when the file
    // fails them.

    // Every team, by name, then identifier.
    std::vector<StoredTeam> teams() const;
    // A team's fetches, the one stored last first, whatever the clock said when each was kept.
    std::vector<StoredFetch> fetchesOf(int32_t teamId) const;
    std::optional<StoredPage> page(int64_t fetchId) const;
    // Every page of a team with its players, in the order of fetchesOf.
    std::vector<StoredPage> pagesOf(int32_t teamId) const;
    // The page bytes as received; a page that no longer unpacks throws HistoryError (Corrupt).
    std::optional<RawPage> rawPage(int64_t fetchId) const;
    // Talent and mastery of the player of that name and country in each talent fetch of the team that
    // lists one, oldest first; when a page lists two, the first counts. An empty country (the abilities
    // list shows none) matches any.
    std::vector<SeriesPoint> playerSeries(int32_t teamId, const std::string &name,
                                          const std::string &country) const;

    // Each team's fetch of each kind stored last, team by team as asked (the talent page first); a team
    // never stored gives none. Read from a table kept as pages come and go, never from every fetch.
    std::vector<NewestFetch> newestFetches(const std::vector<int32_t> &teamIds) const;

    // The players of the stored talent pages that match, by team name, team, time (newest first) and
    // page order.
    std::vector<FoundPlayer> findPlayers(const PlayerSearch &search) const;

    // Drops every fetch made before the time but the one of each team and page kind stored last, so a
    // team is never forgotten; returns how many went.
    int prune(const QDateTime &olderThan);
    // What prune would come to, changing nothing.
    PruneCount pruneCount(const QDateTime &olderThan) const;
    // Every stored page, those packed against one dictionary together: what a re-read goes over.
    std::vector<int64_t> fetchIds() const;
    // Reads those pages again and replaces each one's summary and rows with what the reader makes of
    // it today where that differs from what is stored, all in one transaction: the batch is re-read whole or
    // not at all. A page that no longer unpacks, or is gone, counts as not read and keeps its rows.
    RereadReport rereadBatch(std::span<const int64_t> fetchIds, const PageReader &read = readPage);
    // The same over every stored page, a batch at a time (HistoryReread).
    RereadReport rereadAll(const PageReader &read = readPage);

private:
    HistoryOutcome openFile();
    HistoryOutcome connect();
    HistoryOutcome connectUnchanging();
    // Sets the file aside, broken or another program's, and starts a new one.
    HistoryOutcome startAgain(HistoryFailure why);
    HistoryOutcome failure(HistoryFailure failure, const std::string &sqliteMessage,
                           const QString &prefix) const;
    void write(const FetchRecord &record) const;
    // Replaces the stored page's summary and rows with the record's where they differ; false when either
    // is missing.
    bool rewrite(int64_t fetchId, const std::optional<FetchRecord> &record) const;
    std::optional<RawPage> rawPageOf(int64_t fetchId) const;
    std::optional<StoredPage> storedPageOf(int64_t fetchId) const;
    void disconnect();
    // A statement prepared once for the connection; Reusing resets it around each use.
    SqliteStatement &prepared(const std::string &sql) const;

    std::unique_ptr<SqliteDatabase> m_db;
    std::unique_ptr<PageDictionaries> m_dictionaries;
    std::unique_ptr<PlayerRows> m_rows; // on m_db, dropped before it
    // Dropped before the connection they were prepared on.
    mutable std::map<std::string, SqliteStatement> m_statements;
    QString m_path;
};
