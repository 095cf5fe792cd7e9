#include "board/board_sources.h"

#include "history/history_store.h"

TeamPages storedTeamPages(const HistoryStore &store, int32_t teamId)
{
    TeamPages pages;
    for (const StoredFetch &fetch : store.fetchesOf(teamId)) {
        const bool talent = fetch.kind == PageKind::Talent;
        if (talent ? pages.talent.has_value() : pages.abilities.has_value())
            continue;
        if (std::optional<StoredPage> page = store.page(fetch.id)) {
            if (talent)
                pages.talent = PlayersAt<TalentPlayer>{page->fetchedAt, std::move(page->talents)};
            else
                pages.abilities = PlayersAt<AbilitiesPlayer>{page->fetchedAt, std::move(page->abilities)};
        }
        if (pages.talent && pages.abilities)
            break;
    }
    return pages;
}

ArrivedPage readArrivedPage(const FetchResult &fetched, PageKind kind)
{
    FetchedPage judged = readFetchedPage(fetched, kind);
    return ArrivedPage{judged.read, std::move(judged.whyNot), std::move(judged.reading)};
}
