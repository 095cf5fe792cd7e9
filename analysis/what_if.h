#pragma once

#include "analysis/talent_projection.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the projection would come to under other levels, for the same mastery and talent cells.

// Steps to talent 9 for each pair of levels, indexed [school level - 1][coach level - 1]; nothing where
// the talent does not get there (it stops growing, or a cell does not convert).
using WhatIfSteps = std::array<std::array<std::optional<int>, 3>, 3>;

WhatIfSteps whatIfSteps(const std::string &masteryCell, const std::string &talentCell);

// The rows of a table that ended by reaching 9, or nothing when it stopped short of it.
std::optional<int> stepsToLimit(const ProjectionResult &result);

// The talent after each step, read back from the "Балл" cells; a row cut short adds nothing.
std::vector<double> talentAfterSteps(const ProjectionResult &result);

// A level edit's text as a level of the grid: "1", "2" or "3", nothing for anything else.
std::optional<int> gridLevel(const std::string &levelText);
