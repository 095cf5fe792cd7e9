#include "retrieval/fetch_queue.h"

#include <algorithm>

FetchQueue::FetchQueue(std::vector<PageJob> jobs, const ProxyChoice &proxy, const ExchangeTimeouts &timeouts,
                       int atOnce, QObject *parent)
    : QObject(parent), m_waiting(jobs.begin(), jobs.end()), m_route(pageRoute(proxy)), m_timeouts(timeouts),
      m_atOnce(std::max(atOnce, 1))
{
}

FetchQueue::~FetchQueue() { abort(); }

void FetchQueue::start()
{
    startWaiting();
    finishWhenIdle();
}

void FetchQueue::stop()
{
    m_stopped = true;
    finishWhenIdle();
}

void FetchQueue::abort()
{
    m_stopped = true;
    m_done = true;
    for (PageFetcher *fetcher : m_running) {
        fetcher->abort();
        fetcher->deleteLater();
    }
    m_running.clear();
}

void FetchQueue::hold(bool held)
{
    m_held = held;
    if (!m_held && !m_done)
        startWaiting();
}

void FetchQueue::startWaiting()
{
    while (!m_stopped && !m_held && !m_waiting.empty() && static_cast<int>(m_running.size()) < m_atOnce) {
        const PageJob job = m_waiting.front();
        m_waiting.pop_front();
        auto *fetcher = new PageFetcher(job.teamId, job.kind, m_route, m_timeouts, this);
        connect(fetcher, &PageFetcher::finished, this,
                [this, fetcher, job](const FetchResult &result) { onFetched(fetcher, job, result); });
        m_running.push_back(fetcher);
        fetcher->start();
    }
}

void FetchQueue::onFetched(PageFetcher *fetcher, const PageJob &job, const FetchResult &result)
{
    const auto at = std::find(m_running.begin(), m_running.end(), fetcher);
    if (at == m_running.end())
        return;
    m_running.erase(at);
    fetcher->deleteLater();
    Q_EMIT pageFetched(job, result);
    // A receiver may have ended the whole queue.
    if (m_done)
        return;
    startWaiting();
    finishWhenIdle();
}

void FetchQueue::finishWhenIdle()
{
    if (m_done || !m_running.empty() || (!m_stopped && !m_waiting.empty()))
        return;
    m_done = true;
    Q_EMIT finished();
}
