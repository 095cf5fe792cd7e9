#include "retrieval/roster_exchange.h"
#include "retrieval/roster_request.h"
#include "support/loopback_server.h"

#include <gtest/gtest.h>

namespace {

const ExchangeTimeouts quick{1000, 400, 200, 200, 600};

std::string request() { return buildRosterRequest({"127.0.0.1", 80}, 123, "", false); }

} // namespace

TEST(RosterExchange, SendsTheRequestBytesAndReadsTheBody)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\nContent-Length: 600\r\n\r\n" + std::string(600, '\xE9');
    RosterExchange exchange(quick);
    ASSERT_TRUE(exchange.run("127.0.0.1", server.port(), request()));
    EXPECT_EQ(exchange.reply().body(), std::string(600, '\xE9'));
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0], request());
}

TEST(RosterExchange, BodyUntilCloseAndEarlyClose)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'a');
    RosterExchange untilClose(quick);
    ASSERT_TRUE(untilClose.run("127.0.0.1", server.port(), request()));
    EXPECT_EQ(untilClose.reply().body().size(), 5000u);

    server.reply = "HTTP/1.0 200 OK\r\nContent-Length: 800\r\n\r\n" + std::string(300, 'b');
    RosterExchange early(quick);
    ASSERT_TRUE(early.run("127.0.0.1", server.port(), request()));
    EXPECT_EQ(early.reply().body().size(), 300u);
}

TEST(RosterExchange, RefusedConnectionFailsWithoutStatus)
{
    quint16 port = 0;
    {
        LoopbackServer closed; // take a free port, then free it again
        port = closed.port();
    }
    RosterExchange exchange(quick);
    EXPECT_FALSE(exchange.run("127.0.0.1", port, request()));
    EXPECT_EQ(exchange.reply().statusLine(), "");
    EXPECT_EQ(exchange.drainRest(), 0u);
}

TEST(RosterExchange, SilentServerTimesOut)
{
    LoopbackServer server;
    server.answer = false;
    RosterExchange exchange(quick);
    EXPECT_FALSE(exchange.run("127.0.0.1", server.port(), request()));
    EXPECT_EQ(server.requests.size(), 1u);
}

TEST(RosterExchange, TrickleSlowerThanTheIdleTimeFails)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\n" + std::string(50, 'c');
    server.trickleIntervalMs = 600;
    RosterExchange exchange(quick);
    EXPECT_FALSE(exchange.run("127.0.0.1", server.port(), request()));
}

// Qt reports a reset like an orderly close, so a reset is caught where a close would be too: inside a
// chunked body or the headers.
TEST(RosterExchange, ResetMidBodyFails)
{
    LoopbackServer server;
    server.reply = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2710\r\n" + std::string(1000, 'd');
    server.ending = LoopbackServer::Ending::Reset;
    RosterExchange exchange(quick);
    EXPECT_FALSE(exchange.run("127.0.0.1", server.port(), request()));
}

TEST(RosterExchange, OversizedBodyFails)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'e');
    RosterExchange exchange(quick, ReplyReader::Limits{1024, 4096});
    EXPECT_FALSE(exchange.run("127.0.0.1", server.port(), request()));
}

TEST(RosterExchange, KeptAliveFailedReplyIsDrainedWithinTheLimit)
{
    LoopbackServer server;
    server.reply = "HTTP/1.1 500 Oops\r\nConnection: keep-alive\r\nContent-Length: 4\r\n\r\nbodyEXTRA";
    server.ending = LoopbackServer::Ending::KeepOpen;
    RosterExchange exchange(quick);
    EXPECT_FALSE(exchange.run("127.0.0.1", server.port(), request()));
    EXPECT_EQ(exchange.reply().statusLine(), "HTTP/1.1 500 Oops");
    EXPECT_EQ(exchange.drainRest(), 5u); // "EXTRA"; the server never closes, so the drain gives up
}

TEST(RosterExchange, ProxyAuthenticationChallengeIsAFailure)
{
    LoopbackServer proxy;
    proxy.reply = "HTTP/1.0 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic\r\n\r\n";
    RosterExchange exchange(quick);
    EXPECT_FALSE(exchange.run("127.0.0.1", proxy.port(), buildRosterRequest({"10.9.9.9", 80}, 1, "", true)));
    EXPECT_EQ(exchange.reply().status(), 407);
    EXPECT_EQ(proxy.requests[0].find("Proxy-Authorization"), std::string::npos);
}
