#include "cli/crawl_journal.h"

#include "history/history_records.h"

namespace {

// Finished runs kept as a record of what the crawls came to; older ones go.
constexpr int finishedRunsKept = 50;

const char *const journalTables = R"sql(
CREATE TABLE IF NOT EXISTS crawl_runs(
    id INTEGER PRIMARY KEY,
    selection TEXT NOT NULL,
    started_at TEXT NOT NULL,
    finished_at TEXT,
    outcome TEXT
);
CREATE TABLE IF NOT EXISTS crawl_pages(
    run_id INTEGER NOT NULL,
    team_id INTEGER NOT NULL,
    page_kind INTEGER NOT NULL,
    state INTEGER NOT NULL,
    reason TEXT NOT NULL,
    PRIMARY KEY(run_id, team_id, page_kind)
) WITHOUT ROWID;
)sql";

} // namespace

CrawlJournal::CrawlJournal(const QString &historyPath) : m_db(historyPath, SqliteDatabase::Mode::Create)
{
    // The window or a watch may be writing the same file: wait for it as the history does.
    m_db.setBusyTimeout(2000);
    // As the history writes its pages: with the write-ahead log, only a power cut may lose the last notes,
    // and a page kept but not noted is found young in the history anyway.
    m_db.execute("PRAGMA synchronous = NORMAL");
    m_db.execute(journalTables);
}

CrawlJournal::Run CrawlJournal::openRun(const std::string &selection, const QDateTime &now)
{
    SqliteStatement open = m_db.prepare(
        "SELECT id FROM crawl_runs WHERE selection = ?1 AND finished_at IS NULL ORDER BY id DESC");
    open.bindText(1, selection);
    if (open.step())
        return {open.columnInteger(0), true};
    SqliteStatement add = m_db.prepare("INSERT INTO crawl_runs(selection, started_at) VALUES (?1, ?2)");
    add.bindText(1, selection).bindText(2, storedTimeText(now)).run();
    return {m_db.lastInsertRowId(), false};
}

void CrawlJournal::note(int64_t run, const PageKey &page, PageState state, const std::string &reason)
{
    SqliteStatement write = m_db.prepare("INSERT OR REPLACE INTO crawl_pages VALUES (?1, ?2, ?3, ?4, ?5)");
    write.bindInteger(1, run)
        .bindInteger(2, page.first)
        .bindInteger(3, static_cast<int>(page.second))
        .bindInteger(4, static_cast<int>(state))
        .bindText(5, reason)
        .run();
}

std::set<PageKey> CrawlJournal::settled(int64_t run) const
{
    SqliteStatement read =
        m_db.prepare("SELECT team_id, page_kind FROM crawl_pages WHERE run_id = ?1 AND state "
                     "IN (?2, ?3)");
    read.bindInteger(1, run)
        .bindInteger(2, static_cast<int>(PageState::Kept))
        .bindInteger(3, static_cast<int>(PageState::Refused));
    std::set<PageKey> pages;
    while (read.step())
        pages.emplace(static_cast<int32_t>(read.columnInteger(0)),
                      read.columnInteger(1) == static_cast<int>(PageKind::Abilities) ? PageKind::Abilities
                                                                                     : PageKind::Talent);
    return pages;
}

void CrawlJournal::finish(int64_t run, const QDateTime &now, const std::string &outcome)
{
    m_db.execute("BEGIN IMMEDIATE");
    try {
        m_db.prepare("DELETE FROM crawl_pages WHERE run_id = ?1").bindInteger(1, run).run();
        m_db.prepare("UPDATE crawl_runs SET finished_at = ?2, outcome = ?3 WHERE id = ?1")
            .bindInteger(1, run)
            .bindText(2, storedTimeText(now))
            .bindText(3, outcome)
            .run();
        m_db.prepare("DELETE FROM crawl_runs WHERE finished_at IS NOT NULL AND id NOT IN (SELECT id FROM "
                     "crawl_runs WHERE finished_at IS NOT NULL ORDER BY id DESC LIMIT ?1)")
            .bindInteger(1, finishedRunsKept)
            .run();
        m_db.execute("COMMIT");
    } catch (...) {
        m_db.execute("ROLLBACK");
        throw;
    }
}
