#include "board/board_loader.h"

#include "board/board_sources.h"
#include "history/growth_history.h"
#include "history/history_store.h"
#include "text/code_page.h"

#include <QElapsedTimer>
#include <QLocale>
#include <map>
#include <optional>
#include <utility>

namespace {

// While pages keep arriving, the window gets a new table at most this often.
constexpr qint64 tableIntervalMs = 250;

} // namespace

// Lives in the loader's thread; every call comes as a queued one, in the order it was made.
class BoardLoader::Work : public QObject {
public:
    Work(BoardLoader *loader, std::shared_ptr<std::atomic<int>> waiting)
        : m_loader(loader), m_waiting(std::move(waiting)), m_locale(QLocale())
    {
    }

    void showTeams(std::vector<CatalogueEntry> teams, const QString &historyPath)
    {
        m_historyPath = historyPath;
        m_toldGrowthFailure = false;
        m_teams = std::move(teams);
        m_pages.assign(m_teams.size(), TeamPages{});
        HistoryStore *store = storeAt(historyPath);
        QString failure;
        for (size_t i = 0; i < m_teams.size(); ++i) {
            if (store && failure.isEmpty()) {
                try {
                    m_pages[i] = storedTeamPages(*store, m_teams[i].id);
                } catch (const AppError &e) {
                    failure = fromCp1251(e.what());
                }
            }
            if (const auto fresh = m_fresh.find(m_teams[i].id); fresh != m_fresh.end())
                takeNewer(m_pages[i], fresh->second);
            m_pages[i].teamName = m_teams[i].name;
        }
        if (store && failure.isEmpty())
            for (size_t i = 0; i < m_teams.size(); ++i)
                m_pages[i].levels = levelsOf(*store, m_teams[i].id);
        builder().setTeamCount(m_teams.size());
        for (size_t i = 0; i < m_teams.size(); ++i)
            builder().setTeam(i, m_pages[i]);
        sendTable();
        if (!failure.isEmpty())
            tell([failure](BoardLoader *loader) { Q_EMIT loader->problem(failure); });
    }

    void takePage(const PageJob &job, FetchResult &fetched, const QString &keepIn)
    {
        --*m_waiting;
        ArrivedPage page = readArrivedPage(fetched, job.kind);
        const QString why = QString::fromStdString(page.whyNot);
        tell([job, why](BoardLoader *loader) { Q_EMIT loader->pageTaken(job, why); });
        if (page.read) {
            const QDateTime now = QDateTime::currentDateTimeUtc();
            HistoryStore *keptIn = storeAt(keepIn);
            if (keptIn)
                keep(*keptIn,
                     fetchRecordOf(now, job.teamId, job.kind, std::move(fetched.body), page.reading));
            TeamPages arrived;
            if (job.kind == PageKind::Talent) {
                arrived.talent = PlayersAt<TalentPlayer>{now, std::move(page.reading.talents)};
                arrived.previousTalent = previousTalent(job.teamId, now, keepIn);
            } else {
                arrived.abilities = PlayersAt<AbilitiesPlayer>{now, std::move(page.reading.abilities)};
            }
            takeNewer(m_fresh[job.teamId], arrived, now);
            for (size_t i = 0; i < m_teams.size(); ++i) {
                if (m_teams[i].id == job.teamId) {
                    takeNewer(m_pages[i], arrived, now);
                    if (keptIn && job.kind == PageKind::Talent)
                        m_pages[i].levels = levelsOf(*keptIn, job.teamId);
                    builder().setTeam(i, m_pages[i]);
                    m_changed = true;
                }
            }
        }
        if (m_changed && (*m_waiting == 0 || m_sinceTable.elapsed() >= tableIntervalMs))
            sendTable();
    }

    void finishPages()
    {
        m_toldGrowthFailure = false;
        if (m_changed)
            sendTable();
        const int notKept = std::exchange(m_notKept, 0);
        const QString why = std::exchange(m_whyNotKept, QString());
        tell([notKept, why](BoardLoader *loader) { Q_EMIT loader->pagesTaken(notKept, why); });
    }

    void setTrainingRate(std::optional<TrainingRate> rate)
    {
        m_rate = rate;
        HistoryStore *store = storeAt(m_historyPath);
        for (size_t i = 0; i < m_teams.size(); ++i) {
            m_pages[i].levels = store ? levelsOf(*store, m_teams[i].id) : std::nullopt;
            builder().setTeam(i, m_pages[i]);
        }
        if (!m_teams.empty())
            sendTable();
    }

private:
    // The team's level product from its stored growth; nothing without the steps a week or when the
    // history fails the read (the board's other columns stand).
    std::optional<LevelFit> levelsOf(const HistoryStore &store, int32_t teamId) const
    {
        if (!m_rate)
            return std::nullopt;
        try {
            return teamLevels(store, teamId, *m_rate);
        } catch (const AppError &) {
            return std::nullopt;
        }
    }

    // The history file at that path, opened on this thread's own connection; none for an empty path or
    // a file that cannot be opened (the window has told the user about that one already).
    HistoryStore *storeAt(const QString &path)
    {
        if (path.isEmpty())
            return nullptr;
        if (!m_store || m_store->path() != path) {
            m_store = std::make_unique<HistoryStore>();
            m_store->open(path);
        }
        return m_store->isOpen() ? m_store.get() : nullptr;
    }

    // The stored talent page a page fetched now grows from, read from the history the board shows (or
    // the one the page went into). A file that fails is told once and costs only the growth.
    std::optional<PlayersAt<TalentPlayer>> previousTalent(int32_t teamId, const QDateTime &now,
                                                          const QString &keptIn)
    {
        HistoryStore *store = storeAt(keptIn.isEmpty() ? m_historyPath : keptIn);
        if (!store)
            return std::nullopt;
        try {
            return previousTalentPage(*store, teamId, now);
        } catch (const AppError &e) {
            if (!std::exchange(m_toldGrowthFailure, true)) {
                const QString failure = fromCp1251(e.what());
                tell([failure](BoardLoader *loader) { Q_EMIT loader->problem(failure); });
            }
            return std::nullopt;
        }
    }

    void keep(HistoryStore &store, const std::optional<FetchRecord> &record)
    {
        if (!record)
            return;
        const HistoryOutcome kept = store.keep(*record);
        if (!kept.ok && ++m_notKept == 1)
            m_whyNotKept = kept.message;
    }

    BoardBuilder &builder()
    {
        // Made on this thread: a collator is not to be shared between threads.
        if (!m_builder)
            m_builder.emplace(QCollator(m_locale));
        return *m_builder;
    }

    void sendTable()
    {
        auto table = std::make_shared<const BoardTable>(builder().table());
        m_changed = false;
        m_sinceTable.start();
        tell([table](BoardLoader *loader) { Q_EMIT loader->tableReady(table); });
    }

    // Runs on the window's thread, unless the loader is gone by then.
    template <class Tell> void tell(Tell told)
    {
        BoardLoader *loader = m_loader;
        QMetaObject::invokeMethod(
            loader, [loader, told] { told(loader); }, Qt::QueuedConnection);
    }

    BoardLoader *m_loader;
    std::shared_ptr<std::atomic<int>> m_waiting;
    QLocale m_locale;
    std::optional<BoardBuilder> m_builder;
    std::unique_ptr<HistoryStore> m_store;
    QString m_historyPath; // the history the board's teams were read from
    std::optional<TrainingRate> m_rate;
    bool m_toldGrowthFailure = false;
    std::vector<CatalogueEntry> m_teams;
    std::vector<TeamPages> m_pages; // in the order of m_teams
    // The pages read in this session, by team: they stand even when the history keeps nothing.
    std::map<int32_t, TeamPages> m_fresh;
    bool m_changed = false;
    QElapsedTimer m_sinceTable;
    int m_notKept = 0;
    QString m_whyNotKept;
};

BoardLoader::BoardLoader(QObject *parent) : QObject(parent), m_work(new Work(this, m_waiting))
{
    m_work->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("board"));
    m_thread.start();
}

BoardLoader::~BoardLoader()
{
    // Behind every call made before, so the pages handed over are kept first.
    QMetaObject::invokeMethod(
        m_work, [] { QThread::currentThread()->quit(); }, Qt::QueuedConnection);
    m_thread.wait();
    delete m_work;
}

void BoardLoader::showTeams(std::vector<CatalogueEntry> teams, const QString &historyPath)
{
    QMetaObject::invokeMethod(
        m_work,
        [work = m_work, teams = std::move(teams), historyPath]() mutable {
            work->showTeams(std::move(teams), historyPath);
        },
        Qt::QueuedConnection);
}

void BoardLoader::takePage(const PageJob &job, FetchResult fetched, const QString &keepIn)
{
    ++*m_waiting;
    QMetaObject::invokeMethod(
        m_work,
        [work = m_work, job, fetched = std::move(fetched), keepIn]() mutable {
            work->takePage(job, fetched, keepIn);
        },
        Qt::QueuedConnection);
}

void BoardLoader::finishPages()
{
    QMetaObject::invokeMethod(
        m_work, [work = m_work] { work->finishPages(); }, Qt::QueuedConnection);
}

void BoardLoader::setTrainingRate(std::optional<TrainingRate> rate)
{
    QMetaObject::invokeMethod(
        m_work, [work = m_work, rate] { work->setTrainingRate(rate); }, Qt::QueuedConnection);
}

void BoardLoader::release(std::shared_ptr<const BoardTable> table)
{
    QMetaObject::invokeMethod(
        m_work, [table = std::move(table)]() mutable { table.reset(); }, Qt::QueuedConnection);
}
