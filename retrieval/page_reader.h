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
    // The page holds a row marker after its summary. Without one there is nothing to list, and the
    // lists on view are left alone.
    bool hasRows = false;
    // Every row cut, in page order, with the cells as cut. When a cell failed its conversion, the row
    // holding it is the last one here.
    std::vector<RawRow> rows;
    // One record per row, present only when every row converted.
    std::vector<std::unique_ptr<CPlayerTal>> talents;
    std::vector<std::unique_ptr<CPlayerSkill>> skills;
    // The ConvertError of the first cell that did not convert; empty when all did.
    std::exception_ptr failure;

    bool converted() const { return !failure; }
    // Throws the stored failure, if any.
    void rethrowFailure() const;
};

PageReading readPage(std::string_view page, PageKind kind);
