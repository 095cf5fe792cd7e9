#include "cli/crawl_backoff.h"

#include <algorithm>

CrawlBackoff::Step CrawlBackoff::take(PageOutcome outcome)
{
    if (outcome == PageOutcome::Answered) {
        m_failures = 0;
        m_maintenance = 0;
        return {};
    }
    // Failures and maintenance pages in a row both lengthen the pause; each kind has its own limit.
    int &streak = outcome == PageOutcome::Maintenance ? m_maintenance : m_failures;
    ++streak;
    const int limit =
        outcome == PageOutcome::Maintenance ? m_patience.maintenanceInARow : m_patience.failuresInARow;
    if (streak >= limit)
        return {0, outcome == PageOutcome::Maintenance ? CrawlEnd::SiteInMaintenance
                                                       : CrawlEnd::TooManyFailures};
    const int doublings = std::min(m_failures + m_maintenance - 1, 20);
    const long long pause = static_cast<long long>(m_patience.firstPauseMs) << doublings;
    return {static_cast<int>(std::min<long long>(pause, m_patience.longestPauseMs)), std::nullopt};
}
