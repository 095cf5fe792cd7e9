#include "board/board_sources.h"

#include "history/history_store.h"
#include "history/player_growth.h"

namespace {

PlayersAt<TalentPlayer> talentOf(StoredPage &page) { return {page.fetchedAt, std::move(page.talents)}; }

// `fetches` as fetchesOf() gives them, the one stored last first.
std::optional<PlayersAt<TalentPlayer>>
talentBefore(const HistoryStore &store, const std::vector<StoredFetch> &fetches, const QDateTime &shownAt)
{
    for (const StoredFetch &fetch : fetches) {
        if (fetch.kind != PageKind::Talent || fetch.fetchedAt.secsTo(shownAt) < shortestGrowthSpanSecs)
            continue;
        if (std::optional<StoredPage> page = store.page(fetch.id))
            return talentOf(*page);
    }
    return std::nullopt;
}

} // namespace

TeamPages storedTeamPages(const HistoryStore &store, int32_t teamId)
{
    TeamPages pages;
    for (const NewestFetch &newest : store.newestFetches({teamId})) {
        std::optional<StoredPage> page = store.page(newest.fetchId);
        if (!page)
            continue; // pruned meanwhile by another instance
        if (newest.kind == PageKind::Talent)
            pages.talent = talentOf(*page);
        else
            pages.abilities = PlayersAt<AbilitiesPlayer>{page->fetchedAt, std::move(page->abilities)};
    }
    if (pages.talent)
        pages.previousTalent = talentBefore(store, store.fetchesOf(teamId), pages.talent->fetchedAt);
    return pages;
}

std::optional<PlayersAt<TalentPlayer>> previousTalentPage(const HistoryStore &store, int32_t teamId,
                                                          const QDateTime &shownAt)
{
    return talentBefore(store, store.fetchesOf(teamId), shownAt);
}

ArrivedPage readArrivedPage(const FetchResult &fetched, PageKind kind)
{
    FetchedPage judged = readFetchedPage(fetched, kind);
    return ArrivedPage{judged.read, std::move(judged.whyNot), std::move(judged.reading)};
}
