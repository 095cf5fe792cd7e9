#pragma once

#include "analysis/talent_projection.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the projection would come to under other levels, for the same mastery and talent cells.

// Steps to talent 9 for each pair of levels, indexed [school level - 1][coach level - 1]: 0 for a talent
// already at 9 or above, else the steps until the talent first reaches 9; nothing where it does not get
// there (it stops growing, or a cell does not convert). The table itself always shows two rows at least;
// the grid counts what the player actually needs.
using WhatIfSteps = std::array<std::array<std::optional<int>, 3>, 3>;

WhatIfSteps whatIfSteps(const std::string &masteryCell, const std::string &talentCell);

// The steps a table took to reach 9 from `startTalent`, or nothing when it stopped short of it.
std::optional<int> stepsToNine(const ProjectionResult &result, long double startTalent);

// The talent after each step, read back from the "Балл" cells; a row cut short adds nothing.
std::vector<double> talentAfterSteps(const ProjectionResult &result);

// A level edit's text as a level of the grid: "1", "2" or "3", nothing for anything else.
std::optional<int> gridLevel(const std::string &levelText);
