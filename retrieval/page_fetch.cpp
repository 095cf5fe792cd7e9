#include "retrieval/page_fetch.h"

#include "retrieval/roster_request.h"
#include "text/numbers.h"

#include <QCoreApplication>

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

FetchDestination fetchDestination(const ProxyChoice &proxy, const ServerAddress &server)
{
    if (!proxy.use)
        return {server.host, server.port, false};
    // The port is read even when the host is empty, so a bad port always fails the same way.
    const int32_t port = readInteger(proxy.portText);
    if (proxy.host.empty())
        return {server.host, server.port, false};
    return {proxy.host, port, true};
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

FetchResult fetchResultOf(const ReplyReader &reply, ExchangeOutcome outcome, const FetchDestination &to)
{
    FetchResult result;
    result.outcome = outcome;
    if (outcome == ExchangeOutcome::Succeeded) {
        result.read = true;
        result.body = reply.body();
        result.lastPageBytes = static_cast<int64_t>(result.body.size());
        result.sessionBytes = result.lastPageBytes;
        return result;
    }
    if (to.viaProxy && reply.status() == 407) {
        result.failureText =
            text(QT_TRANSLATE_NOOP("PageFetch", "Произошла ошибка: прокси-сервер требует логин и пароль."));
        result.failureReason = text(QT_TRANSLATE_NOOP("PageFetch", "прокси-сервер требует логин и пароль"));
    } else {
        result.failureText = fetchFailureText(outcome);
        result.failureReason = fetchFailureReason(outcome);
    }
    result.sessionBytes = static_cast<int64_t>(reply.statusLine().size() + reply.location().size());
    return result;
}

bool mayRetryWithProxyLogin(const ReplyReader &reply, const FetchDestination &to, const ProxyChoice &proxy)
{
    return to.viaProxy && reply.status() == 407 && !proxy.login.empty() &&
           offersBasicScheme(reply.header("Proxy-Authenticate").value_or(std::string()));
}

namespace {

struct Exchanged {
    FetchResult result;
    bool mayRetryWithLogin = false;
};

// One exchange on a connection of its own; after a failure, what the connection still delivers is
// drained (bounded) and counted.
Exchanged exchangeOnce(const FetchDestination &to, const std::string &request,
                       const ExchangeTimeouts &timeouts, const ProxyChoice &proxy)
{
    RosterExchange exchange(timeouts);
    const bool usablePort = to.port > 0 && to.port <= 65535;
    const bool read = usablePort && exchange.run(to.host, static_cast<uint16_t>(to.port), request);
    const ExchangeOutcome outcome = read         ? ExchangeOutcome::Succeeded
                                    : usablePort ? exchange.outcome()
                                                 : ExchangeOutcome::Failed;
    Exchanged exchanged{fetchResultOf(exchange.reply(), outcome, to), false};
    if (!read) {
        exchanged.mayRetryWithLogin = mayRetryWithProxyLogin(exchange.reply(), to, proxy);
        exchanged.result.lastPageBytes = static_cast<int64_t>(exchange.drainRest());
    }
    return exchanged;
}

} // namespace

FetchResult fetchPage(int32_t teamId, const std::string &pageSuffix, const ProxyChoice &proxy,
                      const ExchangeTimeouts &timeouts)
{
    const ServerAddress server = rosterServerAddress();
    const FetchDestination to = fetchDestination(proxy, server);
    const Exchanged first =
        exchangeOnce(to, buildRosterRequest(server, teamId, pageSuffix, to.viaProxy), timeouts, proxy);
    if (!first.mayRetryWithLogin)
        return first.result;
    // The proxy wants a login: one more try with it, and no more.
    const std::string request = buildRosterRequest(server, teamId, pageSuffix, true,
                                                   basicProxyAuthorization(proxy.login, proxy.password));
    FetchResult second = exchangeOnce(to, request, timeouts, proxy).result;
    second.sessionBytes += first.result.sessionBytes;
    return second;
}
