#include "retrieval/page_fetch.h"

#include "retrieval/roster_request.h"
#include "text/code_page.h"
#include "text/numbers.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// Texts for the user, UTF-8, in the user's language.
std::string text(const char *source)
{
    return QCoreApplication::translate("PageFetch", source).toStdString();
}

std::string fetchFailureText(ExchangeOutcome outcome)
{
    switch (outcome) {
    case ExchangeOutcome::TimedOut:
        return text(
            QT_TRANSLATE_NOOP("PageFetch", "Произошла ошибка: сервер не ответил за отведённое время."));
    case ExchangeOutcome::Incomplete:
        return text(QT_TRANSLATE_NOOP("PageFetch", "Произошла ошибка: страница пришла не полностью."));
    case ExchangeOutcome::Succeeded:
    case ExchangeOutcome::Failed:
        break;
    }
    return text(QT_TRANSLATE_NOOP("PageFetch", "Произошла ошибка"));
}

std::string fetchFailureReason(ExchangeOutcome outcome)
{
    switch (outcome) {
    case ExchangeOutcome::TimedOut:
        return text(QT_TRANSLATE_NOOP("PageFetch", "сервер не ответил вовремя"));
    case ExchangeOutcome::Incomplete:
        return text(QT_TRANSLATE_NOOP("PageFetch", "страница пришла не полностью"));
    case ExchangeOutcome::Succeeded:
    case ExchangeOutcome::Failed:
        break;
    }
    return text(QT_TRANSLATE_NOOP("PageFetch", "страница не получена"));
}

} // namespace

PageRoute pageRoute(const ProxyChoice &proxy)
{
    PageRoute route;
    route.server = rosterServerAddress();
    route.to = route.server;
    if (!proxy.use)
        return route;
    // The port is read even when the host is empty, so a bad port always fails the same way.
    const int32_t port = readInteger(proxy.portText);
    if (proxy.host.empty())
        return route;
    route.to = {proxy.host, port > 0 && port <= 65535 ? static_cast<uint16_t>(port) : uint16_t{0}};
    route.viaProxy = true;
    if (!proxy.login.empty())
        route.proxyAuthorization = basicProxyAuthorization(proxy.login, proxy.password);
    return route;
}

std::string pageRequest(const PageRoute &route, int32_t teamId, PageKind kind, bool withLogin)
{
    return buildRosterRequest(route.server, teamId, pageSuffixOf(kind), route.viaProxy,
                              withLogin ? route.proxyAuthorization : std::string());
}

std::optional<SitePageNotice> sitePageNotice(FailurePage page)
{
    switch (page) {
    case FailurePage::TeamNotFound:
        return SitePageNotice{text(QT_TRANSLATE_NOOP("PageFetch", "Команда не найдена")),
                              text(QT_TRANSLATE_NOOP("PageFetch", "Неправильно указан ИД.")),
                              text(QT_TRANSLATE_NOOP("PageFetch", "команда не найдена"))};
    case FailurePage::Maintenance:
        return SitePageNotice{text(QT_TRANSLATE_NOOP("PageFetch", "Ахтунг")),
                              text(QT_TRANSLATE_NOOP("PageFetch", "На сайте проводится обновление данных.")),
                              text(QT_TRANSLATE_NOOP("PageFetch", "на сайте проводится обновление данных"))};
    case FailurePage::None:
        break;
    }
    return std::nullopt;
}

FetchResult fetchResultOf(ReplyReader &reply, ExchangeOutcome outcome, const PageRoute &route,
                          int64_t earlierSessionBytes, bool loginSent)
{
    FetchResult result;
    // Only the page itself can tell whether a body without a length arrived whole.
    if (outcome == ExchangeOutcome::Succeeded && reply.bodyEndedByClose() && !pageReachedItsEnd(reply.body()))
        outcome = ExchangeOutcome::Incomplete;
    result.outcome = outcome;
    if (outcome == ExchangeOutcome::Succeeded) {
        result.read = true;
        result.body = reply.takeBody();
        result.lastPageBytes = static_cast<int64_t>(result.body.size());
        result.sessionBytes = result.lastPageBytes + earlierSessionBytes;
        return result;
    }
    if (route.viaProxy && loginSent && (reply.status() == 401 || reply.status() == 407)) {
        result.failureText =
            text(QT_TRANSLATE_NOOP("PageFetch", "Произошла ошибка: прокси-сервер не принял логин и пароль."));
        result.failureReason = text(QT_TRANSLATE_NOOP("PageFetch", "прокси-сервер не принял логин и пароль"));
    } else if (route.viaProxy && reply.status() == 407) {
        result.failureText =
            text(QT_TRANSLATE_NOOP("PageFetch", "Произошла ошибка: прокси-сервер требует логин и пароль."));
        result.failureReason = text(QT_TRANSLATE_NOOP("PageFetch", "прокси-сервер требует логин и пароль"));
    } else {
        result.failureText = fetchFailureText(outcome);
        result.failureReason = fetchFailureReason(outcome);
    }
    result.sessionBytes =
        static_cast<int64_t>(reply.statusLine().size() + reply.location().size()) + earlierSessionBytes;
    return result;
}

bool mayRetryWithProxyLogin(const ReplyReader &reply, const PageRoute &route)
{
    return route.viaProxy && reply.status() == 407 && !route.proxyAuthorization.empty() &&
           offersBasicScheme(reply.header("Proxy-Authenticate").value_or(std::string()));
}

PageFetcher::PageFetcher(int32_t teamId, PageKind kind, PageRoute route, const ExchangeTimeouts &timeouts,
                         QObject *parent)
    : QObject(parent), m_teamId(teamId), m_kind(kind), m_route(std::move(route)), m_timeouts(timeouts)
{
}

PageFetcher::~PageFetcher() { abort(); }

void PageFetcher::start()
{
    m_started.start();
    send(false);
}

void PageFetcher::abort()
{
    if (m_request)
        m_request->abort();
}

void PageFetcher::send(bool withLogin)
{
    m_withLogin = withLogin;
    // A proxy that answers slowly must not double the limit: the try with the login gets what is left.
    ExchangeTimeouts timeouts = m_timeouts;
    timeouts.totalMs = static_cast<int>(std::max<int64_t>(m_timeouts.totalMs - m_started.elapsed(), 1));
    m_request = std::make_unique<PageRequest>(timeouts);
    connect(m_request.get(), &PageRequest::finished, this, &PageFetcher::onRequestFinished);
    m_request->start(m_route.to.host, m_route.to.port, pageRequest(m_route, m_teamId, m_kind, withLogin));
}

void PageFetcher::onRequestFinished()
{
    PageRequest &request = *m_request;
    FetchResult result =
        fetchResultOf(request.reply(), request.outcome(), m_route, m_earlierBytes, m_withLogin);
    if (!result.read)
        result.lastPageBytes = static_cast<int64_t>(request.drained());
    // The proxy wants a login: one more try with it, and no more.
    if (!m_withLogin && mayRetryWithProxyLogin(request.reply(), m_route)) {
        m_earlierBytes = result.sessionBytes;
        // The finished request is still on the stack: let it go once the event loop has it back.
        m_request.release()->deleteLater();
        send(true);
        return;
    }
    Q_EMIT finished(result);
}

std::string readingFault(const PageReading &reading)
{
    if (reading.summary.name.empty())
        return text(QT_TRANSLATE_NOOP("PageFetch", "страница не распознана: в ней нет названия команды"));
    if (!reading.converted())
        return text(QT_TRANSLATE_NOOP("PageFetch", "ошибка в данных: ")) +
               fromCp1251(reading.failureMessage()).toStdString();
    return {};
}

FetchedPage readFetchedPage(const FetchResult &fetched, PageKind kind)
{
    FetchedPage page;
    if (!fetched.read) {
        page.whyNot = fetched.failureReason;
        return page;
    }
    page.notice = sitePageNotice(detectFailurePage(fetched.body));
    if (page.notice) {
        page.whyNot = page.notice->reason;
        return page;
    }
    page.reading = readPage(fetched.body, kind);
    page.read = page.reading.isRosterPage();
    page.whyNot = readingFault(page.reading);
    return page;
}
