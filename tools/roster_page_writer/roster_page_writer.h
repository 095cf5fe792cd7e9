#pragma once

#include "roster/team_records.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Writes the parts of a youth-school roster page that the program reads by fixed text markers: the summary
// elements in their order and one table row per player, with the cut offsets the reader relies on. The demo
// server wraps them in the site's full markup; the tests put them on a minimal page.
//
// Every text is windows-1251 bytes and goes onto the page as given: escape it first where its markup must
// not show. A text holding one of the markers ("info.php?id=", `"/`, "</td>", ...) moves the cuts, which is
// how tests make broken pages on purpose.

// What the summary card says about a team.
struct RosterSummary {
    int32_t teamId = 0; // in the team links only
    std::string team;
    std::string shortName;
    // A free team's card has neither the manager link nor the rank element; its short-name element is
    // closed by "</a>" right after its tag, so the manager reads as an empty name.
    bool hasManager = true;
    int32_t managerId = 0;
    std::string manager;
    std::string rank;
    std::string city;
    std::string stadium;
    int32_t divisionId = 0;
    std::string division;
    std::string money;
    std::string players;
    std::string additions;
    std::string power;
    std::string spectatorRating;
};

// The summary elements in page order.
enum class SummaryField {
    Team,
    ShortName,
    Manager,
    Rank,
    City,
    Stadium,
    Division,
    Money,
    Players,
    Additions,
    Power,
    SpectatorRating
};
constexpr size_t summaryFieldCount = 12;

// Markup around each summary element (a caption, a table cell), indexed by SummaryField; it must hold none
// of the summary markers. `vacancy` stands in the manager's place, inside that frame, for a free team.
struct SummaryFrame {
    std::array<std::string, summaryFieldCount> before;
    std::array<std::string, summaryFieldCount> after;
    std::string vacancy;

    // Each element on a line of its own.
    static SummaryFrame lines();
};

// The summary elements, each in its frame; a free team's rank element and its frame are left out.
std::string summaryElements(const RosterSummary &summary, const SummaryFrame &frame = SummaryFrame::lines());

// One youth player as his rows show him.
struct RosterPlayer {
    int32_t number = 0; // player identifier in the row's link
    std::string name;
    std::string country;
    int flag = 0; // flag picture number
    std::string position;
    std::string age;
    std::string mastery;
    std::string talent;
    std::vector<std::string> abilities;    // field players on the abilities page: eight cells
    std::vector<std::string> keeperSkills; // goalkeepers on the abilities page: their own cells instead
};

// Rows are striped by their index on the page. A row ends with a line break.
std::string talentRow(const RosterPlayer &player, int index);
std::string abilitiesRow(const RosterPlayer &player, int index);
// The site shows a goalkeeper's own skills in place of the ability columns, in cells the reader skips.
std::string keeperAbilitiesRow(const RosterPlayer &player, int index);
// The row of the page kind; on the abilities page the goalkeeper's row for the position "Gk" exactly.
std::string rosterRow(const RosterPlayer &player, int index, PageKind kind);

// A whole page with nothing but the summary and the roster table, each summary element on its own line.
std::string minimalRosterPage(const RosterSummary &summary, const std::vector<RosterPlayer> &players,
                              PageKind kind);
