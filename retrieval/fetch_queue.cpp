#include "retrieval/fetch_queue.h"

#include <algorithm>

FetchQueue::FetchQueue(std::vector<PageJob> jobs, const ProxyChoice &proxy, const ExchangeTimeouts &timeouts,
                       int atOnce, QObject *parent)
    : QObject(parent), m_waiting(jobs.begin(), jobs.end()), m_route(pageRoute(proxy)), m_timeouts(timeouts),
      m_atOnce(std::max(atOnce, 1))
{
    m_paceTimer.setSingleShot(true);
    m_paceTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_paceTimer, &QTimer::timeout, this, &FetchQueue::startWaiting);
    m_clock.start();
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
    m_paceTimer.stop();
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

void FetchQueue::setPacing(const FetchPacing &pacing, uint32_t seed)
{
    m_pacing = pacing;
    m_pacing.spread = std::clamp(pacing.spread, 0.0, 1.0);
    m_random.seed(seed);
    m_nextStartNs = m_clock.nsecsElapsed();
}

void FetchQueue::add(const PageJob &job)
{
    if (m_done)
        return;
    m_waiting.push_back(job);
    startWaiting();
}

bool FetchQueue::pacingAllowsStart()
{
    if (m_pacing.pagesPerSecond <= 0)
        return true;
    const int64_t now = m_clock.nsecsElapsed();
    if (now < m_nextStartNs) {
        if (!m_paceTimer.isActive())
            m_paceTimer.start(static_cast<int>((m_nextStartNs - now + 999'999) / 1'000'000));
        return false;
    }
    std::uniform_real_distribution<double> share(1.0 - m_pacing.spread, 1.0 + m_pacing.spread);
    const double gapNs = 1e9 / m_pacing.pagesPerSecond * share(m_random);
    // A start held back by busy connections does not earn the next one early.
    m_nextStartNs = now + static_cast<int64_t>(gapNs);
    return true;
}

void FetchQueue::startWaiting()
{
    while (!m_stopped && !m_held && !m_waiting.empty() && static_cast<int>(m_running.size()) < m_atOnce &&
           pacingAllowsStart()) {
        const PageJob job = m_waiting.front();
        m_waiting.pop_front();
        auto *fetcher = new PageFetcher(job.teamId, job.kind, m_route, m_timeouts, this);
        connect(fetcher, &PageFetcher::finished, this,
                [this, fetcher, job](const FetchResult &result) { onFetched(fetcher, job, result); });
        m_running.push_back(fetcher);
        fetcher->start();
        Q_EMIT pageStarted(job);
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
