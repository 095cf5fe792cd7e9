#include "history/growth_history.h"

#include "analysis/training_step.h"
#include "history/history_store.h"
#include "text/app_error.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr double secondsPerDay = 24.0 * 60 * 60;

double dayOf(const QDateTime &time) { return static_cast<double>(time.toSecsSinceEpoch()) / secondsPerDay; }

} // namespace

TeamTracks tracksOf(const std::vector<FoundPlayer> &rows)
{
    // Pages in time order (then in the order they were kept), each page's players in page order.
    std::vector<const FoundPlayer *> ordered;
    ordered.reserve(rows.size());
    for (const FoundPlayer &row : rows)
        ordered.push_back(&row);
    std::stable_sort(ordered.begin(), ordered.end(), [](const FoundPlayer *a, const FoundPlayer *b) {
        return std::pair(a->fetchedAt, a->fetchId) < std::pair(b->fetchedAt, b->fetchId);
    });
    TeamTracks team;
    std::map<std::tuple<std::string, std::string, int>, size_t> trackOf;
    std::map<std::pair<std::string, std::string>, int> seenOnPage;
    int64_t page = -1;
    for (const FoundPlayer *row : ordered) {
        if (row->fetchId != page) {
            page = row->fetchId;
            seenOnPage.clear();
        }
        const TalentPlayer &player = row->player;
        const int k = seenOnPage[{player.name, player.country}]++;
        const auto [found, added] =
            trackOf.try_emplace({player.name, player.country, k}, team.players.size());
        if (added)
            team.players.emplace_back();
        team.players[found->second].sightings.push_back(
            {dayOf(row->fetchedAt), talentThousandths(player.talent), masteryOfCell(player.mastery)});
    }
    if (!ordered.empty())
        team.observedWeeks = (dayOf(ordered.back()->fetchedAt) - dayOf(ordered.front()->fetchedAt)) / 7;
    return team;
}

TeamTracks tracksOfPages(const std::vector<StoredPage> &pages)
{
    std::vector<FoundPlayer> rows;
    for (const StoredPage &page : pages)
        if (page.kind == PageKind::Talent)
            for (const TalentPlayer &player : page.talents)
                rows.push_back({page.id, page.teamId, page.fetchedAt, {}, {}, player});
    return tracksOf(rows);
}

std::vector<GrowthSpan> spansOf(const TeamTracks &team)
{
    std::vector<GrowthSpan> spans;
    for (const PlayerTrack &track : team.players)
        for (size_t i = 1; i < track.sightings.size(); ++i) {
            const TalentSighting &from = track.sightings[i - 1];
            const TalentSighting &to = track.sightings[i];
            spans.push_back({from.talent, from.mastery, to.talent, (to.day - from.day) / 7});
        }
    return spans;
}

TeamTracks storedTracks(const HistoryStore &store, int32_t teamId)
{
    PlayerSearch search;
    search.teamIds = {teamId};
    search.everyWeek = true;
    return tracksOf(store.findPlayers(search));
}

RateEstimate ownTrainingRate(const HistoryStore &store, const OwnTeam &own)
{
    if (own.teamId == 0)
        return {};
    return estimateTrainingRate(spansOf(storedTracks(store, own.teamId)), own.levelProduct());
}

LevelFit teamLevels(const HistoryStore &store, int32_t teamId, const TrainingRate &rate)
{
    const TeamTracks team = storedTracks(store, teamId);
    return inferLevelProduct(spansOf(team), rate, team.observedWeeks);
}

std::optional<int> sureTeamProduct(const HistoryStore &store, int32_t teamId, const OwnTeam &own,
                                   const RateEstimate &rate)
{
    if (teamId == 0 || teamId == own.teamId || rate.verdict != RateVerdict::Estimated)
        return std::nullopt;
    try {
        const LevelFit fit = teamLevels(store, teamId, rate.rate);
        if (fit.verdict == LevelVerdict::Sure)
            return fit.product;
    } catch (const AppError &) {
        // Only the tint is lost; the History page tells of a history that fails.
    }
    return std::nullopt;
}

HistoryAccuracy historyAccuracy(const HistoryStore &store, const OwnTeam &own, const TrainingRate &rate)
{
    PlayerSearch search;
    search.everyWeek = true;
    std::map<int32_t, std::vector<FoundPlayer>> rowsOfTeam;
    for (FoundPlayer &row : store.findPlayers(search))
        rowsOfTeam[row.teamId].push_back(std::move(row));
    HistoryAccuracy result;
    std::vector<PlayerTrack> tracks;
    for (const auto &[teamId, rows] : rowsOfTeam) {
        TeamTracks team = tracksOf(rows);
        int product = 0;
        if (teamId == own.teamId) {
            product = own.levelProduct();
        } else {
            const LevelFit fit = inferLevelProduct(spansOf(team), rate, team.observedWeeks);
            if (fit.verdict != LevelVerdict::Sure)
                continue;
            product = fit.product;
        }
        ++result.teams;
        for (PlayerTrack &track : team.players) {
            track.levelProduct = product;
            tracks.push_back(std::move(track));
            ++result.players;
        }
    }
    result.accuracy = backtest(tracks, rate.stepsPerWeek);
    return result;
}
