#pragma once

#include "settings/watch_options.h"

#include <QDateTime>
#include <cstdint>
#include <optional>
#include <vector>

class HistoryStore;

// The newest stored fetch of each page a watch takes of one team; nullopt for a page never stored.
struct TeamNewest {
    int32_t teamId = 0;
    std::optional<QDateTime> talent;
    std::optional<QDateTime> abilities;
};

// A watched division is due when one of its teams lacks a watched page, or has one older than the
// interval. A division without teams is never due: there is nothing to fetch.
bool divisionIsDue(const std::vector<TeamNewest> &teams, const WatchOptions &options, const QDateTime &now);

// The newest stored page of each kind of each team, from the history; throws HistoryError when the file
// fails the read.
std::vector<TeamNewest> newestOfTeams(const HistoryStore &store, const std::vector<int32_t> &teamIds);
