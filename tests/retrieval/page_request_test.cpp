#include "retrieval/page_request.h"
#include "retrieval/roster_request.h"
#include "support/loopback_server.h"
#include "support/run_until.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const ExchangeTimeouts quick{1000, 400, 200, 200, 600};

std::string request() { return buildRosterRequest({"127.0.0.1", 80}, 123, "", false); }

// A listening socket whose one-place queue is taken: the kernel leaves further connects unanswered, so
// a connect to it can only time out.
struct FullListenQueue {
    int listener = socket(AF_INET, SOCK_STREAM, 0);
    int filler = socket(AF_INET, SOCK_STREAM, 0);
    uint16_t port = 0;

    FullListenQueue()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(0x7F000001);
        auto *at = reinterpret_cast<sockaddr *>(&address);
        socklen_t length = sizeof address;
        if (bind(listener, at, length) == 0 && listen(listener, 0) == 0 &&
            getsockname(listener, at, &length) == 0 && connect(filler, at, length) == 0)
            port = ntohs(address.sin_port);
    }
    ~FullListenQueue()
    {
        close(filler);
        close(listener);
    }
};

// One request run to its end against a port on the loopback address.
struct Ran {
    Ran(const ExchangeTimeouts &timeouts, uint16_t port, const std::string &bytes,
        ReplyReader::Limits limits = {})
        : request(timeouts, limits)
    {
        bool ended = false;
        QObject::connect(&request, &PageRequest::finished, [&] { ended = true; });
        request.start("127.0.0.1", port, bytes);
        runUntil([&] { return ended; });
    }
    bool read() const { return request.outcome() == ExchangeOutcome::Succeeded; }
    ExchangeOutcome outcome() const { return request.outcome(); }
    const ReplyReader &reply() const { return request.reply(); }
    size_t drained() const { return request.drained(); }

    PageRequest request;
};

} // namespace

TEST(PageRequest, SendsTheRequestBytesAndReadsTheBody)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\nContent-Length: 600\r\n\r\n" + std::string(600, '\xE9');
    const Ran exchange(quick, server.port(), request());
    ASSERT_TRUE(exchange.read());
    EXPECT_EQ(exchange.reply().body(), std::string(600, '\xE9'));
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0], request());
}

TEST(PageRequest, BodyWithoutLengthEndsAtTheClose)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'a');
    const Ran exchange(quick, server.port(), request());
    ASSERT_TRUE(exchange.read());
    EXPECT_EQ(exchange.reply().body().size(), 5000u);
    EXPECT_EQ(exchange.outcome(), ExchangeOutcome::Succeeded);
}

// A peer that closes or resets inside a body with a length or chunks leaves part of a page, which is
// not a page. Qt reports a reset like an orderly close, so both must be caught from the framing.
TEST(PageRequest, BodyCutShortIsIncomplete)
{
    const std::string lengthReply = "HTTP/1.0 200 OK\r\nContent-Length: 800\r\n\r\n" + std::string(300, 'b');
    const std::string chunkedReply =
        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2710\r\n" + std::string(1000, 'd');
    for (const LoopbackServer::Ending ending :
         {LoopbackServer::Ending::Close, LoopbackServer::Ending::Reset}) {
        for (const std::string &reply : {lengthReply, chunkedReply}) {
            LoopbackServer server;
            server.reply = reply;
            server.ending = ending;
            const Ran exchange(quick, server.port(), request());
            EXPECT_FALSE(exchange.read()) << reply.substr(0, 40);
            EXPECT_EQ(exchange.outcome(), ExchangeOutcome::Incomplete) << reply.substr(0, 40);
            EXPECT_EQ(exchange.drained(), 0u);
        }
    }
}

TEST(PageRequest, RefusedConnectionFailsWithoutStatus)
{
    quint16 port = 0;
    {
        LoopbackServer closed; // take a free port, then free it again
        port = closed.port();
    }
    const Ran exchange(quick, port, request());
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.reply().statusLine(), "");
    EXPECT_EQ(exchange.outcome(), ExchangeOutcome::Failed);
    EXPECT_EQ(exchange.drained(), 0u);
}

TEST(PageRequest, ConnectionThatNeverCompletesTimesOut)
{
    const FullListenQueue queue;
    ASSERT_NE(queue.port, 0);
    const Ran exchange(quick, queue.port, request());
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.outcome(), ExchangeOutcome::TimedOut);
    EXPECT_EQ(exchange.reply().statusLine(), "");
}

TEST(PageRequest, SilentServerTimesOut)
{
    LoopbackServer server;
    server.answer = false;
    const Ran exchange(quick, server.port(), request());
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.outcome(), ExchangeOutcome::TimedOut);
    EXPECT_EQ(server.requests.size(), 1u);
}

TEST(PageRequest, TrickleSlowerThanTheIdleTimeFails)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\n" + std::string(50, 'c');
    server.trickleIntervalMs = 600;
    const Ran exchange(quick, server.port(), request());
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.outcome(), ExchangeOutcome::TimedOut);
}

// Each byte comes well within the idle limit, yet the whole reply would take 5 s.
TEST(PageRequest, TrickleWithinTheIdleTimeStopsAtTheTotalLimit)
{
    LoopbackServer server;
    const std::string body(200, 'c');
    server.reply = "HTTP/1.0 200 OK\r\nContent-Length: 200\r\n\r\n" + body;
    server.trickleIntervalMs = 20;
    ExchangeTimeouts timeouts = quick;
    timeouts.totalMs = 1500;
    const Ran exchange(timeouts, server.port(), request());
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.outcome(), ExchangeOutcome::TimedOut);
    EXPECT_LT(exchange.reply().body().size(), body.size());
}

// The dropped rest of a failed reply and the drain after it share one allowance. The server sends a
// byte every 20 ms, so the 600 ms allowance lets about 30 bytes through; separate allowances for the
// body and the drain would let twice that, and reading the body to its end all 400.
TEST(PageRequest, TricklingFailedReplyIsDroppedWithinTheDrainAllowance)
{
    LoopbackServer server;
    server.reply =
        "HTTP/1.1 500 Oops\r\nConnection: keep-alive\r\nContent-Length: 400\r\n\r\n" + std::string(400, 'f');
    server.trickleIntervalMs = 20;
    ExchangeTimeouts timeouts = quick;
    timeouts.totalMs = 60000;
    const Ran exchange(timeouts, server.port(), request());
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.outcome(), ExchangeOutcome::Failed);
    EXPECT_EQ(exchange.reply().status(), 500);
    const size_t bodyBytes = exchange.reply().body().size();
    EXPECT_LT(bodyBytes + exchange.drained(), 45u);
}

TEST(PageRequest, OversizedBodyFails)
{
    LoopbackServer server;
    server.reply = "HTTP/1.0 200 OK\r\n\r\n" + std::string(5000, 'e');
    const Ran exchange(quick, server.port(), request(), ReplyReader::Limits{1024, 4096});
    EXPECT_FALSE(exchange.read());
}

TEST(PageRequest, KeptAliveFailedReplyIsDrainedWithinTheLimit)
{
    LoopbackServer server;
    server.reply = "HTTP/1.1 500 Oops\r\nConnection: keep-alive\r\nContent-Length: 4\r\n\r\nbodyEXTRA";
    server.ending = LoopbackServer::Ending::KeepOpen;
    const Ran exchange(quick, server.port(), request());
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.reply().statusLine(), "HTTP/1.1 500 Oops");
    EXPECT_EQ(exchange.drained(), 5u); // "EXTRA"; the server never closes, so the drain gives up
}

TEST(PageRequest, ProxyAuthenticationChallengeIsAFailure)
{
    LoopbackServer proxy;
    proxy.reply = "HTTP/1.0 407 Proxy Authentication Required\r\nProxy-Authenticate: Basic\r\n\r\n";
    const Ran exchange(quick, proxy.port(), buildRosterRequest({"10.9.9.9", 80}, 1, "", true));
    EXPECT_FALSE(exchange.read());
    EXPECT_EQ(exchange.reply().status(), 407);
    EXPECT_EQ(proxy.requests[0].find("Proxy-Authorization"), std::string::npos);
}
