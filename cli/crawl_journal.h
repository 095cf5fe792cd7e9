#pragma once

#include "roster/team_records.h"
#include "storage/sqlite_database.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

using PageKey = std::pair<int32_t, PageKind>;

// The crawl's notes in the history file, beside the pages it keeps there: each run, and while a run is
// unfinished which of its pages are done, so the same crawl started again after Ctrl+C, a kill or a
// crash asks only for the rest. A finished run keeps one row of how it ended and loses its page notes.
// The tables are the crawl's own; the history's layout does not know them.
class CrawlJournal {
public:
    // Opens the journal in a history file the store has already opened (so it is known to be ours) and
    // makes its tables when missing. Throws SqliteError.
    explicit CrawlJournal(const QString &historyPath);

    struct Run {
        int64_t id = 0;
        bool resumed = false;
    };
    // The unfinished run of the same selection (the teams and page kinds asked for), or a new one.
    Run openRun(const std::string &selection, const QDateTime &now);

    enum class PageState {
        Kept,    // read and put into the history
        Refused, // the site answered but gave no roster to keep (no such team, a page that does not read)
        Failed,  // no answer worth keeping; tried again when the run resumes
    };
    void note(int64_t run, const PageKey &page, PageState state, const std::string &reason);
    // The pages of the run that are done for good: kept or refused.
    std::set<PageKey> settled(int64_t run) const;
    // Every page was tried: the run is over, whatever became of each.
    void finish(int64_t run, const QDateTime &now, const std::string &outcome);

private:
    SqliteDatabase m_db;
};
