// The reply reader fed in pieces whose sizes come from the input must end exactly as when it is fed the
// same bytes at once, and its verdicts must agree with each other. Every reader is told the peer closed,
// so a body with a length succeeds only when all of it came.
#include "fuzz/fuzz_check.h"
#include "retrieval/reply_reader.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

bool allDigits(const std::string &s)
{
    if (s.empty())
        return false;
    for (const char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

void checkVerdicts(const ReplyReader &r, const ReplyReader::Limits &limits)
{
    FUZZ_CHECK(r.finished());
    FUZZ_CHECK(r.body().size() <= limits.maxBodyBytes);
    if (r.succeeded()) {
        FUZZ_CHECK(r.state() == ReplyReader::State::Done);
        FUZZ_CHECK(r.status() >= 200 && r.status() <= 299);
        FUZZ_CHECK(!r.header("Location"));
        FUZZ_CHECK(!r.knownToFail());
        if (r.status() == 204)
            FUZZ_CHECK(r.body().empty());
    }
    if (r.state() == ReplyReader::State::Done) {
        FUZZ_CHECK(r.headersComplete());
        FUZZ_CHECK(r.statusLine().compare(0, 5, "HTTP/") == 0);
        FUZZ_CHECK(r.failure().empty());
        FUZZ_CHECK(!r.incomplete());
        // Every reader here got finish(): a body with a length that ended early must not be Done.
        const auto length = r.header("Content-Length");
        const auto transfer = r.header("Transfer-Encoding");
        const bool bodiless =
            (r.status() >= 100 && r.status() <= 199) || r.status() == 204 || r.status() == 304;
        if (length && !transfer && !bodiless && allDigits(*length) && length->size() < 18)
            FUZZ_CHECK(r.body().size() == std::stoull(*length));
    } else {
        FUZZ_CHECK(r.state() == ReplyReader::State::Failed);
        FUZZ_CHECK(!r.failure().empty());
        FUZZ_CHECK(r.knownToFail());
    }
    if (r.incomplete())
        FUZZ_CHECK(!r.succeeded() && !r.headersComplete());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    // The tail of the input says how to feed it; the rest is the reply.
    const auto flags = input.ConsumeIntegral<uint8_t>();
    std::vector<size_t> pieces;
    for (int i = 0; i < 6; ++i)
        pieces.push_back(input.ConsumeIntegralInRange<size_t>(0, 255));
    const std::string reply = input.ConsumeRemainingBytesAsString();

    ReplyReader::Limits limits;
    if (flags & 1) { // small limits reach the too-long and too-large paths
        limits.maxHeaderBytes = 16 + pieces[0];
        limits.maxBodyBytes = pieces[1];
    }
    const bool abandoned = flags & 2;

    ReplyReader whole(limits);
    whole.feed(reply);

    ReplyReader split(limits);
    bool progress = false;
    for (const size_t piece : pieces)
        progress = progress || piece > 0;
    size_t at = 0;
    for (size_t i = 0; at < reply.size(); ++i) {
        const size_t length = progress ? pieces[i % pieces.size()] : 1;
        split.feed(std::string_view(reply).substr(at, length));
        at += length;
    }

    for (ReplyReader *r : {&whole, &split}) {
        if (abandoned)
            r->abandon();
        r->finish();
        checkVerdicts(*r, limits);
    }

    FUZZ_CHECK(whole.state() == split.state());
    FUZZ_CHECK(whole.status() == split.status());
    FUZZ_CHECK(whole.statusLine() == split.statusLine());
    // A failed reply's body is dropped, so only a finished one must match.
    if (whole.state() == ReplyReader::State::Done)
        FUZZ_CHECK(whole.body() == split.body());
    FUZZ_CHECK(whole.location() == split.location());
    FUZZ_CHECK(whole.keepAlive() == split.keepAlive());
    FUZZ_CHECK(whole.surplus() == split.surplus());
    FUZZ_CHECK(whole.failure() == split.failure());
    FUZZ_CHECK(whole.incomplete() == split.incomplete());
    return 0;
}
