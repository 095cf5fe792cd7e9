#include "board/watch_due.h"

#include "history/history_store.h"

#include <algorithm>
#include <map>

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
    std::map<int32_t, TeamNewest> stored;
    for (const NewestFetch &fetch : store.newestFetches(teamIds)) {
        TeamNewest &team = stored[fetch.teamId];
        (fetch.kind == PageKind::Talent ? team.talent : team.abilities) = fetch.fetchedAt;
    }
    std::vector<TeamNewest> newest;
    newest.reserve(teamIds.size());
    for (const int32_t teamId : teamIds) {
        const auto found = stored.find(teamId);
        newest.push_back(found != stored.end() ? found->second : TeamNewest{});
        newest.back().teamId = teamId;
    }
    return newest;
}
