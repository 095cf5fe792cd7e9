// Any page text, read as both page kinds through readPage, the reading a fetch makes: it ends within a
// time linear in the page, never gives more rows than the page has row markers, never passes a failed
// conversion off as a whole roster, and agrees with the step-by-step cut. On small pages the cutter's
// remembered markers must cut exactly as searching afresh for each row.
#include "fuzz/fuzz_check.h"
#include "retrieval/page_reader.h"
#include "text/app_error.h"

#include <chrono>
#include <ctime>
#include <string>

namespace {

// Fresh searches per row are quadratic, so they are compared on small pages only.
constexpr size_t freshSearchLimit = 4096;

bool isSuffixOf(std::string_view w, const std::string &page)
{
    return w.data() >= page.data() && w.data() + w.size() == page.data() + page.size();
}

bool isCanonicalCount(const std::string &players)
{
    if (players == "0")
        return true;
    if (players.empty())
        return false;
    const size_t digits = players.front() == '-' ? 1 : 0;
    return players.size() > digits && players[digits] >= '1' && players[digits] <= '9' &&
           players.find_first_not_of("0123456789", digits) == std::string::npos;
}

size_t rowMarkersIn(const std::string &page)
{
    size_t count = 0;
    for (size_t at = page.find("info.php?id="); at != std::string::npos;
         at = page.find("info.php?id=", at + 1))
        ++count;
    return count;
}

bool converts(const RawRow &row, PageKind kind)
{
    try {
        if (kind == PageKind::Talent)
            FUZZ_CHECK(talentRecordOf(row).position.size() <= 2);
        else
            FUZZ_CHECK(skillRecordOf(row).position.size() <= 2);
        return true;
    } catch (const ConvertError &) {
        return false;
    }
}

// 100 ms for every 100 KB begun; far above a linear reading even under the sanitizers.
std::chrono::milliseconds budgetFor(size_t bytes)
{
    return std::chrono::milliseconds(100 * (1 + bytes / 102400));
}

// The processor time of this thread: a busy machine that preempts the fuzzer does not count.
std::chrono::nanoseconds threadTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

PageReading timedRead(const std::string &page, PageKind kind)
{
    const auto start = threadTime();
    PageReading reading = readPage(page, kind);
    FUZZ_CHECK(threadTime() - start <= budgetFor(page.size()));
    return reading;
}

// The reading's own promises.
void checkReading(const PageReading &reading, const std::string &page, PageKind kind)
{
    FUZZ_CHECK(isCanonicalCount(reading.summary.players));
    if (reading.summary.manager.empty())
        FUZZ_CHECK(reading.summary.rank.empty());
    FUZZ_CHECK(reading.rows.size() <= rowMarkersIn(page));
    const size_t cells = kind == PageKind::Talent ? 6 : 12;
    for (const RawRow &row : reading.rows)
        FUZZ_CHECK(row.cells.size() == cells);

    const size_t records = kind == PageKind::Talent ? reading.talents.size() : reading.abilities.size();
    FUZZ_CHECK(kind == PageKind::Talent ? reading.abilities.empty() : reading.talents.empty());
    FUZZ_CHECK(reading.converted() == (records == reading.rows.size()));
    if (reading.converted())
        return;
    // A failure: the failing row is the last one, nothing is kept as records, and it is a ConvertError.
    FUZZ_CHECK(records == 0);
    FUZZ_CHECK(!reading.rows.empty());
    FUZZ_CHECK(!converts(reading.rows.back(), kind));
    try {
        reading.rethrowFailure();
        FUZZ_CHECK(false);
    } catch (const ConvertError &) {
    }
}

// The same reading step by step: the working copy only ever loses its beginning, every row before the
// last converts, and the reading holds the same summary and rows.
void checkSteps(const PageReading &reading, const std::string &page, PageKind kind)
{
    std::string_view w = page;
    FUZZ_CHECK(extractSummary(w) == reading.summary);
    FUZZ_CHECK(isSuffixOf(w, page));
    const bool fresh = page.size() <= freshSearchLimit;
    std::string_view freshW = w;
    RowCutter cutter(w, kind);
    size_t index = 0;
    while (auto row = cutter.next()) {
        FUZZ_CHECK(isSuffixOf(cutter.rest(), page));
        if (fresh) {
            const auto freshRow = cutNextRow(freshW, kind);
            FUZZ_CHECK(freshRow && freshRow->cells == row->cells);
            FUZZ_CHECK(freshW.data() == cutter.rest().data());
        }
        FUZZ_CHECK(index < reading.rows.size());
        FUZZ_CHECK(reading.rows[index].cells == row->cells);
        ++index;
        if (!converts(*row, kind)) {
            FUZZ_CHECK(!reading.converted());
            break;
        }
    }
    FUZZ_CHECK(index == reading.rows.size());
    if (fresh && reading.converted())
        FUZZ_CHECK(!cutNextRow(freshW, kind));
}

void readAs(const std::string &page, PageKind kind)
{
    const PageReading reading = timedRead(page, kind);
    checkReading(reading, page, kind);
    checkSteps(reading, page, kind);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string page(reinterpret_cast<const char *>(data), size);
    detectFailurePage(page);
    readAs(page, PageKind::Talent);
    readAs(page, PageKind::Abilities);
    return 0;
}
