#pragma once

#include "retrieval/page_fetch.h"
#include "retrieval/proxy_choice.h"
#include "retrieval/roster_exchange.h"
#include "roster/team_records.h"

#include <QObject>
#include <cstdint>
#include <deque>
#include <vector>

class PageRequest;

struct PageJob {
    int32_t teamId = 0;
    PageKind kind = PageKind::Talent;
};

// Fetches many roster pages, a few at once, in the main event loop. Each request is the one a single
// fetch sends (to the proxy when the choice says so), on a connection of its own with the same limits;
// a proxy that asks for a Basic login gets it once, as a single fetch does.
class BoardRefresh : public QObject {
    Q_OBJECT
public:
    // A proxy port that is no number throws ConvertError here, before anything is sent.
    BoardRefresh(std::vector<PageJob> jobs, const ProxyChoice &proxy, const ExchangeTimeouts &timeouts,
                 int atOnce = 4, QObject *parent = nullptr);
    ~BoardRefresh() override;

    void start();
    // No new request starts; those under way finish and are told.
    void stop();
    // Every request ends at once, untold, and none starts; finished() does not follow.
    void abort();

    bool isStopped() const { return m_stopped; }
    bool isDone() const { return m_done; }
    // The pages not asked for because the refresh was stopped.
    const std::deque<PageJob> &notStarted() const { return m_waiting; }

Q_SIGNALS:
    // One page's fetch ended, read or not.
    void pageFetched(const PageJob &job, const FetchResult &result);
    // Every request started has ended and no other will start.
    void finished();

private:
    struct Running {
        PageJob job;
        PageRequest *request = nullptr;
        bool withLogin = false;
        int64_t earlierBytes = 0; // what the first try counted, when the login was sent on a second
    };

    void startWaiting();
    void send(Running running);
    void onRequestFinished(PageRequest *request);
    bool retryWithLogin(Running &running);
    FetchResult resultOf(const Running &running) const;
    void finishWhenIdle();

    std::deque<PageJob> m_waiting;
    std::vector<Running> m_running;
    PageRoute m_route;
    ExchangeTimeouts m_timeouts;
    int m_atOnce;
    bool m_stopped = false;
    bool m_done = false;
};
