#include "retrieval/fetch_queue.h"
#include "support/loopback_server.h"
#include "support/roster_pages.h"

#include <QEventLoop>
#include <gtest/gtest.h>
#include <map>

namespace {

int teamOf(const std::string &request) { return std::atoi(request.c_str() + request.find("?id=") + 4); }

// A roster server on the loopback address whose every reply waits; teams answer as the test says.
class RefreshTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("BRINDLEMARK_SERVER", "127.0.0.1:" + QByteArray::number(server.port()));
        server.delayFor = [this](const std::string &request) {
            peak = std::max(peak, ++waiting);
            return teamOf(request) == stalling ? -1 : 60;
        };
        server.replyFor = [this](const std::string &request) {
            --waiting;
            const auto special = replies.find(teamOf(request));
            return special != replies.end() ? special->second : httpOk(talentPage(fixtureTeam()));
        };
    }
    void TearDown() override { qunsetenv("BRINDLEMARK_SERVER"); }

    static FixtureTeam fixtureTeam()
    {
        FixtureTeam t;
        t.squad = {fixturePlayer(QStringLiteral("Иван"), QStringLiteral("Df"), QStringLiteral("16"),
                                 QStringLiteral("20.5"), QStringLiteral("4.5"))};
        return t;
    }

    static std::vector<PageJob> jobs(int teams)
    {
        std::vector<PageJob> all;
        for (int id = 1; id <= teams; ++id)
            all.push_back({id, PageKind::Talent});
        return all;
    }

    // Runs the refresh to its end, or for at most `ms`; gathers what it tells.
    void run(FetchQueue &refresh, int ms = 5000, const std::function<void(FetchQueue &)> &onFirstPage = {})
    {
        QEventLoop loop;
        QObject::connect(&refresh, &FetchQueue::pageFetched, [&](const PageJob &job, const FetchResult &r) {
            told.emplace_back(job.teamId, readFetchedPage(r, job.kind).whyNot);
            if (told.size() == 1 && onFirstPage)
                onFirstPage(refresh);
        });
        QObject::connect(&refresh, &FetchQueue::finished, [&] {
            ++finishedCount;
            loop.quit();
        });
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        refresh.start();
        loop.exec();
    }

    LoopbackServer server;
    std::map<int, std::string> replies;
    int stalling = 0;
    int waiting = 0;
    int peak = 0;
    std::vector<std::pair<int, std::string>> told;
    int finishedCount = 0;
    const ExchangeTimeouts timeouts{1000, 300, 200, 200, 500, 5000};
};

} // namespace

TEST_F(RefreshTest, FourAtOnceAndEveryTeamToldReadOrWhyNot)
{
    stalling = 3;
    replies[2] = "HTTP/1.0 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n";
    replies[4] = httpOk(toCp1251(QStringLiteral("<p>Команда не найдена</p>")));
    replies[5] = ""; // closes without a word
    FetchQueue refresh(jobs(9), {}, timeouts, 4);
    run(refresh);

    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(peak, 4);
    ASSERT_EQ(server.requests.size(), 9u);
    EXPECT_EQ(server.requests[0], buildRosterRequest(rosterServerAddress(), 1, "", false));
    std::map<int, std::string> why(told.begin(), told.end());
    ASSERT_EQ(why.size(), 9u);
    EXPECT_EQ(why[2], "страница не получена");
    EXPECT_EQ(why[3], "сервер не ответил вовремя");
    EXPECT_EQ(why[4], "команда не найдена");
    EXPECT_EQ(why[5], "страница не получена");
    for (const int read : {1, 6, 7, 8, 9})
        EXPECT_EQ(why[read], "") << read;
}

TEST_F(RefreshTest, StopLetsTheRequestsUnderWayFinishAndStartsNoOther)
{
    FetchQueue refresh(jobs(10), {}, timeouts, 4);
    run(refresh, 5000, [](FetchQueue &r) {
        r.stop();
        r.stop();
    });
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(told.size(), 4u) << "the first page and the three under way with it";
    EXPECT_EQ(server.requests.size(), 4u);
    EXPECT_EQ(refresh.notStarted().size(), 6u);
}

TEST_F(RefreshTest, HeldStartsNothingNewUntilLetGo)
{
    FetchQueue refresh(jobs(6), {}, timeouts, 4);
    size_t whenLetGo = 0;
    run(refresh, 5000, [&](FetchQueue &r) {
        r.hold(true);
        // The three under way finish while held; then the rest may go.
        QTimer::singleShot(300, &r, [&] {
            whenLetGo = server.requests.size();
            r.hold(false);
        });
    });
    EXPECT_EQ(whenLetGo, 4u) << "no fetch started while held";
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(told.size(), 6u);
}

TEST_F(RefreshTest, AbortEndsEveryRequestUntold)
{
    auto refresh = std::make_unique<FetchQueue>(jobs(6), ProxyChoice{}, timeouts, 4);
    run(*refresh, 400, [](FetchQueue &r) { r.abort(); });
    EXPECT_EQ(told.size(), 1u);
    EXPECT_EQ(finishedCount, 0);
    refresh.reset(); // nothing left to call back into
    QEventLoop settle;
    QTimer::singleShot(150, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(RefreshTest, ARefusedConnectionIsAPageNotReceived)
{
    quint16 closedPort = 0;
    {
        QTcpServer gone;
        gone.listen(QHostAddress::LocalHost, 0);
        closedPort = gone.serverPort();
    }
    qputenv("BRINDLEMARK_SERVER", "127.0.0.1:" + QByteArray::number(closedPort));
    FetchQueue refresh(jobs(2), {}, timeouts);
    run(refresh);
    EXPECT_EQ(finishedCount, 1);
    EXPECT_EQ(told, (std::vector<std::pair<int, std::string>>{{1, "страница не получена"},
                                                              {2, "страница не получена"}}));
}
