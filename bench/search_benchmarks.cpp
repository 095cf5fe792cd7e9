// The search page's own work on what the store found: every column's order worked out once off the
// window's thread (searchResultsOf), a header click's sort (rowsInOrder) and the cells of one screen of
// rows, over 100,000 found players, about what a name part finds in every stored week of a whole game.
#include "bench/bench_support.h"
#include "history/search_results.h"
#include "text/code_page.h"

#include <QLocale>
#include <benchmark/benchmark.h>

namespace {

constexpr int foundCount = 100000;

// The 25 players of a squad, over 4,000 teams and weeks, every name made distinct by its team.
const std::vector<FoundPlayer> &foundPlayers()
{
    static const std::vector<FoundPlayer> found = [] {
        std::vector<FoundPlayer> players;
        players.reserve(foundCount);
        const QDateTime first = QDateTime::fromString(QStringLiteral("2026-01-05T12:00:00Z"), Qt::ISODate);
        for (int i = 0; players.size() < foundCount; ++i) {
            for (const TalentPlayer &player : talentRecordsOf25()) {
                FoundPlayer one;
                one.fetchId = i;
                one.teamId = 1000 + i % 1920;
                one.fetchedAt = first.addDays(qint64{7} * (i / 1920));
                one.teamName = toCp1251(QStringLiteral("Команда %1").arg(one.teamId));
                one.division = toCp1251(QStringLiteral("Лига %1").arg(one.teamId / 16));
                one.player = player;
                one.player.name += ' ' + std::to_string(i % 1920);
                players.push_back(std::move(one));
            }
        }
        players.resize(foundCount);
        return players;
    }();
    return found;
}

void BM_SearchResultsOrdered(benchmark::State &state)
{
    const QCollator collator{QLocale(QLocale::Russian, QLocale::Russia)};
    for (auto _ : state)
        benchmark::DoNotOptimize(searchResultsOf(foundPlayers(), collator));
    state.SetItemsProcessed(state.iterations() * foundCount);
}
BENCHMARK(BM_SearchResultsOrdered)->Unit(benchmark::kMillisecond);

void BM_SearchSortOnHeaderClick(benchmark::State &state)
{
    const SearchResults results =
        searchResultsOf(foundPlayers(), QCollator{QLocale(QLocale::Russian, QLocale::Russia)});
    for (auto _ : state)
        benchmark::DoNotOptimize(rowsInOrder(results, SearchColumn::Name, false));
}
BENCHMARK(BM_SearchSortOnHeaderClick)->Unit(benchmark::kMillisecond);

void BM_SearchCellsOfAScreen(benchmark::State &state)
{
    for (auto _ : state)
        for (int row = 0; row < 40; ++row)
            benchmark::DoNotOptimize(foundPlayerTexts(foundPlayers()[static_cast<size_t>(row)]));
}
BENCHMARK(BM_SearchCellsOfAScreen)->Unit(benchmark::kMicrosecond);

} // namespace
