#pragma once

#include "export/export_options.h"
#include "roster/team_records.h"

#include <string>
#include <vector>

// What the window shows of one team: the summary labels and the rows of one list in display order
// (each row: the name, then the cells as the list shows them).
struct ExportView {
    TeamSummary labels;
    PageKind kind = PageKind::Talent;
    std::vector<std::vector<std::string>> rows;
};

// One team block, windows-1251 lines each ending in CR LF.
std::string buildTeamBlock(const ExportView &view, const ExportOptions &options);
