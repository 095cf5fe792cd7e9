// The demo server at the size of a whole game: making its catalogue, a squad of a late week, a page.
#include "tools/demo_server/demo_generated.h"
#include "tools/demo_server/demo_pages.h"
#include "tools/demo_server/demo_squad.h"
#include "tools/demo_server/demo_training.h"

#include <benchmark/benchmark.h>

namespace {

DemoCatalogue wholeGame()
{
    DemoCatalogue catalogue;
    addGeneratedDivisions(catalogue, 120);
    return catalogue;
}

// --divisions 120: 1,920 teams with their names and identifiers.
void BM_DemoGenerateDivisions(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(wholeGame());
}
BENCHMARK(BM_DemoGenerateDivisions)->Unit(benchmark::kMillisecond);

// One player's week: two steps of the projection table.
void BM_DemoTrainOneWeek(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(trainedTalent(4321, 2345, {2, 3}, 2));
}
BENCHMARK(BM_DemoTrainOneWeek)->Unit(benchmark::kMicrosecond);

// What the server does once per team before its first page of a week: every week before it played.
void BM_DemoSquadOfWeek(benchmark::State &state)
{
    const auto week = static_cast<int>(state.range(0));
    int32_t team = 10000;
    size_t players = 0;
    for (auto _ : state)
        players = youthSquad(team++, week).size();
    state.counters["players"] = static_cast<double>(players);
}
BENCHMARK(BM_DemoSquadOfWeek)->Arg(8)->Arg(52)->Unit(benchmark::kMillisecond);

// What it does for every request once the squad is there.
void BM_DemoPageOfASquad(benchmark::State &state)
{
    static const DemoCatalogue catalogue = wholeGame();
    const DemoTeam &team = catalogue.teams().back();
    const std::vector<DemoPlayer> squad = youthSquad(team.teamId, 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(rosterPage(catalogue, team, PageKind::Talent, squad));
}
BENCHMARK(BM_DemoPageOfASquad)->Unit(benchmark::kMicrosecond);

} // namespace
