#pragma once

#include "tools/demo_server/demo_catalogue.h"

#include <QString>

// Made-up divisions of 16 teams each, so the program can be tried on a whole game's worth of teams.

constexpr int generatedTeamsPerDivision = 16;
constexpr int maxGeneratedDivisions = 500;
// Generated divisions are numbered from here on, generated teams take five-digit identifiers: the
// sample catalogue uses neither.
constexpr int32_t firstGeneratedDivisionId = 1001;
constexpr int32_t lowestGeneratedTeamId = 10000;
constexpr int32_t highestGeneratedTeamId = 99999;

// Adds `count` divisions («Третья лига 001», ...) of 16 teams named like «Сокол Белоозёрск». Names and
// identifiers come from a fixed seed: the same catalogue and count always give the same teams, and a
// larger count adds divisions after those of a smaller one. A team never takes an identifier or a name
// the catalogue holds already. Throws DemoCatalogueError for a count outside 0..maxGeneratedDivisions.
void addGeneratedDivisions(DemoCatalogue &catalogue, int count);

// Writes the catalogue as the program reads it, divisions.cds and teams.cds (SQLite, one table each, a
// division's teams in consecutive rows), into an existing folder, replacing files of those names.
// Throws DemoCatalogueError naming the file that could not be written.
void writeCatalogueFiles(const DemoCatalogue &catalogue, const QString &folder);
