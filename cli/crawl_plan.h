#pragma once

#include "cli/crawl_journal.h"
#include "retrieval/fetch_queue.h"

#include <QDateTime>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

class HistoryStore;

// What a crawl covers: the teams (in catalogue order) and the kinds of page of each.
struct CrawlScope {
    std::vector<int32_t> teams;
    std::vector<PageKind> kinds;
};

// The name a crawl's run goes by in the journal: the same teams and kinds make the same name, so the
// same command resumes its run. `divisions` is empty for the whole catalogue.
std::string crawlSelection(std::vector<int32_t> divisions, const std::vector<PageKind> &kinds);

// Each team's pages in turn, both kinds of a team together; a team listed twice is asked for once, and
// the pages in `skipped` not at all.
std::vector<PageJob> crawlJobs(const CrawlScope &scope, const std::set<PageKey> &skipped);

// The pages of the scope that the history holds a fetch of made at or after `since`: too young to fetch
// again. Throws HistoryError.
std::set<PageKey> pagesFetchedSince(const HistoryStore &history, const CrawlScope &scope,
                                    const QDateTime &since);
