#include "board/watch_due.h"

#include "history/history_store.h"

#include <algorithm>

namespace {

bool isStale(const std::optional<QDateTime> &newest, const QDateTime &limit)
{
    return !newest || *newest < limit;
}

} // namespace

bool divisionIsDue(const std::vector<TeamNewest> &teams, const WatchOptions &options, const QDateTime &now)
{
    const QDateTime limit = now.addDays(-options.intervalDays);
    const bool talent = options.pages != WatchPages::Abilities;
    const bool abilities = options.pages != WatchPages::Talent;
    return std::any_of(teams.begin(), teams.end(), [&](const TeamNewest &team) {
        return (talent && isStale(team.talent, limit)) || (abilities && isStale(team.abilities, limit));
    });
}

std::vector<TeamNewest> newestOfTeams(const HistoryStore &store, const std::vector<int32_t> &teamIds)
{
    std::vector<TeamNewest> newest;
    newest.reserve(teamIds.size());
    for (const int32_t teamId : teamIds) {
        TeamNewest team{teamId, std::nullopt, std::nullopt};
        // Stored last first: the first of each kind is the newest the history keeps.
        for (const StoredFetch &fetch : store.fetchesOf(teamId)) {
            std::optional<QDateTime> &slot = fetch.kind == PageKind::Talent ? team.talent : team.abilities;
            if (!slot)
                slot = fetch.fetchedAt;
            if (team.talent && team.abilities)
                break;
        }
        newest.push_back(team);
    }
    return newest;
}
