#include "board/board_sources.h"

#include "history/history_store.h"
#include "view/row_texts.h"

TeamPages storedTeamPages(const HistoryStore &store, int32_t teamId)
{
    TeamPages pages;
    for (const StoredFetch &fetch : store.fetchesOf(teamId)) {
        std::optional<PageRowsAt> &slot = fetch.kind == PageKind::Talent ? pages.talent : pages.abilities;
        if (slot)
            continue;
        if (std::optional<StoredPage> page = store.page(fetch.id))
            slot = PageRowsAt{page->fetchedAt, std::move(page->rows)};
        if (pages.talent && pages.abilities)
            break;
    }
    return pages;
}

namespace {

PageRows rowsOf(const PageReading &reading, PageKind kind)
{
    PageRows rows;
    if (kind == PageKind::Talent) {
        for (const auto &player : reading.talents)
            rows.push_back(talentRowTexts(*player));
    } else {
        for (const auto &player : reading.skills)
            rows.push_back(skillRowTexts(*player));
    }
    return rows;
}

} // namespace

ArrivedPage readArrivedPage(const FetchResult &fetched, PageKind kind)
{
    FetchedPage judged = readFetchedPage(fetched, kind);
    ArrivedPage page{judged.read, std::move(judged.whyNot), std::move(judged.reading), {}};
    if (page.read)
        page.rows = rowsOf(page.reading, kind);
    return page;
}
