#pragma once

#include "board/board_rows.h"
#include "retrieval/page_fetch.h"
#include "retrieval/page_reader.h"

#include <cstdint>
#include <string>

class HistoryStore;

// Where the board's pages come from: the history, and the pages a refresh fetches.

// The team's talent page and abilities page stored last, whatever their dates; the team name is left
// empty.
// Throws HistoryError when the file fails.
TeamPages storedTeamPages(const HistoryStore &store, int32_t teamId);

// What one page a refresh fetched came to.
struct ArrivedPage {
    bool read = false;
    std::string whyNot; // UTF-8, in a few words, for the status line; empty when read
    PageReading reading;
};

// Reads a fetched page: a failed exchange, one of the site's failure pages, a page without a team name
// or with a cell that does not convert is not read, and says why.
ArrivedPage readArrivedPage(const FetchResult &fetched, PageKind kind);
