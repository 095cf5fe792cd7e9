#include "retrieval/page_fetch.h"
#include "retrieval/roster_request.h"
#include "support/loopback_server.h"
#include "support/roster_pages.h"
#include "support/run_until.h"

#include <gtest/gtest.h>

namespace {

FetchResult fetched(const ProxyChoice &proxy,
                    const ExchangeTimeouts &timeouts = {1000, 1000, 200, 200, 500, 5000})
{
    PageFetcher fetcher(7, PageKind::Talent, pageRoute(proxy), timeouts);
    std::optional<FetchResult> result;
    QObject::connect(&fetcher, &PageFetcher::finished, [&](const FetchResult &r) { result = r; });
    fetcher.start();
    runUntil([&] { return result.has_value(); });
    return result.value_or(FetchResult{});
}

const std::string page = "HTTP/1.0 200 OK\r\nContent-Length: 4\r\n\r\npage";

std::string proxyRefusal(const std::string &challengeLine)
{
    return "HTTP/1.0 407 Proxy Authentication Required\r\n" + challengeLine + "Content-Length: 0\r\n\r\n";
}

// A proxy on the loopback address that asks for a login, with the options of one test.
struct ProxyCase {
    const char *what;
    std::string challengeLine;
    std::string login;
    bool acceptsLogin;
    size_t requests;
    bool read;
    bool refusesLoginWith401 = false; // as a real proxy answers a wrong password
};

class ProxyLogin : public ::testing::TestWithParam<ProxyCase> {
protected:
    void SetUp() override { qputenv("BRINDLEMARK_SERVER", "192.0.2.1:8080"); }
    void TearDown() override { qunsetenv("BRINDLEMARK_SERVER"); }
};

TEST_P(ProxyLogin, AsksAtMostOnceMoreWithABasicLogin)
{
    const ProxyCase &c = GetParam();
    LoopbackServer proxy;
    proxy.replyFor = [&](const std::string &request) {
        const bool withLogin = request.find("Proxy-Authorization:") != std::string::npos;
        if (withLogin && c.refusesLoginWith401)
            return std::string("HTTP/1.0 401 Unauthorized\r\nContent-Length: 0\r\n\r\n");
        return withLogin && c.acceptsLogin ? page : proxyRefusal(c.challengeLine);
    };
    const ProxyChoice choice{true, "127.0.0.1", std::to_string(proxy.port()), c.login, "s\xC3\xA9kr:t"};
    const FetchResult result = fetched(choice);

    ASSERT_EQ(proxy.requests.size(), c.requests);
    const ServerAddress server{"192.0.2.1", 8080};
    // The first request is the plain one, byte for byte.
    EXPECT_EQ(proxy.requests[0], buildRosterRequest(server, 7, "", true));
    if (c.requests == 2) {
        const std::string second = proxy.requests[1];
        // base64 of "user:sékr:t" in UTF-8, right after Host.
        EXPECT_NE(second.find("Host: 192.0.2.1\r\nProxy-Authorization: Basic dXNlcjpzw6lrcjp0\r\nAccept:"),
                  std::string::npos);
        EXPECT_EQ(second.size(), proxy.requests[0].size() + 45);
    }
    EXPECT_EQ(result.read, c.read);
    if (c.read && c.requests == 2) { // both tries count: the refusal's status line, then the page
        EXPECT_EQ(result.sessionBytes - result.lastPageBytes,
                  static_cast<int64_t>(std::string("HTTP/1.0 407 Proxy Authentication Required").size()));
    }
    if (!c.read) {
        // A login sent and refused is told as such; a login never sent as the proxy wanting one.
        EXPECT_EQ(result.failureText, c.requests == 2
                                          ? "Произошла ошибка: прокси-сервер не принял логин и пароль."
                                          : "Произошла ошибка: прокси-сервер требует логин и пароль.");
        EXPECT_EQ(result.failureText.find("s\xC3\xA9kr"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Proxy, ProxyLogin,
    ::testing::Values(
        ProxyCase{"Accepted", "Proxy-Authenticate: Basic realm=\"office\"\r\n", "user", true, 2, true},
        ProxyCase{"AsksForever", "Proxy-Authenticate: basic\r\n", "user", false, 2, false},
        ProxyCase{"RefusesWith401", "Proxy-Authenticate: Basic\r\n", "user", false, 2, false, true},
        ProxyCase{"NoLoginStored", "Proxy-Authenticate: Basic realm=\"x\"\r\n", "", true, 1, false},
        ProxyCase{"OtherScheme", "Proxy-Authenticate: Digest realm=\"x\"\r\n", "user", true, 1, false},
        ProxyCase{"NoChallenge", "", "user", true, 1, false},
        ProxyCase{"MalformedChallenge", "Proxy-Authenticate: \r\n", "user", true, 1, false}),
    [](const ::testing::TestParamInfo<ProxyCase> &tested) { return std::string(tested.param.what); });

// A reply without a length ends with its connection, so a close or a reset after row 10 of 19 looks
// like the end of a page of 10 players: the page itself must show it reached its end.
TEST(PageFetch, BodyWithoutLengthIsAPageOnlyWhenItReachedItsEnd)
{
    FixtureTeam team;
    for (int i = 1; i <= 19; ++i)
        team.squad.push_back(fixturePlayer(QStringLiteral("P%1").arg(i), QStringLiteral("Mf"),
                                           QStringLiteral("17"), QStringLiteral("1.5"),
                                           QStringLiteral("2.5")));
    const std::string whole = talentPage(team);
    size_t row11 = 0;
    for (int row = 0; row < 11; ++row)
        row11 = whole.find("info.php?id=", row11 + 1);
    ASSERT_NE(row11, std::string::npos);
    std::string shouting = whole;
    shouting.replace(shouting.rfind("</html>"), 7, "</HTML>");
    struct Case {
        std::string body;
        LoopbackServer::Ending ending;
        bool read;
    };
    const Case cases[] = {{whole, LoopbackServer::Ending::Close, true},
                          {shouting, LoopbackServer::Ending::Close, true},
                          {whole.substr(0, row11), LoopbackServer::Ending::Close, false},
                          {whole.substr(0, row11), LoopbackServer::Ending::Reset, false}};
    for (const Case &c : cases) {
        LoopbackServer server;
        server.reply = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + c.body;
        server.ending = c.ending;
        qputenv("BRINDLEMARK_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(server.port()));
        const FetchResult result = fetched({});
        qunsetenv("BRINDLEMARK_SERVER");
        EXPECT_EQ(result.read, c.read) << c.body.size();
        EXPECT_EQ(result.body, c.read ? c.body : std::string()) << c.body.size();
        if (!c.read) {
            EXPECT_EQ(result.outcome, ExchangeOutcome::Incomplete);
            EXPECT_EQ(result.failureReason, "страница пришла не полностью");
        }
    }
}

// A proxy slow with both answers: the try with the login gets only what the first left of the limit,
// so the page that comes well inside a limit of its own comes too late.
TEST(PageFetch, TheLoginRetryGetsWhatIsLeftOfTheLimit)
{
    qputenv("BRINDLEMARK_SERVER", "192.0.2.1:8080");
    LoopbackServer proxy;
    proxy.delayFor = [](const std::string &) { return 700; };
    proxy.replyFor = [](const std::string &request) {
        return request.find("Proxy-Authorization:") != std::string::npos
                   ? page
                   : proxyRefusal("Proxy-Authenticate: Basic\r\n");
    };
    const FetchResult result = fetched({true, "127.0.0.1", std::to_string(proxy.port()), "user", "pw"},
                                       {1000, 900, 200, 200, 500, 1000});
    qunsetenv("BRINDLEMARK_SERVER");
    EXPECT_EQ(proxy.requests.size(), 2u);
    EXPECT_FALSE(result.read);
    EXPECT_EQ(result.outcome, ExchangeOutcome::TimedOut);
}

} // namespace
