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

namespace {

// One exchange on a connection of its own; after a failure, what the connection still delivers is
// drained (bounded) and counted.
FetchResult exchangeOnce(const FetchDestination &to, const std::string &request,
                         const ExchangeTimeouts &timeouts, std::optional<std::string> *proxyChallenge)
{
    RosterExchange exchange(timeouts);
    FetchResult result;
    const bool usablePort = to.port > 0 && to.port <= 65535;
    if (usablePort && exchange.run(to.host, static_cast<uint16_t>(to.port), request)) {
        result.read = true;
        result.outcome = ExchangeOutcome::Succeeded;
        result.body = exchange.reply().body();
        result.lastPageBytes = static_cast<int64_t>(result.body.size());
        result.sessionBytes = result.lastPageBytes;
        return result;
    }
    result.outcome = usablePort ? exchange.outcome() : ExchangeOutcome::Failed;
    result.failureText = fetchFailureText(result.outcome);
    if (to.viaProxy && exchange.reply().status() == 407)
        *proxyChallenge = exchange.reply().header("Proxy-Authenticate").value_or(std::string());
    result.lastPageBytes = static_cast<int64_t>(exchange.drainRest());
    result.sessionBytes =
        static_cast<int64_t>(exchange.reply().statusLine().size() + exchange.reply().location().size());
    return result;
}

} // namespace

FetchResult fetchPage(int32_t teamId, const std::string &pageSuffix, const ProxyChoice &proxy,
                      const ExchangeTimeouts &timeouts)
{
    const ServerAddress server = rosterServerAddress();
    const FetchDestination to = fetchDestination(proxy, server);
    std::optional<std::string> challenge;
    FetchResult result =
        exchangeOnce(to, buildRosterRequest(server, teamId, pageSuffix, to.viaProxy), timeouts, &challenge);
    if (!challenge)
        return result;
    // The proxy wants a login: one more try with it when it offers Basic and a login is set.
    if (offersBasicScheme(*challenge) && !proxy.login.empty()) {
        const int64_t firstBytes = result.sessionBytes;
        const std::string request = buildRosterRequest(server, teamId, pageSuffix, true,
                                                       basicProxyAuthorization(proxy.login, proxy.password));
        challenge.reset();
        result = exchangeOnce(to, request, timeouts, &challenge);
        result.sessionBytes += firstBytes;
        if (!challenge)
            return result;
    }
    result.failureText =
        text(QT_TRANSLATE_NOOP("PageFetch", "Произошла ошибка: прокси-сервер требует логин и пароль."));
    return result;
}
