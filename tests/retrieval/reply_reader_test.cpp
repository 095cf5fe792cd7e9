#include "retrieval/reply_reader.h"

#include <gtest/gtest.h>

namespace {

// Feeds the reply whole, then split at every byte position, and checks both give the same outcome.
struct Outcome {
    ReplyReader::State state;
    bool succeeded;
    std::string body;
    std::string statusLine;
    std::string location;
    bool incomplete;
    bool operator==(const Outcome &) const = default;
};

Outcome read(const std::vector<std::string_view> &pieces, bool close, ReplyReader::Limits limits = {})
{
    ReplyReader reader(limits);
    for (auto piece : pieces)
        reader.feed(piece);
    if (close)
        reader.finish();
    return {reader.state(),      reader.succeeded(), reader.body(),
            reader.statusLine(), reader.location(),  reader.incomplete()};
}

Outcome readEverySplit(const std::string &reply, bool close = true, ReplyReader::Limits limits = {})
{
    const Outcome whole = read({reply}, close, limits);
    for (size_t cut = 1; cut < reply.size(); ++cut) {
        const std::string_view all = reply;
        EXPECT_EQ(read({all.substr(0, cut), all.substr(cut)}, close, limits), whole) << "split at " << cut;
    }
    ReplyReader bytewise(limits);
    for (char c : reply)
        bytewise.feed(std::string_view(&c, 1));
    if (close)
        bytewise.finish();
    EXPECT_EQ(bytewise.body(), whole.body);
    EXPECT_EQ(bytewise.succeeded(), whole.succeeded);
    return whole;
}

} // namespace

TEST(ReplyReader, ContentLengthBody)
{
    const Outcome o = readEverySplit("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello", false);
    EXPECT_TRUE(o.succeeded);
    EXPECT_EQ(o.body, "hello");
    EXPECT_EQ(o.statusLine, "HTTP/1.1 200 OK");
}

// Part of a page is not a page: a body that ends before its length or its last chunk fails.
TEST(ReplyReader, BodyCutShortIsIncomplete)
{
    const std::string chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    struct Case {
        const char *what;
        std::string reply;
        bool incomplete;
    };
    const Case cases[] = {
        {"length, closed early", "HTTP/1.0 200 OK\r\nContent-Length: 800\r\n\r\n" + std::string(300, 'x'),
         true},
        {"length, one byte short", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhell", true},
        {"length, no body yet", "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\n", true},
        {"inside a chunk", chunked + "5\r\nhel", true},
        {"chunks without the last", chunked + "5\r\nhello\r\n", true},
        {"last chunk without its end", chunked + "5\r\nhello\r\n0\r\n", true},
        {"failed status, length short", "HTTP/1.0 500 Oops\r\nContent-Length: 9\r\n\r\noops", true},
        {"in the headers", "HTTP/1.0 200 OK\r\nContent-Le", false},
    };
    for (const Case &c : cases) {
        const Outcome o = readEverySplit(c.reply);
        EXPECT_EQ(o.state, ReplyReader::State::Failed) << c.what;
        EXPECT_FALSE(o.succeeded) << c.what;
        EXPECT_EQ(o.incomplete, c.incomplete) << c.what;
    }
    // A time-out or a broken connection cuts the body short the same way.
    ReplyReader abandoned;
    abandoned.feed("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhe");
    abandoned.abandon();
    abandoned.finish();
    EXPECT_TRUE(abandoned.incomplete());
    EXPECT_FALSE(abandoned.succeeded());
}

TEST(ReplyReader, BodyUntilCloseWithoutLength)
{
    const Outcome open = read({"HTTP/1.0 200 OK\r\n\r\nabc"}, false);
    EXPECT_FALSE(open.succeeded);
    const Outcome o = readEverySplit("HTTP/1.0 200 OK\r\nServer: x\r\n\r\nabc\r\ndef");
    EXPECT_TRUE(o.succeeded);
    EXPECT_EQ(o.body, "abc\r\ndef");
    EXPECT_FALSE(o.incomplete);
}

TEST(ReplyReader, HighBytesPassUnaltered)
{
    std::string body;
    for (int c = 0; c < 256; ++c)
        body += static_cast<char>(c);
    const Outcome o = readEverySplit("HTTP/1.0 200 OK\r\nContent-Length: 256\r\n\r\n" + body, false);
    EXPECT_EQ(o.body, body);
}

TEST(ReplyReader, ChunkedWithExtensionsAndTrailer)
{
    const Outcome o = readEverySplit("HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, Chunked\r\n\r\n"
                                     "5;name=value\r\nhello\r\n1A\r\n" +
                                         std::string(26, 'z') + "\r\n0\r\nX-Trailer: yes\r\n\r\n",
                                     false);
    EXPECT_TRUE(o.succeeded);
    EXPECT_EQ(o.body, "hello" + std::string(26, 'z'));
}

TEST(ReplyReader, BadOrOversizedChunkSizesFail)
{
    for (const char *size : {"xyz", "", "-1", "1 2", "10000000000000000", "FFFFFFFFFFFFFFFFF"}) {
        const Outcome o = read({std::string("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n") + size +
                                "\r\nabc\r\n0\r\n\r\n"},
                               true);
        EXPECT_EQ(o.state, ReplyReader::State::Failed) << size;
    }
}

TEST(ReplyReader, NoContentAndZeroLengthGiveEmptyBody)
{
    for (const char *reply :
         {"HTTP/1.1 204 No Content\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"}) {
        const Outcome o = readEverySplit(reply, false);
        EXPECT_TRUE(o.succeeded) << reply;
        EXPECT_EQ(o.body, "");
    }
}

TEST(ReplyReader, InterimContinueIsSkipped)
{
    const Outcome o = readEverySplit("HTTP/1.1 100 Continue\r\nX: y\r\n\r\n"
                                     "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
                                     false);
    EXPECT_TRUE(o.succeeded);
    EXPECT_EQ(o.body, "ok");
    EXPECT_EQ(o.statusLine, "HTTP/1.1 200 OK");
}

TEST(ReplyReader, FailingReplies)
{
    struct Case {
        const char *reply;
        const char *statusLine;
    };
    const Case cases[] = {
        {"HTTP/1.1 104 Experiment\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok",
         "HTTP/1.1 104 Experiment"},
        {"HTTP/1.1 302 Found\r\nLocation: http://example.invalid/\r\n\r\n", "HTTP/1.1 302 Found"},
        {"HTTP/1.1 304 Not Modified\r\n\r\n", "HTTP/1.1 304 Not Modified"},
        {"HTTP/1.1 200 OK\r\nLocation: /elsewhere\r\nContent-Length: 2\r\n\r\nok", "HTTP/1.1 200 OK"},
        {"HTTP/1.0 407 Proxy Authentication Required\r\nContent-Length: 3\r\n\r\nno!",
         "HTTP/1.0 407 Proxy Authentication Required"},
        {"HTTP/1.0 500 Internal Server Error\r\n\r\noops", "HTTP/1.0 500 Internal Server Error"},
        {"HTTP/1.1 2 OK\r\n\r\nbody", ""},
        {"hello there\r\n\r\n", ""},
        {"", ""},
        {"HTTP/1.1 200 OK\r\nContent-Length: 1x\r\n\r\nabc", "HTTP/1.1 200 OK"},
        {"HTTP/1.1 200 OK\r\nContent-Le", "HTTP/1.1 200 OK"},
    };
    for (const Case &c : cases) {
        const Outcome o = read({c.reply}, true);
        EXPECT_FALSE(o.succeeded) << c.reply;
        EXPECT_EQ(o.statusLine, c.statusLine) << c.reply;
    }
}

TEST(ReplyReader, StatusLineWithoutReasonAndLfOnlyLineEnds)
{
    const Outcome bare = readEverySplit("HTTP/1.1 200\r\nContent-Length: 2\r\n\r\nok", false);
    EXPECT_TRUE(bare.succeeded);
    EXPECT_EQ(bare.statusLine, "HTTP/1.1 200");
    // Bare LF line ends are read like CR LF.
    const Outcome lf = readEverySplit("HTTP/1.0 200 OK\nContent-Length: 2\n\nok", false);
    EXPECT_TRUE(lf.succeeded);
    EXPECT_EQ(lf.body, "ok");
}

TEST(ReplyReader, LocationLengthCountsForFailedReplies)
{
    ReplyReader reader;
    reader.feed("HTTP/1.1 302 Found\r\nLocation: http://a.example/x/y\r\n\r\n");
    reader.finish();
    EXPECT_EQ(reader.statusLine().size(), 18u);
    EXPECT_EQ(reader.location().size(), 20u);
    EXPECT_FALSE(reader.succeeded());
}

TEST(ReplyReader, KeepAliveFromEitherConnectionHeader)
{
    ReplyReader direct;
    direct.feed("HTTP/1.1 500 X\r\nConnection:  Keep-Alive \r\nContent-Length: 0\r\n\r\n");
    EXPECT_TRUE(direct.keepAlive());
    ReplyReader proxy;
    proxy.feed("HTTP/1.1 407 X\r\nProxy-Connection: keep-alive\r\n\r\n");
    EXPECT_TRUE(proxy.keepAlive());
    ReplyReader closing;
    closing.feed("HTTP/1.1 500 X\r\nConnection: close\r\n\r\n");
    EXPECT_FALSE(closing.keepAlive());
}

TEST(ReplyReader, LimitsStopOversizedReplies)
{
    const ReplyReader::Limits small{128, 1000};
    EXPECT_EQ(read({"HTTP/1.1 200 OK\r\nX: " + std::string(200, 'a') + "\r\n\r\n"}, true, small).state,
              ReplyReader::State::Failed);
    EXPECT_EQ(read({"HTTP/1.1 200 OK\r\nX: " + std::string(200, 'a')}, false, small).state,
              ReplyReader::State::Failed);
    EXPECT_EQ(read({"HTTP/1.1 200 OK\r\nContent-Length: 1001\r\n\r\n"}, false, small).state,
              ReplyReader::State::Failed);
    EXPECT_EQ(read({"HTTP/1.1 200 OK\r\n\r\n" + std::string(1001, 'b')}, true, small).state,
              ReplyReader::State::Failed);
    EXPECT_EQ(read({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3E9\r\n"}, false, small).state,
              ReplyReader::State::Failed);
    EXPECT_TRUE(read({"HTTP/1.1 200 OK\r\n\r\n" + std::string(1000, 'b')}, true, small).succeeded);
}
