#pragma once

#include "retrieval/page_extraction.h"
#include "retrieval/page_reader.h"
#include "retrieval/page_request.h"
#include "retrieval/proxy_choice.h"
#include "retrieval/roster_request.h"

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// What one fetch of a roster page came to.
struct FetchResult {
    bool read = false;
    // The page as received, byte for byte; empty unless read.
    std::string body;
    // What the "last page" counter shows now: the page's size, or what was drained after a failure.
    int64_t lastPageBytes = 0;
    // What the session counter grows by: the page's size, or after a failure the lengths of the status
    // line and of the Location value.
    int64_t sessionBytes = 0;
    ExchangeOutcome outcome = ExchangeOutcome::Failed;
    // The message a failed fetch shows (UTF-8); empty when read.
    std::string failureText;
    // The same in a few words, for the teams a division run left out and the board's status line (UTF-8).
    std::string failureReason;
};

// How a team's pages are asked for: the roster server the request names, where it goes (the proxy when
// the choice says to use one and names a host, else the server) and the stored proxy login.
struct PageRoute {
    ServerAddress server;
    // Port 0 when the proxy's port is out of range: no connection is tried and the fetch fails.
    ServerAddress to;
    bool viaProxy = false;
    // The Proxy-Authorization value of the stored login; empty when none is stored.
    std::string proxyAuthorization;
};
// The route to the roster server of this run. A proxy port that is not a number throws ConvertError,
// even when the host is empty.
PageRoute pageRoute(const ProxyChoice &proxy);

// The request for a team's page along the route; `withLogin` adds the stored proxy login.
std::string pageRequest(const PageRoute &route, int32_t teamId, PageKind kind, bool withLogin);

// What a finished exchange comes to: the page and its size, or after a failure its message, its reason
// and the lengths of the status line and the Location value (the bytes drained after it are the
// caller's to add). A body that only the connection's close ended is cut short unless its page reached
// its end. A proxy's 407 is told as the proxy wanting a login; a 401 or 407 to the request
// that carried the login as the proxy refusing it. A second try, sent with the login, also counts what
// the first one counted (`earlierSessionBytes`). The page is taken out of the reader, not copied.
FetchResult fetchResultOf(ReplyReader &reply, ExchangeOutcome outcome, const PageRoute &route,
                          int64_t earlierSessionBytes = 0, bool loginSent = false);

// The proxy answered 407 offering Basic, and a login is stored: the request may go once more with it.
bool mayRetryWithProxyLogin(const ReplyReader &reply, const PageRoute &route);

// One fetch of a team's roster page along a route, in the running event loop: the request, and when
// the proxy asks for a Basic login that is stored, one more with it. The whole limit of an exchange
// bounds both tries together. finished() tells the result, never from inside start(); a fetch aborted
// tells nothing.
class PageFetcher : public QObject {
    Q_OBJECT
public:
    PageFetcher(int32_t teamId, PageKind kind, PageRoute route, const ExchangeTimeouts &timeouts,
                QObject *parent = nullptr);
    ~PageFetcher() override;

    void start();
    void abort();

Q_SIGNALS:
    void finished(const FetchResult &result);

private:
    void send(bool withLogin);
    void onRequestFinished();

    int32_t m_teamId;
    PageKind m_kind;
    PageRoute m_route;
    ExchangeTimeouts m_timeouts;
    std::unique_ptr<PageRequest> m_request;
    QElapsedTimer m_started;
    bool m_withLogin = false;
    int64_t m_earlierBytes = 0; // what the first try counted, when the login went on a second
};

// What the user is told of one of the site's own failure pages (UTF-8): the box, and the few words a
// division run lists. Nothing for a roster page.
struct SitePageNotice {
    std::string caption;
    std::string text;
    std::string reason;
};
std::optional<SitePageNotice> sitePageNotice(FailurePage page);

// How a fetched page is judged, the same for the window and the board.
struct FetchedPage {
    // A roster page with every row converted.
    bool read = false;
    // The reply was one of the site's own failure pages.
    std::optional<SitePageNotice> notice;
    // The page as read; empty when the fetch failed or the reply was a failure page.
    PageReading reading;
    // Why the page was not read, in a few words (UTF-8); empty when read.
    std::string whyNot;
};
FetchedPage readFetchedPage(const FetchResult &fetched, PageKind kind);

// Why a page read is no roster to take, in a few words (UTF-8): no team name, or the cell that did not
// convert. Empty for a roster page.
std::string readingFault(const PageReading &reading);
