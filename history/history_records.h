#pragma once

#include "retrieval/page_reader.h"
#include "roster/team_records.h"

#include <QDateTime>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the fetch history keeps and hands back. Texts are windows-1251 bytes, like everywhere inside the
// program; the file holds them as UTF-8.

// One page a fetch read, as it goes into the history.
struct FetchRecord {
    QDateTime fetchedAt; // kept to the second, in UTC
    int32_t teamId = 0;
    PageKind kind = PageKind::Talent;
    std::string page; // the page bytes as received
    TeamSummary summary;
    std::vector<TalentPlayer> talents;      // talent pages
    std::vector<AbilitiesPlayer> abilities; // abilities pages
};

// The record of a page read, or nothing when the page is not one to keep: no team name (not a roster
// page) or a cell that did not convert (the fetch failed).
std::optional<FetchRecord> fetchRecordOf(const QDateTime &fetchedAt, int32_t teamId, PageKind kind,
                                         std::string page, const PageReading &reading);

// A team the history holds, named as its latest fetch names it.
struct StoredTeam {
    int32_t teamId = 0;
    std::string name;
    std::string division;
    int fetchCount = 0;
    QDateTime latest;
};

struct StoredFetch {
    int64_t id = 0;
    QDateTime fetchedAt;
    PageKind kind = PageKind::Talent;
    int playerCount = 0;
};

// A stored page: its summary and its players, in page order.
struct StoredPage {
    int64_t id = 0;
    int32_t teamId = 0;
    QDateTime fetchedAt;
    PageKind kind = PageKind::Talent;
    TeamSummary summary;
    std::vector<TalentPlayer> talents;      // talent pages
    std::vector<AbilitiesPlayer> abilities; // abilities pages

    size_t playerCount() const { return kind == PageKind::Talent ? talents.size() : abilities.size(); }
};

// A stored page's bytes as received, with the team and kind they belong to.
struct RawPage {
    int32_t teamId = 0;
    QDateTime fetchedAt;
    PageKind kind = PageKind::Talent;
    std::string bytes;
};

// One player's values in one talent fetch.
struct SeriesPoint {
    int64_t fetchId = 0;
    QDateTime fetchedAt;
    double talent = 0;
    double mastery = 0;
};

// What dropping the fetches before a time would come to.
struct PruneCount {
    int kept = 0;
    int removed = 0;
    QDateTime oldestRemoved; // invalid when nothing would go
};

struct RereadReport {
    int read = 0;   // pages whose summary and rows were replaced
    int failed = 0; // pages today's reader could not read; their stored rows stay
};

// A time as the history stores it, ISO-8601 in UTC to the second ("2024-05-01T12:34:56Z"), so text
// order is time order; and back.
std::string storedTimeText(const QDateTime &time);
QDateTime storedTimeOf(const std::string &text);
