#pragma once

#include "roster/team_records.h"

#include <string>
#include <vector>

// How a player's values read wherever they are shown or written: the name first, numbers formatted
// with "," ("%f" with 2 decimals for mastery and abilities, 3 decimals for talent).
std::vector<std::string> talentRowTexts(const TalentPlayer &player);
std::vector<std::string> skillRowTexts(const AbilitiesPlayer &player);
