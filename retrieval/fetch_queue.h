#pragma once

#include "retrieval/page_fetch.h"
#include "retrieval/proxy_choice.h"
#include "roster/team_records.h"

#include <QObject>
#include <cstdint>
#include <deque>
#include <vector>

struct PageJob {
    int32_t teamId = 0;
    PageKind kind = PageKind::Talent;
    // The caller's own mark, told back with the page (a place in a division, say).
    int tag = 0;
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

    bool isStopped() const { return m_stopped; }
    bool isDone() const { return m_done; }
    // The pages not asked for because the queue was stopped.
    const std::deque<PageJob> &notStarted() const { return m_waiting; }

Q_SIGNALS:
    // One page's fetch ended, read or not.
    void pageFetched(const PageJob &job, const FetchResult &result);
    // Every fetch started has ended and no other will start.
    void finished();

private:
    void startWaiting();
    void onFetched(PageFetcher *fetcher, const PageJob &job, const FetchResult &result);
    void finishWhenIdle();

    std::deque<PageJob> m_waiting;
    std::vector<PageFetcher *> m_running;
    PageRoute m_route;
    ExchangeTimeouts m_timeouts;
    int m_atOnce;
    bool m_stopped = false;
    bool m_held = false;
    bool m_done = false;
};
