#pragma once

#include "board/board_rows.h"
#include "retrieval/page_fetch.h"
#include "retrieval/page_reader.h"

#include <QDateTime>
#include <cstdint>
#include <optional>
#include <string>

class HistoryStore;

// Where the board's pages come from: the history, and the pages a refresh fetches.

// The team's talent page and abilities page stored last, whatever their dates, and the previous talent
// page of that talent page (previousTalentPage); the team name is left empty.
// Throws HistoryError when the file fails.
TeamPages storedTeamPages(const HistoryStore &store, int32_t teamId);

// What the growth on a talent page fetched at `shownAt` is measured from: the team's talent page stored
// last of those fetched at least a day before it (pages closer together tell nothing of growth).
// Throws HistoryError when the file fails.
std::optional<PlayersAt<TalentPlayer>> previousTalentPage(const HistoryStore &store, int32_t teamId,
                                                          const QDateTime &shownAt);

// What one page a refresh fetched came to.
struct ArrivedPage {
    bool read = false;
    std::string whyNot; // UTF-8, in a few words, for the status line; empty when read
    PageReading reading;
};

// Reads a fetched page: a failed exchange, one of the site's failure pages, a page without a team name
// or with a cell that does not convert is not read, and says why.
ArrivedPage readArrivedPage(const FetchResult &fetched, PageKind kind);
