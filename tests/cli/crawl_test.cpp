// The crawl as a user runs it: the real brindlemark-cli against a roster server on the loopback address
// that counts what it is asked and when.
#include "catalogue/catalogue_builder.h"
#include "cli/crawl_backoff.h"
#include "history/history_store.h"
#include "retrieval/roster_request.h"
#include "support/demo_server_process.h"
#include "support/loopback_server.h"
#include "support/roster_pages.h"
#include "support/run_until.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <set>

namespace {

using Page = std::pair<int, bool>; // team, abilities

Page pageOf(const std::string &request)
{
    return {std::atoi(request.c_str() + request.find("?id=") + 4),
            request.find("act=abilities") != std::string::npos};
}

class CrawlTest : public ::testing::Test {
protected:
    static constexpr int firstTeam = 101;

    void SetUp() override
    {
        makeCatalogue(10);
        m_server.delayFor = [this](const std::string &) {
            m_startedMs.push_back(m_clock.elapsed());
            m_peakUnderWay = std::max(m_peakUnderWay, ++m_underWay);
            return m_latencyMs;
        };
        m_server.replyFor = [this](const std::string &request) {
            --m_underWay;
            m_asked.push_back(pageOf(request));
            if (static_cast<int>(m_asked.size()) == m_interruptAfter)
                ::kill(static_cast<pid_t>(m_cli.processId()), SIGINT);
            return static_cast<int>(m_asked.size()) <= m_maintenanceReplies
                       ? httpOk(m_maintenancePage)
                       : httpOk(talentPage(FixtureTeam{}));
        };
        m_clock.start();
    }

    // Two divisions of `teams` teams each, the first one's numbered from firstTeam.
    void makeCatalogue(int teams)
    {
        std::string sql = "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);";
        for (int i = 0; i < 2 * teams; ++i)
            sql += "INSERT INTO teams VALUES ('T" + std::to_string(i) + "', " +
                   std::to_string(1 + i / teams) + ", " + std::to_string(firstTeam + i) + ");";
        buildDatabaseFromSql(sql, m_home.filePath(QStringLiteral("teams.cds")));
        buildDatabaseFromSql(
            "CREATE TABLE divisions(name TEXT, id INTEGER);"
            "INSERT INTO divisions VALUES ('Lower', 2); INSERT INTO divisions VALUES ('Top', 1);",
            m_home.filePath(QStringLiteral("divisions.cds")));
    }

    // Runs the crawl to its end while the server answers; returns its exit code (a signal's number
    // when a signal ended it).
    int crawl(const QStringList &options)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("BRINDLEMARK_SERVER"),
                           QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
        m_cli.setProcessEnvironment(environment);
        m_cli.setWorkingDirectory(m_home.path());
        m_cli.start(buildPath("cli/brindlemark-cli"), QStringList{QStringLiteral("crawl")} + options);
        EXPECT_TRUE(runUntil([&] { return m_cli.state() == QProcess::NotRunning; }, 30000));
        m_told = m_cli.readAllStandardError().toStdString();
        // Replies still due to a crawl that was stopped go out before the next one is counted.
        runUntil([&] { return m_underWay == 0; }, 2000);
        return m_cli.exitStatus() == QProcess::CrashExit ? -m_cli.exitCode() : m_cli.exitCode();
    }

    std::multiset<Page> kept() const
    {
        HistoryStore history;
        history.open(m_home.filePath(QStringLiteral("data/brindlemark/history.db")));
        std::multiset<Page> pages;
        for (const StoredTeam &team : history.teams())
            for (const StoredFetch &fetch : history.fetchesOf(team.teamId))
                pages.emplace(team.teamId, fetch.kind == PageKind::Abilities);
        return pages;
    }

    QTemporaryDir m_home;
    LoopbackServer m_server;
    QProcess m_cli;
    std::string m_told; // stderr, UTF-8
    QElapsedTimer m_clock;
    int m_latencyMs = 50;
    int m_underWay = 0;
    int m_peakUnderWay = 0;
    int m_interruptAfter = 0;
    int m_maintenanceReplies = 0;
    std::string m_maintenancePage =
        toCp1251(QStringLiteral("<html><body><p>На сайте проводится обновление данных</p></body></html>"));
    std::vector<qint64> m_startedMs;
    std::vector<Page> m_asked;
};

} // namespace

TEST_F(CrawlTest, FourConnectionsAtMostAndStartsSpacedByTheRateWithItsSpread)
{
    m_latencyMs = 150;
    ASSERT_EQ(crawl({QStringLiteral("--all"), QStringLiteral("--rate"), QStringLiteral("0")}), 0) << m_told;
    EXPECT_EQ(m_asked.size(), 40u);
    EXPECT_EQ(m_peakUnderWay, 4);
    for (const std::string &request : m_server.requests) // the window's request, byte for byte
        EXPECT_EQ(request, buildRosterRequest({"127.0.0.1", m_server.port()}, pageOf(request).first,
                                              pageOf(request).second ? "&act=abilities" : "", false));

    // The history holds these pages now: --max-age 0 asks for them again, paced at 20 a second.
    m_startedMs.clear();
    m_latencyMs = 0;
    ASSERT_EQ(crawl({QStringLiteral("--division"), QStringLiteral("top"), QStringLiteral("--kind"),
                     QStringLiteral("talent"), QStringLiteral("--rate"), QStringLiteral("20"),
                     QStringLiteral("--max-age"), QStringLiteral("0")}),
              0)
        << m_told;
    ASSERT_EQ(m_startedMs.size(), 10u);
    // 50 ms apart on average, each gap 35 to 65 ms: any k gaps in a row take at least 35 k ms, less what a
    // busy machine may delay one arrival by.
    std::vector<qint64> gaps;
    for (size_t i = 1; i < m_startedMs.size(); ++i) {
        gaps.push_back(m_startedMs[i] - m_startedMs[i - 1]);
        for (size_t j = 0; j < i; ++j)
            EXPECT_GE(m_startedMs[i] - m_startedMs[j], static_cast<qint64>(i - j) * 35 - 15)
                << j << ".." << i;
    }
    EXPECT_GE(m_startedMs.back() - m_startedMs.front(), 9 * 40);
    EXPECT_GT(*std::max_element(gaps.begin(), gaps.end()) - *std::min_element(gaps.begin(), gaps.end()), 4)
        << "the gaps are spread, not clockwork";
}

TEST_F(CrawlTest, InterruptedThenResumedAsksOnlyForWhatIsMissing)
{
    m_interruptAfter = 15;
    EXPECT_EQ(crawl({QStringLiteral("--all"), QStringLiteral("--rate"), QStringLiteral("0")}), -SIGINT);
    const std::multiset<Page> first = kept();
    EXPECT_GE(first.size(), 11u) << "what arrived is kept";
    EXPECT_LT(first.size(), 20u) << "nothing asked for after the signal";

    // max-age 0: only the journal can tell which pages the first run got.
    m_asked.clear();
    m_interruptAfter = 0;
    EXPECT_EQ(crawl({QStringLiteral("--all"), QStringLiteral("--rate"), QStringLiteral("0"),
                     QStringLiteral("--max-age"), QStringLiteral("0")}),
              0)
        << m_told;
    EXPECT_EQ(m_asked.size(), 40 - first.size());
    for (const Page &page : m_asked)
        EXPECT_FALSE(first.contains(page)) << page.first << " asked again";
    const std::multiset<Page> all = kept();
    EXPECT_EQ(all.size(), 40u);
    EXPECT_EQ(std::set<Page>(all.begin(), all.end()).size(), 40u) << "every page once";
}

TEST_F(CrawlTest, MaintenancePagesPauseLongerEachTimeAndEndTheCrawlWhenTheyGoOn)
{
    const QStringList options{QStringLiteral("--division"), QStringLiteral("2"),
                              QStringLiteral("--kind"),     QStringLiteral("abilities"),
                              QStringLiteral("--rate"),     QStringLiteral("0"),
                              QStringLiteral("--pause"),    QStringLiteral("0.2")};
    // The update is over after the first four replies: one pause, then every page.
    m_maintenanceReplies = 4;
    EXPECT_EQ(crawl(options), 0) << m_told;
    EXPECT_EQ(kept().size(), 10u);
    ASSERT_GE(m_startedMs.size(), 5u);
    EXPECT_GE(m_startedMs[4] - m_startedMs[3], 200) << "no page asked for during the pause";

    m_startedMs.clear();
    m_asked.clear();
    m_maintenanceReplies = 1000;
    EXPECT_EQ(crawl(options + QStringList{QStringLiteral("--max-age"), QStringLiteral("0")}), 3);
    EXPECT_NE(m_told.find("обновление данных"), std::string::npos) << m_told;
    // Three bursts of four: the page that opened each pause, and the three under way beside it.
    ASSERT_EQ(m_startedMs.size(), 12u);
    EXPECT_GE(m_startedMs[4] - m_startedMs[3], 200);
    EXPECT_GE(m_startedMs[8] - m_startedMs[7], 400) << "the second pause is twice the first";
}

TEST(CrawlBackoffTest, PauseDoublesToItsLongestAndEachKindEndsTheCrawlAtItsOwnLimit)
{
    CrawlBackoff backoff({1000, 5000, 8, 3});
    std::vector<int> pauses;
    pauses.reserve(7);
    for (int i = 0; i < 7; ++i)
        pauses.push_back(backoff.take(PageOutcome::Failed).pauseMs);
    EXPECT_EQ(pauses, (std::vector<int>{1000, 2000, 4000, 5000, 5000, 5000, 5000}));
    EXPECT_EQ(backoff.take(PageOutcome::Failed).end, CrawlEnd::TooManyFailures);

    // An answer starts the count again; maintenance pages have their own, shorter limit.
    CrawlBackoff site({1000, 5000, 8, 3});
    site.take(PageOutcome::Failed);
    site.take(PageOutcome::Answered);
    EXPECT_EQ(site.take(PageOutcome::Maintenance).pauseMs, 1000);
    EXPECT_EQ(site.take(PageOutcome::Failed).pauseMs, 2000) << "both kinds lengthen the pause";
    EXPECT_FALSE(site.take(PageOutcome::Maintenance).end);
    EXPECT_EQ(site.take(PageOutcome::Maintenance).end, CrawlEnd::SiteInMaintenance);
}
