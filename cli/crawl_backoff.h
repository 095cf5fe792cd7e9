#pragma once

#include <optional>

// How a crawl bears with a site that fails it: after each failure or maintenance page it waits before
// the next start, longer each time, and gives up after too many of them in a row.
struct CrawlPatience {
    int firstPauseMs = 5000;
    int longestPauseMs = 300000;
    int failuresInARow = 8;
    int maintenanceInARow = 3;
};

// What became of one page's fetch, as far as the pace of the crawl is concerned.
enum class PageOutcome {
    Answered,    // the site answered for the team: a roster page, or its own "no such team"
    Failed,      // no page: no connection, an error status, a timeout, a page cut short
    Maintenance, // the site's page saying its data are being updated
};

enum class CrawlEnd {
    TooManyFailures,
    SiteInMaintenance,
};

// The running count of failures in a row and the pause they call for. Only pages asked for since the
// last pause began are told: the ones already under way then failed for the same reason.
class CrawlBackoff {
public:
    explicit CrawlBackoff(const CrawlPatience &patience) : m_patience(patience) {}

    struct Step {
        int pauseMs = 0; // wait this long before the next start
        std::optional<CrawlEnd> end;
    };
    Step take(PageOutcome outcome);

private:
    CrawlPatience m_patience;
    int m_failures = 0;
    int m_maintenance = 0;
};
