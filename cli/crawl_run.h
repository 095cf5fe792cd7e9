#pragma once

#include "cli/crawl_backoff.h"
#include "cli/crawl_journal.h"
#include "retrieval/fetch_queue.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class HistoryStore;

struct CrawlOptions {
    FetchPacing pacing{1.0, 0.3};
    CrawlPatience patience;
    int connections = 4;
    // How often a page that failed or met the maintenance page is asked for in one run.
    int triesPerPage = 3;
    ProxyChoice proxy;
    ExchangeTimeouts timeouts;
};

// A page the crawl could not keep, and why (UTF-8, the user's language).
struct LeftOutPage {
    PageJob job;
    std::string reason;
};

struct CrawlReport {
    int kept = 0;
    std::vector<LeftOutPage> leftOut; // refused by the site, or failed every try
    int notAsked = 0;                 // still waiting when the crawl ended or was stopped
    bool stopped = false;             // asked to stop (Ctrl+C)
    std::optional<CrawlEnd> end;      // given up on the site
    QString historyProblem;           // a page could not be kept: the history's message, and the end
    bool finished() const { return !stopped && !end && historyProblem.isEmpty(); }
};

struct CrawlProgress {
    int done = 0;  // pages kept or left out for good
    int total = 0; // pages this run asks for
    int leftOut = 0;
    double pagesPerSecond = 0; // pages done a second since the start
    int pauseMs = 0;           // the pause the crawl is in, 0 when none
};

// One crawl in the running event loop: the pages go through one FetchQueue (the window's fetch of a
// page, so the same request, route, login and limits), paced, with a pause after failures that grows
// while they go on. Each page read is kept in the history as the window keeps it, then noted in the
// journal, so a crawl killed between the two finds the page young enough to skip.
class CrawlRun : public QObject {
    Q_OBJECT
public:
    CrawlRun(std::vector<PageJob> jobs, HistoryStore &history, CrawlJournal &journal, int64_t runId,
             const CrawlOptions &options, QObject *parent = nullptr);
    ~CrawlRun() override;

    void start();
    // Ctrl+C: the pages under way are dropped, what arrived stays kept, and the run stays open.
    void stop();
    const CrawlReport &report() const { return m_report; }

Q_SIGNALS:
    void progressed(const CrawlProgress &progress);
    void finished();

private:
    void onPageStarted(const PageJob &job);
    void onPageFetched(const PageJob &job, const FetchResult &result);
    void guarded(const std::function<void()> &work);
    void readAndKeep(const PageJob &job, const FetchResult &result);
    void takeFailure(const PageJob &job, const FetchResult &result);
    void keep(const PageJob &job, const FetchResult &result, const PageReading &reading);
    void tryAgainOrLeaveOut(const PageJob &job, PageOutcome outcome, const std::string &reason);
    void leaveOut(const PageJob &job, CrawlJournal::PageState state, const std::string &reason);
    void pause(int ms);
    void end();
    void finishJournalRun();
    void tellProgress();

    std::unique_ptr<FetchQueue> m_queue;
    HistoryStore &m_history;
    CrawlJournal &m_journal;
    int64_t m_runId;
    CrawlOptions m_options;
    CrawlBackoff m_backoff;
    CrawlReport m_report;
    int m_total;
    std::map<PageKey, int> m_tries;
    std::set<PageKey> m_underWay;
    // Pages under way when the last pause began: their failures are the same trouble, told once.
    std::set<PageKey> m_startedBeforePause;
    QTimer m_pauseTimer;
    QElapsedTimer m_clock;
    bool m_ended = false;
};
