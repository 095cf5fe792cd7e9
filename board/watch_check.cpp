#include "board/watch_check.h"

#include "board/watch_due.h"
#include "catalogue/catalogue.h"
#include "history/history_store.h"
#include "text/code_page.h"

#include <QThread>
#include <algorithm>
#include <utility>

namespace {

constexpr qint64 secondsADay = qint64{24} * 60 * 60;

// The stalest of the newest watched pages, or none when one of them was never stored.
std::optional<QDateTime> stalestPage(const std::vector<TeamNewest> &teams, WatchPages pages)
{
    std::optional<QDateTime> stalest;
    for (const TeamNewest &team : teams) {
        for (const auto &[watched, newest] : {std::pair{pages != WatchPages::Abilities, team.talent},
                                              std::pair{pages != WatchPages::Talent, team.abilities}}) {
            if (!watched)
                continue;
            if (!newest)
                return std::nullopt;
            if (!stalest || *newest < *stalest)
                stalest = newest;
        }
    }
    return stalest;
}

std::vector<int32_t> teamIdsOf(CatalogueTable &teams, int32_t divisionId)
{
    std::vector<int32_t> ids;
    for (const CatalogueEntry &team : readTeamsOfDivision(teams, divisionId))
        ids.push_back(team.id);
    return ids;
}

} // namespace

std::vector<DueDivision> dueDivisions(const HistoryStore &store, CatalogueTable &teams,
                                      const WatchOptions &options, const QDateTime &now)
{
    std::vector<DueDivision> due;
    for (const int32_t divisionId : options.divisionIds) {
        const std::vector<TeamNewest> newest = newestOfTeams(store, teamIdsOf(teams, divisionId));
        if (!divisionIsDue(newest, options, now))
            continue;
        const std::optional<QDateTime> stalest = stalestPage(newest, options.pages);
        due.push_back(
            {divisionId, stalest ? std::optional<int>(static_cast<int>(stalest->secsTo(now) / secondsADay))
                                 : std::nullopt});
    }
    return due;
}

WatchCheck::WatchCheck(QString historyPath, QString teamsFile, WatchOptions options, QObject *parent)
    : QObject(parent), m_historyPath(std::move(historyPath)), m_teamsFile(std::move(teamsFile)),
      m_options(std::move(options))
{
}

WatchCheck::~WatchCheck()
{
    if (m_thread)
        m_thread->wait();
}

void WatchCheck::start()
{
    m_thread.reset(QThread::create([this] {
        std::vector<DueDivision> due;
        try {
            HistoryStore store;
            if (store.open(m_historyPath).ok) {
                CatalogueTable teams;
                teams.loadFromFile(toCp1251(m_teamsFile));
                due = dueDivisions(store, teams, m_options, QDateTime::currentDateTimeUtc());
            }
        } catch (const AppError &) {
            due.clear();
        }
        // Told on the window's thread; dropped with this object if it is gone by then.
        QMetaObject::invokeMethod(
            this, [this, due = std::move(due)] { Q_EMIT finished(due); }, Qt::QueuedConnection);
    }));
    m_thread->start();
}
