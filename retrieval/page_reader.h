#pragma once

#include "retrieval/page_extraction.h"

#include <exception>
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
    std::vector<TalentPlayer> talents;
    std::vector<AbilitiesPlayer> abilities;
    // The ConvertError of the first cell that did not convert; empty when all did.
    std::exception_ptr failure;

    bool converted() const { return !failure; }
    // The page names its team and every row converted: a roster to take whole.
    bool isRosterPage() const { return !summary.name.empty() && converted(); }
    // Throws the stored failure, if any.
    void rethrowFailure() const;
    // The stored failure's message (windows-1251); empty when every row converted.
    std::string failureMessage() const;
};

PageReading readPage(std::string_view page, PageKind kind);
