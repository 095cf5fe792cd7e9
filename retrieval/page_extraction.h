#pragma once

#include "retrieval/team_records.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading a roster page by fixed text markers. The working copy is a view into a private copy of the
// page text that only ever loses its beginning; the page is never parsed as markup.

inline constexpr const char *abilitiesSuffix = "&act=abilities";
PageKind pageKindOfSuffix(const std::string &suffix);

// The site's own failure pages, tested in this order.
enum class FailurePage { None, TeamNotFound, Maintenance };
FailurePage detectFailurePage(std::string_view page);

// One extraction step: moves W to marker 1 when present and returns the text between the first
// marker 2 and the first marker 3 of W (empty, or shifted, when they are missing or out of order).
std::string ExtractValue(std::string_view &w, std::string_view marker1, std::string_view marker2,
                         std::string_view marker3);

// The twelve summary values, in page order. A team without a manager gets an empty rank; a players
// value that is not an integer gives "0" players and "0" strength.
TeamSummary extractSummary(std::string_view &w);

// One player row as cut from the page: the name first, then the cells of the list's columns.
struct RawRow {
    std::vector<std::string> cells;
};

// Cuts the next player row out of W, or nothing when W holds no further row marker.
std::optional<RawRow> cutNextRow(std::string_view &w, PageKind kind);

// Records from a row's cells; a cell that is not its number throws ConvertError.
std::unique_ptr<CPlayerTal> talentRecordOf(const RawRow &row);
std::unique_ptr<CPlayerSkill> skillRecordOf(const RawRow &row);
