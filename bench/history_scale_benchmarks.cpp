// The history at the size users keep: each goal of a big history measured on one file. The file is the
// one named by BRINDLEMARK_BENCH_HISTORY (made by brindlemark-history-seed, e.g. 1,920 teams × 52 weeks
// × 2 pages = 199,680 pages) or, when unset, two weeks of the 60 demo teams, so the smoke pass stays
// quick. Benchmarks that change the file work on a copy.
#include "bench/bench_support.h"
#include "board/board_page.h"
#include "board/board_sources.h"
#include "history/history_keeper.h"
#include "history/history_page.h"
#include "history/history_reread.h"
#include "history/history_store.h"
#include "retrieval/page_reader.h"
#include "tools/demo_server/demo_pages.h"
#include "tools/history_seed/history_seed.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <stdexcept>

namespace {

struct BigHistory {
    QTemporaryDir dir;
    QString path;
    int64_t pages = 0;
    std::vector<int32_t> sixteenTeams; // the first 16 teams by name
};

const BigHistory &bigHistory()
{
    static BigHistory history;
    static const bool made = [] {
        history.path = qEnvironmentVariable("BRINDLEMARK_BENCH_HISTORY");
        if (history.path.isEmpty()) {
            history.path = history.dir.filePath(QStringLiteral("history.db"));
            HistoryStore store;
            if (!store.open(history.path).ok)
                throw std::runtime_error("cannot open the history file");
            if (!seedHistory(store, demoCatalogue(), {2, 0, {}}).failure.isEmpty())
                throw std::runtime_error("cannot seed the history file");
        }
        HistoryStore store;
        if (!store.open(history.path).ok)
            throw std::runtime_error("cannot open the history file");
        for (const StoredTeam &team : store.teams()) {
            history.pages += team.fetchCount;
            if (history.sixteenTeams.size() < 16)
                history.sixteenTeams.push_back(team.teamId);
        }
        return true;
    }();
    static_cast<void>(made);
    return history;
}

HistoryStore &openBig()
{
    static HistoryStore store;
    if (!store.isOpen())
        store.open(bigHistory().path);
    return store;
}

QString copyOfBig(const QTemporaryDir &dir)
{
    QString copy = dir.filePath(QStringLiteral("copy.db"));
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(copy + suffix);
    if (!QFile::copy(bigHistory().path, copy))
        throw std::runtime_error("cannot copy the history file");
    return copy;
}

// Bytes this process has had written to storage so far (Linux), or 0.
double bytesWrittenSoFar()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    double value = 0;
    while (io >> key >> value)
        if (key == "write_bytes:")
            return value;
    return 0;
}

void countPages(benchmark::State &state)
{
    state.counters["pages"] = static_cast<double>(bigHistory().pages);
}

// Not a timing: the file's size.
void BM_BigHistoryFile(benchmark::State &state)
{
    const qint64 bytes = QFileInfo(bigHistory().path).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(bytes);
    countPages(state);
    state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["bytes_per_page"] = static_cast<double>(bytes) / static_cast<double>(bigHistory().pages);
}
BENCHMARK(BM_BigHistoryFile)->Iterations(1);

// What start-up adds: the file opened and what KeepMonths = 12 would drop counted.
void BM_BigHistoryStartUp(benchmark::State &state)
{
    int kept = 0;
    for (auto _ : state) {
        HistoryKeeper keeper;
        keeper.open(bigHistory().path);
        kept = keeper.prunable(12).kept;
    }
    countPages(state);
    state.counters["kept"] = kept;
}
BENCHMARK(BM_BigHistoryStartUp)->Unit(benchmark::kMillisecond);

// The History page opened, as choosing its tab does: every stored team read afresh, listed and drawn.
void BM_BigHistoryPageOpened(benchmark::State &state)
{
    HistoryStore &store = openBig();
    HistoryPage page;
    page.resize(900, 600);
    page.setStore(&store);
    page.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        page.refresh();
        page.repaint();
        QCoreApplication::processEvents();
    }
    countPages(state);
}
BENCHMARK(BM_BigHistoryPageOpened)->Unit(benchmark::kMillisecond);

// What the board reads of 16 teams: each one's newest pages and the talent page its growth is from.
void BM_BigHistoryBoardPages(benchmark::State &state)
{
    HistoryStore &store = openBig();
    size_t players = 0;
    for (auto _ : state) {
        players = 0;
        for (const int32_t teamId : bigHistory().sixteenTeams) {
            const TeamPages pages = storedTeamPages(store, teamId);
            players += pages.talent ? pages.talent->players->size() : 0;
        }
    }
    countPages(state);
    state.counters["players"] = static_cast<double>(players);
}
BENCHMARK(BM_BigHistoryBoardPages)->Unit(benchmark::kMillisecond);

// The board page of 16 teams filled from the history (read and joined on its loader's thread) and drawn.
void BM_BigHistoryBoardFilled(benchmark::State &state)
{
    HistoryKeeper keeper;
    keeper.open(bigHistory().path);
    BoardPage page;
    page.setSources({&keeper, {}, {}});
    std::vector<CatalogueEntry> teams;
    for (const int32_t teamId : bigHistory().sixteenTeams)
        teams.push_back({std::to_string(teamId), teamId});
    page.resize(490, 280);
    page.show();
    auto *view = page.findChild<QTableView *>(QStringLiteral("boardView"));
    for (auto _ : state) {
        int resets = 0;
        const QMetaObject::Connection counting =
            QObject::connect(view->model(), &QAbstractItemModel::modelReset, [&resets] { ++resets; });
        page.showDivision(0, teams);
        while (resets == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(counting);
        view->viewport()->repaint();
        QCoreApplication::processEvents();
    }
    countPages(state);
    state.counters["players"] = view->model()->rowCount();
}
BENCHMARK(BM_BigHistoryBoardFilled)->Unit(benchmark::kMillisecond);

enum class SearchKind { Newest, EveryWeek, NamePart, NamePartEveryWeek };

void BM_BigHistorySearch(benchmark::State &state, SearchKind kind)
{
    HistoryStore &store = openBig();
    PlayerSearch search;
    if (kind == SearchKind::NamePart || kind == SearchKind::NamePartEveryWeek) {
        search.namePart = QStringLiteral("ЕВ"); // in any case, ё as е: Алексеев, Лёвин, ...
    } else {
        search.position = "Gk";
        search.oldestAge = 16;
        search.lowestTalent = 6;
    }
    search.everyWeek = kind == SearchKind::EveryWeek || kind == SearchKind::NamePartEveryWeek;
    size_t found = 0;
    for (auto _ : state)
        found = store.findPlayers(search).size();
    countPages(state);
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_BigHistorySearch, newest, SearchKind::Newest)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BigHistorySearch, every_week, SearchKind::EveryWeek)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BigHistorySearch, name_part, SearchKind::NamePart)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BigHistorySearch, name_part_every_week, SearchKind::NamePartEveryWeek)
    ->Unit(benchmark::kMillisecond);

// One more page kept in a copy of the file; the log's growth over 20 pages, from empty, per page.
void BM_BigHistoryKeep(benchmark::State &state, PageKind kind)
{
    static QTemporaryDir dir;
    static const QString copy = copyOfBig(dir);
    HistoryStore store;
    store.open(copy);
    const DemoTeam &team = demoCatalogue().teams().back();
    std::string page = rosterPage(demoCatalogue(), team, kind, 60);
    const PageReading reading = readPage(page, kind);
    const FetchRecord record =
        *fetchRecordOf(QDateTime::currentDateTimeUtc(), team.teamId, kind, std::move(page), reading);
    // The copy's log starts empty: the last connection to close before folded it back and removed it.
    store.keep(record); // the dictionary made ready
    const qint64 walBefore = QFileInfo(copy + QStringLiteral("-wal")).size();
    for (int i = 0; i < 20; ++i)
        store.keep(record);
    const qint64 walAfter = QFileInfo(copy + QStringLiteral("-wal")).size();
    for (auto _ : state)
        if (!store.keep(record).ok)
            state.SkipWithError("the page was not kept");
    countPages(state);
    state.counters["wal_KiB_per_page"] = static_cast<double>(walAfter - walBefore) / 20 / 1024;
}
BENCHMARK_CAPTURE(BM_BigHistoryKeep, talent, PageKind::Talent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_BigHistoryKeep, abilities, PageKind::Abilities)->Unit(benchmark::kMicrosecond);

// «Перечитать историю» over every page of a copy, the steps one after another as its thread runs
// them; what the process had written to storage by the end.
void BM_BigHistoryReread(benchmark::State &state)
{
    const QTemporaryDir dir;
    RereadReport report;
    double written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString copy = copyOfBig(dir);
        const double before = bytesWrittenSoFar();
        state.ResumeTiming();
        {
            HistoryStore store;
            store.open(copy);
            report = store.rereadAll();
        }
        written = bytesWrittenSoFar() - before;
    }
    countPages(state);
    state.counters["read"] = report.read;
    state.counters["written_MB"] = written / 1e6;
}
BENCHMARK(BM_BigHistoryReread)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
