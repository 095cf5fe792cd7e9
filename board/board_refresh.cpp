#include "board/board_refresh.h"

#include "board/page_request.h"

#include <algorithm>

BoardRefresh::BoardRefresh(std::vector<PageJob> jobs, const ProxyChoice &proxy,
                           const ExchangeTimeouts &timeouts, int atOnce, QObject *parent)
    : QObject(parent), m_waiting(jobs.begin(), jobs.end()), m_route(pageRoute(proxy)), m_timeouts(timeouts),
      m_atOnce(std::max(atOnce, 1))
{
}

BoardRefresh::~BoardRefresh() { abort(); }

void BoardRefresh::start()
{
    startWaiting();
    finishWhenIdle();
}

void BoardRefresh::stop()
{
    m_stopped = true;
    finishWhenIdle();
}

void BoardRefresh::abort()
{
    m_stopped = true;
    m_done = true;
    for (Running &running : m_running) {
        running.request->abort();
        running.request->deleteLater();
    }
    m_running.clear();
}

void BoardRefresh::startWaiting()
{
    while (!m_stopped && !m_waiting.empty() && static_cast<int>(m_running.size()) < m_atOnce) {
        const PageJob job = m_waiting.front();
        m_waiting.pop_front();
        send({job, nullptr, false, 0});
    }
}

void BoardRefresh::send(Running running)
{
    running.request = new PageRequest(m_timeouts, this);
    PageRequest *request = running.request;
    connect(request, &PageRequest::finished, this, [this, request] { onRequestFinished(request); });
    m_running.push_back(running);
    request->start(m_route.to, pageRequest(m_route, running.job.teamId, running.job.kind, running.withLogin));
}

void BoardRefresh::onRequestFinished(PageRequest *request)
{
    const auto at = std::find_if(m_running.begin(), m_running.end(),
                                 [request](const Running &r) { return r.request == request; });
    if (at == m_running.end())
        return;
    Running running = *at;
    m_running.erase(at);
    request->deleteLater();
    if (!retryWithLogin(running)) {
        Q_EMIT pageFetched(running.job, resultOf(running));
        // A receiver may have ended the whole refresh.
        if (m_done)
            return;
    }
    startWaiting();
    finishWhenIdle();
}

bool BoardRefresh::retryWithLogin(Running &running)
{
    if (running.withLogin || !mayRetryWithProxyLogin(running.request->reply(), m_route))
        return false;
    send({running.job, nullptr, true, resultOf(running).sessionBytes});
    return true;
}

FetchResult BoardRefresh::resultOf(const Running &running) const
{
    return fetchResultOf(running.request->reply(), running.request->outcome(), m_route, running.earlierBytes);
}

void BoardRefresh::finishWhenIdle()
{
    if (m_done || !m_running.empty() || (!m_stopped && !m_waiting.empty()))
        return;
    m_done = true;
    Q_EMIT finished();
}
