#include "history/search_runner.h"

#include "history/history_store.h"
#include "text/code_page.h"

#include <QLocale>
#include <utility>

// Lives in the runner's thread; keeps its connection to the file between searches.
class SearchRunner::Work : public QObject {
public:
    // The results, texts in the order of the locale's language; throws AppError.
    std::shared_ptr<const SearchResults> search(const QString &historyPath, const PlayerSearch &search,
                                                const QLocale &locale)
    {
        if (!m_store || m_store->path() != historyPath) {
            m_store = std::make_unique<HistoryStore>();
            const HistoryOutcome opened = m_store->open(historyPath);
            if (!opened.ok)
                throw AppError(toCp1251(opened.message));
        }
        return std::make_shared<const SearchResults>(
            searchResultsOf(m_store->findPlayers(search), QCollator(locale)));
    }

private:
    std::unique_ptr<HistoryStore> m_store;
};

SearchRunner::SearchRunner(QObject *parent) : QObject(parent), m_work(new Work)
{
    m_work->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_work, &QObject::deleteLater);
    m_thread.start();
}

SearchRunner::~SearchRunner()
{
    m_thread.quit();
    m_thread.wait();
}

void SearchRunner::search(const QString &historyPath, const PlayerSearch &search)
{
    const uint64_t serial = ++m_asked;
    m_latest->store(serial);
    QMetaObject::invokeMethod(
        m_work,
        [this, work = m_work, latest = m_latest, serial, historyPath, search, locale = QLocale()] {
            if (latest->load() != serial)
                return; // a later search is waiting; this one would only be thrown away
            try {
                std::shared_ptr<const SearchResults> results = work->search(historyPath, search, locale);
                tell(serial, [this, results = std::move(results)] { Q_EMIT found(results); });
            } catch (const AppError &e) {
                const QString why = fromCp1251(e.what());
                tell(serial, [this, why] { Q_EMIT failed(why); });
            }
        },
        Qt::QueuedConnection);
}

void SearchRunner::tell(uint64_t serial, const std::function<void()> &emitIt)
{
    // Runs on the window's thread, and not at all once the runner is gone.
    QMetaObject::invokeMethod(
        this,
        [this, serial, emitIt] {
            if (serial != m_asked)
                return;
            m_told = serial;
            emitIt();
        },
        Qt::QueuedConnection);
}
