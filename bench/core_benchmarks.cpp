// The pure steps a fetch, a list rebuild, an export, a header click and the projection go through.
#include "bench/bench_support.h"

#include "analysis/talent_projection.h"
#include "export/team_block.h"
#include "retrieval/page_reader.h"
#include "roster/player_texts.h"
#include "view/column_sort.h"

#include <benchmark/benchmark.h>

namespace {

const std::string &pageOf(PageKind kind)
{
    return kind == PageKind::Talent ? pagesOf20Players().talent : pagesOf20Players().abilities;
}

// What a fetch does with a page: the failure-page test, the summary, every row and its record.
void BM_ReadPage(benchmark::State &state, PageKind kind)
{
    const std::string &page = pageOf(kind);
    size_t rows = 0;
    const LoopClock clock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(detectFailurePage(page));
        PageReading contents = readPage(page, kind);
        rows = contents.rows.size();
        benchmark::DoNotOptimize(contents);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["page_bytes"] = static_cast<double>(page.size());
    reportMemchrRatio(state, clock, page);
}
BENCHMARK_CAPTURE(BM_ReadPage, talent, PageKind::Talent);
BENCHMARK_CAPTURE(BM_ReadPage, abilities, PageKind::Abilities);

// A talent page of 100,000 rows whose flags carry no "title": every row looks for the marker in vain.
// Searching the rest of the page for it row after row made such a page take minutes.
const std::string &pageOfManyRowsMissingTitle()
{
    static const std::string page = [] {
        const std::string &sample = pagesOf20Players().talent;
        const size_t first = sample.find("info.php?id=");
        const size_t second = sample.find("info.php?id=", first + 1);
        const std::string row = sample.substr(first, second - first);
        std::string rows;
        rows.reserve(row.size() * 100000);
        for (int i = 0; i < 100000; ++i)
            rows += row;
        std::string built = sample.substr(0, first) + rows + sample.substr(first);
        for (size_t at = built.find("title", first); at != std::string::npos; at = built.find("title", at))
            built.replace(at, 5, "label");
        return built;
    }();
    return page;
}

void BM_ReadPageManyRowsMissingMarker(benchmark::State &state)
{
    const std::string &page = pageOfManyRowsMissingTitle();
    size_t rows = 0;
    bool converted = false;
    const LoopClock clock;
    for (auto _ : state) {
        PageReading contents = readPage(page, PageKind::Talent);
        rows = contents.rows.size();
        converted = contents.converted();
        benchmark::DoNotOptimize(contents);
    }
    if (!converted)
        state.SkipWithError("the page's rows did not convert");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["page_bytes"] = static_cast<double>(page.size());
    reportMemchrRatio(state, clock, page);
}
BENCHMARK(BM_ReadPageManyRowsMissingMarker)->Unit(benchmark::kMillisecond);

// ReAdd's formatting of a full list of 25.
void BM_TalentRowTexts25(benchmark::State &state)
{
    const auto &players = talentRecordsOf25();
    const LoopClock clock;
    for (auto _ : state)
        for (const auto &player : players)
            benchmark::DoNotOptimize(talentRowTexts(player));
    state.counters["rows"] = static_cast<double>(players.size());
    reportMemchrRatio(state, clock, pagesOf20Players().talent);
}
BENCHMARK(BM_TalentRowTexts25);

void BM_SkillRowTexts25(benchmark::State &state)
{
    const auto &players = skillRecordsOf25();
    const LoopClock clock;
    for (auto _ : state)
        for (const auto &player : players)
            benchmark::DoNotOptimize(skillRowTexts(player));
    state.counters["rows"] = static_cast<double>(players.size());
    reportMemchrRatio(state, clock, pagesOf20Players().talent);
}
BENCHMARK(BM_SkillRowTexts25);

// One team block of 20 rows with every optional line.
void BM_BuildTeamBlock(benchmark::State &state, PageKind kind)
{
    const std::string &page = pageOf(kind);
    const PageReading contents = readPage(page, kind);
    ExportView view;
    view.labels = contents.summary;
    view.kind = kind;
    for (const RawRow &row : contents.rows)
        view.rows.push_back(kind == PageKind::Talent ? talentRowTexts(talentRecordOf(row))
                                                     : skillRowTexts(skillRecordOf(row)));
    const ExportOptions options{"_", true, true, true, true};
    size_t bytes = 0;
    const LoopClock clock;
    for (auto _ : state) {
        const std::string block = buildTeamBlock(view, options);
        bytes = block.size();
        benchmark::DoNotOptimize(block);
    }
    state.counters["rows"] = static_cast<double>(view.rows.size());
    state.counters["block_bytes"] = static_cast<double>(bytes);
    reportMemchrRatio(state, clock, pagesOf20Players().talent);
}
BENCHMARK_CAPTURE(BM_BuildTeamBlock, talent, PageKind::Talent);
BENCHMARK_CAPTURE(BM_BuildTeamBlock, abilities, PageKind::Abilities);

// One header click's reordering of 100 rows. Each iteration sorts a fresh copy in page order; the
// copies are made in batches outside the timing.
void BM_SortRows100(benchmark::State &state, int32_t column, std::string caption)
{
    const std::vector<SortRow> &rows = talentListOf100();
    SortState sort;
    constexpr size_t batch = 256;
    std::vector<std::vector<SortRow>> copies;
    size_t next = batch;
    LoopClock clock;
    for (auto _ : state) {
        if (next == batch) {
            state.PauseTiming();
            clock.pause();
            copies.assign(batch, rows);
            next = 0;
            clock.resume();
            state.ResumeTiming();
        }
        sortRows(copies[next], sort.headerClick(column, caption));
        benchmark::DoNotOptimize(copies[next].data());
        ++next;
    }
    state.counters["rows"] = static_cast<double>(rows.size());
    reportMemchrRatio(state, clock, pagesOf20Players().talent);
}
// "Талант" sorts as a number, "Имя" as text.
BENCHMARK_CAPTURE(BM_SortRows100, numeric, 5, "\xD2\xE0\xEB\xE0\xED\xF2");
BENCHMARK_CAPTURE(BM_SortRows100, text, 0, "\xC8\xEC\xFF");

// The projection of a 40,00 / 5,000 player with both levels at 3.
void BM_ProjectTalent(benchmark::State &state)
{
    const LevelReader level = [] { return std::string("3"); };
    size_t rows = 0;
    const LoopClock clock;
    for (auto _ : state) {
        const ProjectionResult result = projectTalent("40,00", "5,000", level, level);
        rows = result.rows.size();
        benchmark::DoNotOptimize(result.rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    reportMemchrRatio(state, clock, pagesOf20Players().talent);
}
BENCHMARK(BM_ProjectTalent);

} // namespace
