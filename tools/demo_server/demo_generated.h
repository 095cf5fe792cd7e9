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

// Adds `count` divisions («Третья лига 001», ...) of 16 teams named like «Сокол Белоозёрск», each name
// and identifier used once. They come from a fixed seed: the same count always gives the same teams,
// whatever the catalogue, and a larger count adds divisions after those of a smaller one. Throws
// DemoCatalogueError for a count outside 0..maxGeneratedDivisions, and when the catalogue holds one of
// the identifiers already (the sample catalogue never does).
void addGeneratedDivisions(DemoCatalogue &catalogue, int count);

// The catalogue the demo programs work on: the teams of the catalogue SQL file (none when
// `generatedOnly`), then `divisions` generated ones. Throws DemoCatalogueError as the steps above do.
DemoCatalogue makeDemoCatalogue(const QString &sqlPath, int divisions, bool generatedOnly);

// Writes the catalogue as the program reads it, divisions.cds and teams.cds (SQLite, one table each, a
// division's teams in consecutive rows), into an existing folder, replacing files of those names.
// Throws DemoCatalogueError naming the file that could not be written.
void writeCatalogueFiles(const DemoCatalogue &catalogue, const QString &folder);
