#include "cli/crawl_plan.h"

#include "history/history_store.h"

#include <algorithm>

std::string crawlSelection(std::vector<int32_t> divisions, const std::vector<PageKind> &kinds)
{
    std::string name;
    if (divisions.empty()) {
        name = "all";
    } else {
        std::sort(divisions.begin(), divisions.end());
        divisions.erase(std::unique(divisions.begin(), divisions.end()), divisions.end());
        name = "divisions";
        for (const int32_t id : divisions)
            name += ' ' + std::to_string(id);
    }
    for (const PageKind kind : {PageKind::Talent, PageKind::Abilities})
        if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end())
            name += kind == PageKind::Talent ? "; talent" : "; abilities";
    return name;
}

std::vector<PageJob> crawlJobs(const CrawlScope &scope, const std::set<PageKey> &skipped)
{
    std::vector<PageJob> jobs;
    std::set<int32_t> seen;
    for (const int32_t team : scope.teams) {
        if (!seen.insert(team).second)
            continue;
        for (const PageKind kind : scope.kinds)
            if (!skipped.contains({team, kind}))
                jobs.push_back({team, kind});
    }
    return jobs;
}

std::set<PageKey> pagesFetchedSince(const HistoryStore &history, const CrawlScope &scope,
                                    const QDateTime &since)
{
    std::set<PageKey> young;
    for (const int32_t team : std::set<int32_t>(scope.teams.begin(), scope.teams.end()))
        for (const StoredFetch &fetch : history.fetchesOf(team))
            if (fetch.fetchedAt >= since)
                young.emplace(team, fetch.kind);
    return young;
}
