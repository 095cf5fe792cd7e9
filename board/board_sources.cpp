#include "board/board_sources.h"

#include "history/history_store.h"
#include "text/code_page.h"
#include "view/row_texts.h"

#include <QCoreApplication>

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

std::string text(const char *source)
{
    return QCoreApplication::translate("BoardPages", source).toStdString();
}

ArrivedPage notRead(std::string why)
{
    ArrivedPage page;
    page.whyNot = std::move(why);
    return page;
}

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
    if (!fetched.read)
        return notRead(fetched.failureReason);
    if (const auto notice = sitePageNotice(detectFailurePage(fetched.body)))
        return notRead(notice->reason);
    ArrivedPage page;
    page.reading = readPage(fetched.body, kind);
    if (page.reading.summary.Name.empty())
        page.whyNot =
            text(QT_TRANSLATE_NOOP("BoardPages", "страница не распознана: в ней нет названия команды"));
    else if (!page.reading.converted())
        page.whyNot = text(QT_TRANSLATE_NOOP("BoardPages", "ошибка в данных: ")) +
                      fromCp1251(page.reading.failureMessage()).toStdString();
    page.read = page.whyNot.empty();
    if (page.read)
        page.rows = rowsOf(page.reading, kind);
    return page;
}
