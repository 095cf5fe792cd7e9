#pragma once

#include "retrieval/page_fetch.h"
#include "retrieval/proxy_choice.h"
#include "roster/team_records.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

struct PageJob {
    int32_t teamId = 0;
    PageKind kind = PageKind::Talent;
    // The caller's own mark, told back with the page (a place in a division, say).
    int tag = 0;
};

// How often a queue may start a fetch: on average `pagesPerSecond` a second (0: whenever a connection is
// free), each start a random part of `spread` of the mean gap before or after its time, so a site's logs
// see no clockwork.
struct FetchPacing {
    double pagesPerSecond = 0;
    double spread = 0.3;
};

// Fetches many roster pages, a few at once, in the main event loop. Each is the fetch a single team's
// page gets (PageFetcher): the same request, route, limits and login.
class FetchQueue : public QObject {
    Q_OBJECT
public:
    // A proxy port that is no number throws ConvertError here, before anything is sent.
    FetchQueue(std::vector<PageJob> jobs, const ProxyChoice &proxy, const ExchangeTimeouts &timeouts,
               int atOnce = 4, QObject *parent = nullptr);
    ~FetchQueue() override;

    void start();
    // No new fetch starts; those under way finish and are told.
    void stop();
    // Every fetch ends at once, untold, and none starts; finished() does not follow.
    void abort();
    // While held, no new fetch starts (a receiver still busy with the pages it got); those under way
    // finish and are told. Letting go starts the waiting ones.
    void hold(bool held);
    // Starts are spaced from now on as the pacing says; the random spread comes from `seed`.
    void setPacing(const FetchPacing &pacing, uint32_t seed = std::random_device{}());
    // One more page, asked for after those already waiting (a fetch to try again); ignored once done.
    void add(const PageJob &job);

    bool isStopped() const { return m_stopped; }
    bool isDone() const { return m_done; }
    // The pages not asked for because the queue was stopped.
    const std::deque<PageJob> &notStarted() const { return m_waiting; }

Q_SIGNALS:
    // A page's request went out (or is on its way: the connection is being made).
    void pageStarted(const PageJob &job);
    // One page's fetch ended, read or not.
    void pageFetched(const PageJob &job, const FetchResult &result);
    // Every fetch started has ended and no other will start.
    void finished();

private:
    void startWaiting();
    // False, and the next start planned, while the pacing wants a wait.
    bool pacingAllowsStart();
    void onFetched(PageFetcher *fetcher, const PageJob &job, const FetchResult &result);
    void finishWhenIdle();

    std::deque<PageJob> m_waiting;
    std::vector<PageFetcher *> m_running;
    PageRoute m_route;
    ExchangeTimeouts m_timeouts;
    int m_atOnce;
    FetchPacing m_pacing;
    std::mt19937 m_random;
    QElapsedTimer m_clock;
    int64_t m_nextStartNs = 0; // on m_clock
    QTimer m_paceTimer;
    bool m_stopped = false;
    bool m_held = false;
    bool m_done = false;
};
