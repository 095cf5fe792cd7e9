// The fetch history over a year of weekly fetches of the 60 demo teams, both pages (6,240 pages),
// written by the seeding code into a temporary file: its size, the History page's first query, a
// comparison of two fetches, a team's fetch list with its changes, one player's series and chart,
// keeping one more fetch, pruning at start-up and re-reading every page.
#include "bench/bench_support.h"
#include "history/fetch_comparison.h"
#include "history/fetch_texts.h"
#include "history/history_store.h"
#include "history/player_chart_plan.h"
#include "retrieval/page_reader.h"
#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_pages.h"
#include "tools/history_seed/history_seed.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <stdexcept>

namespace {

constexpr int weeksOfAYear = 52;

struct YearOfHistory {
    QTemporaryDir dir;
    QString path;
    int pages = 0;
    double seedSeconds = 0;
    int64_t pageBytes = 0; // the pages as received, before packing
    qint64 fileBytes = 0;
    int32_t teamId = 0;
    std::string playerName, playerCountry;
};

void seed(YearOfHistory &year)
{
    year.path = year.dir.filePath(QStringLiteral("history.db"));
    const auto start = std::chrono::steady_clock::now();
    {
        HistoryStore store;
        if (!store.open(year.path).ok)
            throw std::runtime_error("cannot open the history file");
        const SeedReport report = seedHistory(store, demoCatalogue(), {weeksOfAYear, 0, {}});
        if (!report.failure.isEmpty())
            throw std::runtime_error(report.failure.toStdString());
        year.pages = report.pages;
        year.pageBytes = report.pageBytes;
    } // closing folds the write-ahead log into the file
    year.seedSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    year.fileBytes = QFileInfo(year.path).size();

    HistoryStore store;
    store.open(year.path);
    year.teamId = demoCatalogue().teams().front().teamId;
    for (const StoredFetch &fetch : store.fetchesOf(year.teamId)) {
        if (fetch.kind != PageKind::Talent)
            continue;
        const StoredPage page = *store.page(fetch.id);
        year.playerName = page.talents.front().name;
        year.playerCountry = page.talents.front().country;
        break;
    }
}

const YearOfHistory &yearOfHistory()
{
    static YearOfHistory year;
    static const bool seeded = (seed(year), true);
    static_cast<void>(seeded);
    return year;
}

HistoryStore &openYear()
{
    static HistoryStore store;
    if (!store.isOpen())
        store.open(yearOfHistory().path);
    return store;
}

// Not a timing: the file a year of fetches makes, and how long writing it took.
void BM_HistoryFileOfAYear(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(yearOfHistory().fileBytes);
    const YearOfHistory &year = yearOfHistory();
    state.counters["pages"] = year.pages;
    state.counters["file_MB"] = static_cast<double>(year.fileBytes) / 1e6;
    state.counters["received_MB"] = static_cast<double>(year.pageBytes) / 1e6;
    state.counters["file_bytes_per_page"] = static_cast<double>(year.fileBytes) / year.pages;
    state.counters["seed_s"] = year.seedSeconds;
}
BENCHMARK(BM_HistoryFileOfAYear)->Iterations(1)->Unit(benchmark::kMillisecond);

// What the History page does first: open the file and list the teams.
void BM_HistoryOpenAndListTeams(benchmark::State &state)
{
    const QString path = yearOfHistory().path;
    size_t teams = 0;
    for (auto _ : state) {
        HistoryStore store;
        store.open(path);
        teams = store.teams().size();
    }
    state.counters["teams"] = static_cast<double>(teams);
}
BENCHMARK(BM_HistoryOpenAndListTeams)->Unit(benchmark::kMillisecond);

// Both stored pages read back and compared, the two latest fetches of one kind.
void BM_HistoryCompareTwoFetches(benchmark::State &state, PageKind kind)
{
    HistoryStore &store = openYear();
    std::vector<int64_t> latest;
    for (const StoredFetch &fetch : store.fetchesOf(yearOfHistory().teamId))
        if (fetch.kind == kind && latest.size() < 2)
            latest.push_back(fetch.id);
    size_t rows = 0;
    size_t changes = 0;
    for (auto _ : state) {
        const StoredPage newer = *store.page(latest[0]);
        const StoredPage older = *store.page(latest[1]);
        changes = compareFetches(older, newer).size();
        rows = newer.playerCount();
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK_CAPTURE(BM_HistoryCompareTwoFetches, talent, PageKind::Talent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_HistoryCompareTwoFetches, abilities, PageKind::Abilities)->Unit(benchmark::kMicrosecond);

void BM_HistoryPlayerSeries(benchmark::State &state)
{
    HistoryStore &store = openYear();
    const YearOfHistory &year = yearOfHistory();
    size_t points = 0;
    for (auto _ : state)
        points = store.playerSeries(year.teamId, year.playerName, year.playerCountry).size();
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_HistoryPlayerSeries)->Unit(benchmark::kMicrosecond);

// What the chart draws of a player: his series, his growth and the path his talent takes to 9.
void BM_HistoryPlayerSeriesWithGrowth(benchmark::State &state)
{
    HistoryStore &store = openYear();
    const YearOfHistory &year = yearOfHistory();
    PlayerChartPlan plan;
    for (auto _ : state)
        plan = planPlayerChart(store.playerSeries(year.teamId, year.playerName, year.playerCountry));
    state.counters["points"] = static_cast<double>(plan.points.size());
    state.counters["per_week"] = plan.path ? plan.path->perWeek : 0;
}
BENCHMARK(BM_HistoryPlayerSeriesWithGrowth)->Unit(benchmark::kMicrosecond);

// A team's fetch list as the History page shows it: every page read back, its time worded and what
// changed since the page of its kind before.
void BM_HistoryFetchListWithChanges(benchmark::State &state)
{
    HistoryStore &store = openYear();
    size_t rows = 0;
    for (auto _ : state) {
        const std::vector<StoredPage> pages = store.pagesOf(yearOfHistory().teamId);
        std::vector<QDateTime> times;
        times.reserve(pages.size());
        for (const StoredPage &page : pages)
            times.push_back(page.fetchedAt);
        benchmark::DoNotOptimize(fetchTimeTexts(times));
        rows = changesSinceEarlier(pages).size();
    }
    state.counters["fetches"] = static_cast<double>(rows);
}
BENCHMARK(BM_HistoryFetchListWithChanges)->Unit(benchmark::kMillisecond);

// One more page of a fetch kept in the year's file (a copy, so the other figures stay put): packing,
// the transaction and its rows.
void BM_HistoryKeepOneFetch(benchmark::State &state, PageKind kind)
{
    static QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("history.db"));
    if (!QFile::exists(copy))
        QFile::copy(yearOfHistory().path, copy);
    HistoryStore store;
    store.open(copy);
    const DemoTeam &team = demoCatalogue().teams().back();
    std::string page = rosterPage(demoCatalogue(), team, kind, weeksOfAYear);
    const PageReading reading = readPage(page, kind);
    const FetchRecord record =
        *fetchRecordOf(QDateTime::currentDateTimeUtc(), team.teamId, kind, std::move(page), reading);
    for (auto _ : state)
        if (!store.keep(record).ok)
            state.SkipWithError("the page was not kept");
    state.counters["page_bytes"] = static_cast<double>(record.page.size());
}
BENCHMARK_CAPTURE(BM_HistoryKeepOneFetch, talent, PageKind::Talent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_HistoryKeepOneFetch, abilities, PageKind::Abilities)->Unit(benchmark::kMicrosecond);

// A fresh copy of the year's file, for the benchmarks that change it.
QString freshCopyOfYear(const QTemporaryDir &dir)
{
    const QString copy = dir.filePath(QStringLiteral("changed.db"));
    QFile::remove(copy);
    QFile::remove(copy + QStringLiteral("-wal"));
    QFile::remove(copy + QStringLiteral("-shm"));
    if (!QFile::copy(yearOfHistory().path, copy))
        throw std::runtime_error("cannot copy the history file");
    return copy;
}

// What opening the window does with a limit of months kept, counting first, as the question needs: the
// year's newest fetch is today, so 12 months drops nothing (every start-up but the first after a
// change) and 6 drops half the year.
void BM_HistoryPruneAtStartUp(benchmark::State &state)
{
    const QTemporaryDir dir;
    const auto months = static_cast<int>(state.range(0));
    int dropped = 0;
    for (auto _ : state) {
        state.PauseTiming();
        HistoryStore store;
        store.open(freshCopyOfYear(dir));
        state.ResumeTiming();
        const QDateTime olderThan = QDateTime::currentDateTimeUtc().addMonths(-months);
        dropped = store.pruneCount(olderThan).removed > 0 ? store.prune(olderThan) : 0;
    }
    state.counters["dropped"] = dropped;
}
BENCHMARK(BM_HistoryPruneAtStartUp)->Arg(12)->Arg(6)->Iterations(3)->Unit(benchmark::kMillisecond);

// «Перечитать историю» over the whole year, every step one after another.
void BM_HistoryRereadAYear(benchmark::State &state)
{
    const QTemporaryDir dir;
    RereadReport report;
    for (auto _ : state) {
        state.PauseTiming();
        HistoryStore store;
        store.open(freshCopyOfYear(dir));
        state.ResumeTiming();
        report = store.rereadAll();
    }
    state.counters["read"] = report.read;
    state.counters["failed"] = report.failed;
}
BENCHMARK(BM_HistoryRereadAYear)->Iterations(2)->Unit(benchmark::kMillisecond);

} // namespace
