#pragma once

#include "retrieval/team_records.h"

#include <string>
#include <vector>

// The cell texts a list row shows for a player record: the name first, numbers formatted with ","
// ("%f" with 2 decimals for mastery and abilities, 3 decimals for talent).
std::vector<std::string> talentRowTexts(const CPlayerTal &player);
std::vector<std::string> skillRowTexts(const CPlayerSkill &player);
