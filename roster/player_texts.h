#pragma once

#include "roster/team_records.h"

#include <string>
#include <vector>

// How a player's values read wherever they are shown or written: the name first, numbers formatted
// with "," ("%f" with 2 decimals for mastery and abilities, 3 decimals for talent).
std::vector<std::string> talentRowTexts(const TalentPlayer &player);
std::vector<std::string> skillRowTexts(const AbilitiesPlayer &player);

// A change of mastery or talent (per week) in the lists' decimals, with its sign: "+0,40", "-0,125";
// a change that rounds to nothing reads "0,00".
std::string masteryChangeText(double change);
std::string talentChangeText(double change);
