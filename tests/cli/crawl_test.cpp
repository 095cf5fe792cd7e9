// The crawl as a user runs it: the real brindlemark-cli against a roster server on the loopback address
// that counts what it is asked and when.
#include "catalogue/catalogue_builder.h"
#include "cli/crawl_backoff.h"
#include "history/history_store.h"
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
        server.delayFor = [this](const std::string &) {
            startedMs.push_back(clock.elapsed());
            peakUnderWay = std::max(peakUnderWay, ++underWay);
            return latencyMs;
        };
        server.replyFor = [this](const std::string &request) {
            --underWay;
            asked.push_back(pageOf(request));
            if (static_cast<int>(asked.size()) == interruptAfter)
                ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
            return static_cast<int>(asked.size()) <= maintenanceReplies ? httpOk(maintenancePage)
                                                                        : httpOk(talentPage(FixtureTeam{}));
        };
        clock.start();
    }

    // Two divisions of `teams` teams each, the first one's numbered from firstTeam.
    void makeCatalogue(int teams)
    {
        std::string sql = "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);";
        for (int i = 0; i < 2 * teams; ++i)
            sql += "INSERT INTO teams VALUES ('T" + std::to_string(i) + "', " +
                   std::to_string(1 + i / teams) + ", " + std::to_string(firstTeam + i) + ");";
        buildDatabaseFromSql(sql, home.filePath(QStringLiteral("teams.cds")));
        buildDatabaseFromSql(
            "CREATE TABLE divisions(name TEXT, id INTEGER);"
            "INSERT INTO divisions VALUES ('Lower', 2); INSERT INTO divisions VALUES ('Top', 1);",
            home.filePath(QStringLiteral("divisions.cds")));
    }

    // Runs the crawl to its end while the server answers; returns its exit code (a signal's number
    // when a signal ended it).
    int crawl(const QStringList &options)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("BRINDLEMARK_SERVER"),
                           QStringLiteral("127.0.0.1:%1").arg(server.port()));
        cli.setProcessEnvironment(environment);
        cli.setWorkingDirectory(home.path());
        cli.start(buildPath("cli/brindlemark-cli"), QStringList{QStringLiteral("crawl")} + options);
        EXPECT_TRUE(runUntil([&] { return cli.state() == QProcess::NotRunning; }, 30000));
        told = cli.readAllStandardError().toStdString();
        // Replies still due to a crawl that was stopped go out before the next one is counted.
        runUntil([&] { return underWay == 0; }, 2000);
        return cli.exitStatus() == QProcess::CrashExit ? -cli.exitCode() : cli.exitCode();
    }

    std::multiset<Page> kept() const
    {
        HistoryStore history;
        history.open(home.filePath(QStringLiteral("data/brindlemark/history.db")));
        std::multiset<Page> pages;
        for (const StoredTeam &team : history.teams())
            for (const StoredFetch &fetch : history.fetchesOf(team.teamId))
                pages.emplace(team.teamId, fetch.kind == PageKind::Abilities);
        return pages;
    }

    QTemporaryDir home;
    LoopbackServer server;
    QProcess cli;
    std::string told; // stderr, UTF-8
    QElapsedTimer clock;
    int latencyMs = 50;
    int underWay = 0;
    int peakUnderWay = 0;
    int interruptAfter = 0;
    int maintenanceReplies = 0;
    std::string maintenancePage =
        toCp1251(QStringLiteral("<html><body><p>На сайте проводится обновление данных</p></body></html>"));
    std::vector<qint64> startedMs;
    std::vector<Page> asked;
};

} // namespace

TEST_F(CrawlTest, FourConnectionsAtMostAndStartsSpacedByTheRateWithItsSpread)
{
    latencyMs = 150;
    ASSERT_EQ(crawl({QStringLiteral("--all"), QStringLiteral("--rate"), QStringLiteral("0")}), 0) << told;
    EXPECT_EQ(asked.size(), 40u);
    EXPECT_EQ(peakUnderWay, 4);

    // A second pass over the same pages, since the history now holds them all only because of max-age.
    startedMs.clear();
    latencyMs = 0;
    ASSERT_EQ(crawl({QStringLiteral("--division"), QStringLiteral("top"), QStringLiteral("--kind"),
                     QStringLiteral("talent"), QStringLiteral("--rate"), QStringLiteral("20"),
                     QStringLiteral("--max-age"), QStringLiteral("0")}),
              0)
        << told;
    ASSERT_EQ(startedMs.size(), 10u);
    // 50 ms apart on average, each gap 35 to 65 ms: any k gaps in a row take at least 35 k ms, less what a
    // busy machine may delay one arrival by.
    std::vector<qint64> gaps;
    for (size_t i = 1; i < startedMs.size(); ++i) {
        gaps.push_back(startedMs[i] - startedMs[i - 1]);
        for (size_t j = 0; j < i; ++j)
            EXPECT_GE(startedMs[i] - startedMs[j], static_cast<qint64>(i - j) * 35 - 15) << j << ".." << i;
    }
    EXPECT_GE(startedMs.back() - startedMs.front(), 9 * 40);
    EXPECT_GT(*std::max_element(gaps.begin(), gaps.end()) - *std::min_element(gaps.begin(), gaps.end()), 4)
        << "the gaps are spread, not clockwork";
}

TEST_F(CrawlTest, InterruptedThenResumedAsksOnlyForWhatIsMissing)
{
    interruptAfter = 15;
    EXPECT_EQ(crawl({QStringLiteral("--all"), QStringLiteral("--rate"), QStringLiteral("0")}), -SIGINT);
    const std::multiset<Page> first = kept();
    EXPECT_GE(first.size(), 11u) << "what arrived is kept";
    EXPECT_LT(first.size(), 20u) << "nothing asked for after the signal";

    // max-age 0: only the journal can tell which pages the first run got.
    asked.clear();
    interruptAfter = 0;
    EXPECT_EQ(crawl({QStringLiteral("--all"), QStringLiteral("--rate"), QStringLiteral("0"),
                     QStringLiteral("--max-age"), QStringLiteral("0")}),
              0)
        << told;
    EXPECT_EQ(asked.size(), 40 - first.size());
    for (const Page &page : asked)
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
    maintenanceReplies = 4;
    EXPECT_EQ(crawl(options), 0) << told;
    EXPECT_EQ(kept().size(), 10u);
    ASSERT_GE(startedMs.size(), 5u);
    EXPECT_GE(startedMs[4] - startedMs[3], 200) << "no page asked for during the pause";

    startedMs.clear();
    asked.clear();
    maintenanceReplies = 1000;
    EXPECT_EQ(crawl(options + QStringList{QStringLiteral("--max-age"), QStringLiteral("0")}), 3);
    EXPECT_NE(told.find("обновление данных"), std::string::npos) << told;
    // Three bursts of four: the page that opened each pause, and the three under way beside it.
    ASSERT_EQ(startedMs.size(), 12u);
    EXPECT_GE(startedMs[4] - startedMs[3], 200);
    EXPECT_GE(startedMs[8] - startedMs[7], 400) << "the second pause is twice the first";
}

TEST(CrawlBackoffTest, PauseDoublesToItsLongestAndEachKindEndsTheCrawlAtItsOwnLimit)
{
    CrawlBackoff backoff({1000, 5000, 8, 3});
    std::vector<int> pauses;
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
