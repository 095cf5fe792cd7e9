#pragma once

#include "roster/team_records.h"

#include <string>
#include <vector>

// The rows the roster lists show for a snapshot's players, in page order.
std::vector<std::vector<std::string>> talentListRows(const std::vector<TalentPlayer> &players);
std::vector<std::vector<std::string>> abilitiesListRows(const std::vector<AbilitiesPlayer> &players);

// The roster lists' column names (UTF-8, Russian) in the translation context "RosterLists".
extern const std::vector<const char *> talentListColumns;
extern const std::vector<const char *> abilitiesListColumns;
