// Inputs the fuzzers found, kept as plain cases so a regression shows up in the normal suite.
#include "retrieval/reply_reader.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct SurplusCase {
    const char *name;
    std::string reply;
    size_t surplus; // bytes after the end of the reply
};

class BodilessReplySurplus : public ::testing::TestWithParam<SurplusCase> {};

// A reply that ends with its headers (204, 304, Content-Length 0) used to count what followed it only
// when that arrived in a later piece, so the drained-byte counter of a kept-alive failure depended on
// how the network cut the bytes.
TEST_P(BodilessReplySurplus, IsTheSameHoweverTheBytesArrive)
{
    const SurplusCase &c = GetParam();
    for (size_t cut = 0; cut <= c.reply.size(); ++cut) {
        ReplyReader reader;
        reader.feed(std::string_view(c.reply).substr(0, cut));
        reader.feed(std::string_view(c.reply).substr(cut));
        reader.finish();
        ASSERT_EQ(reader.state(), ReplyReader::State::Done) << "cut at " << cut;
        EXPECT_EQ(reader.body(), "") << "cut at " << cut;
        EXPECT_EQ(reader.surplus(), c.surplus) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FuzzFinding, BodilessReplySurplus,
    ::testing::Values(
        // The input as found: a 204 with keep-alive and bytes after the empty line.
        SurplusCase{"NoContent", "HTTP/1.1 204 No Content\r\nProxy-Connection: Keep-Alive \r\n\r\nEXTRA", 5},
        SurplusCase{"NotModified", "HTTP/1.1 304 Not Modified\r\nConnection: keep-alive\r\n\r\nleft over", 9},
        SurplusCase{"ZeroLength",
                    "HTTP/1.1 500 Oops\r\nContent-Length: 0\r\nConnection: keep-alive\r\n\r\nXY", 2},
        SurplusCase{"AfterContinue", "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 204 No Content\r\n\r\n!", 1}),
    [](const ::testing::TestParamInfo<SurplusCase> &tested) { return std::string(tested.param.name); });

} // namespace
