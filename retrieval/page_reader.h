#pragma once

#include "retrieval/page_extraction.h"

#include <exception>
#include <memory>
#include <string_view>
#include <vector>

// Everything one roster page gives: the summary, the rows cut from it and their records. This is the
// one reading of a page; the window, the history and the tools all go through it.
struct PageReading {
    TeamSummary summary;
    // Every row cut, in page order, with the cells as cut. When a cell failed its conversion, the row
    // holding it is the last one here.
    std::vector<RawRow> rows;
    // One record per row, present only when every row converted.
    std::vector<std::unique_ptr<CPlayerTal>> talents;
    std::vector<std::unique_ptr<CPlayerSkill>> skills;
    // The ConvertError of the first cell that did not convert; empty when all did.
    std::exception_ptr failure;

    bool converted() const { return !failure; }
    // The page names its team and every row converted: a roster to take whole.
    bool isRosterPage() const { return !summary.Name.empty() && converted(); }
    // Throws the stored failure, if any.
    void rethrowFailure() const;
    // The stored failure's message (windows-1251); empty when every row converted.
    std::string failureMessage() const;
};

PageReading readPage(std::string_view page, PageKind kind);

// Where a page read for a team went in the run's history.
struct KeptPage {
    CTeam *team = nullptr;
    bool newSnapshot = false;
    // The rows went into the snapshot: its list of this kind was empty, the page had rows, all converted.
    bool rowsTaken = false;
};

// Finds the team's snapshot by its identifier or appends a new one made of `summary`, and fills the
// snapshot's list of this page kind from the page when that list is still empty and every row of the
// page converted. A list once filled is never refilled.
KeptPage keepInHistory(TeamHistory &history, int32_t teamId, const TeamSummary &summary, PageKind kind,
                       const PageReading &reading, int64_t storedFetchId = 0);
