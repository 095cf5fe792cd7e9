#pragma once

#include "retrieval/page_extraction.h"
#include "retrieval/page_reader.h"
#include "retrieval/proxy_choice.h"
#include "retrieval/roster_exchange.h"
#include "retrieval/roster_request.h"

#include <cstdint>
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
// and the lengths of the status line and the Location value (nothing is drained here). A proxy's 407 is
// told as the proxy wanting a login. A second try, sent with the login, also counts what the first one
// counted (`earlierSessionBytes`).
FetchResult fetchResultOf(const ReplyReader &reply, ExchangeOutcome outcome, const PageRoute &route,
                          int64_t earlierSessionBytes = 0);

// The proxy answered 407 offering Basic, and a login is stored: the request may go once more with it.
bool mayRetryWithProxyLogin(const ReplyReader &reply, const PageRoute &route);

// One request for a team's roster page: chooses between the proxy and the server, sends the request,
// reads the reply and, after a failure, drains what the connection still delivers (bounded). A proxy
// port that is not a number throws ConvertError before anything is sent.
FetchResult fetchPage(int32_t teamId, PageKind kind, const ProxyChoice &proxy,
                      const ExchangeTimeouts &timeouts);

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
