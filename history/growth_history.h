#pragma once

#include "analysis/growth_fit.h"
#include "history/history_records.h"
#include "history/player_search.h"

#include <cstdint>
#include <vector>

class HistoryStore;

// What the stored talent pages say of growth: each youth player's fetches, the spans between them, the
// game's steps a week from the user's own team, other teams' level products, and the backtest.

// One team's players through its talent pages, oldest fetch first. A player is his name and country; the
// k-th of a name and country on a page continues the k-th of the page before.
struct TeamTracks {
    std::vector<PlayerTrack> players;
    double observedWeeks = 0; // from the first talent fetch to the last
};
TeamTracks tracksOf(const std::vector<FoundPlayer> &rows);
// The same from a team's stored pages as the store hands them out (abilities pages are passed over).
TeamTracks tracksOfPages(const std::vector<StoredPage> &pages);
std::vector<GrowthSpan> spansOf(const TeamTracks &team);

// The team's stored talent pages, every week, as tracks; throws HistoryError when the file fails.
TeamTracks storedTracks(const HistoryStore &store, int32_t teamId);

RateEstimate ownTrainingRate(const HistoryStore &store, const OwnTeam &own);
LevelFit teamLevels(const HistoryStore &store, int32_t teamId, const TrainingRate &rate);
// The product of another team when its growth makes it sure; nothing for the own team (the user sets its
// levels), without a rate, or when the history fails the read.
std::optional<int> sureTeamProduct(const HistoryStore &store, int32_t teamId, const OwnTeam &own,
                                   const RateEstimate &rate);

// The backtest over every stored team: the own team at its levels, another at the product its growth
// gives when that is sure; the rest are left out.
struct HistoryAccuracy {
    Accuracy accuracy;
    int teams = 0; // the teams it rests on
    int players = 0;
};
HistoryAccuracy historyAccuracy(const HistoryStore &store, const OwnTeam &own, const TrainingRate &rate);
