// What the history's growth says: a division's level products and a year's backtest, over tracks made as
// the game trains (two steps a week at each team's product).
#include "analysis/growth_fit.h"
#include "analysis/training_step.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

std::vector<PlayerTrack> yearOfTeam(int product, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int64_t> talent(3000, 7500);
    std::uniform_int_distribution<int> mastery(2000, 12000);
    std::vector<PlayerTrack> team(15);
    for (PlayerTrack &track : team) {
        track.levelProduct = product;
        TalentSighting sighting{0, talent(random), masteryOfCell(mastery(random) / 100.0)};
        for (int week = 0; week < 52; ++week) {
            track.sightings.push_back(sighting);
            sighting.talent = talentAfterSteps(sighting.talent, sighting.mastery, product, 2);
            sighting.day += 7;
        }
    }
    return team;
}

std::vector<GrowthSpan> spansOf(const std::vector<PlayerTrack> &team)
{
    std::vector<GrowthSpan> spans;
    for (const PlayerTrack &track : team)
        for (size_t i = 1; i < track.sightings.size(); ++i)
            spans.push_back({track.sightings[i - 1].talent, track.sightings[i - 1].mastery,
                             track.sightings[i].talent, 1});
    return spans;
}

void BM_LevelsOfADivision(benchmark::State &state)
{
    std::vector<std::vector<GrowthSpan>> division;
    for (unsigned team = 0; team < 16; ++team)
        division.push_back(spansOf(yearOfTeam(levelProducts[team % 6], team)));
    const TrainingRate rate{2, 0.2, 500, 500, 500};
    for (auto _ : state)
        for (const std::vector<GrowthSpan> &spans : division)
            benchmark::DoNotOptimize(inferLevelProduct(spans, rate, 51).product);
}
BENCHMARK(BM_LevelsOfADivision)->Unit(benchmark::kMillisecond);

void BM_BacktestOfAYear(benchmark::State &state)
{
    std::vector<PlayerTrack> tracks;
    for (unsigned team = 0; team < 60; ++team)
        for (PlayerTrack &track : yearOfTeam(levelProducts[team % 6], team))
            tracks.push_back(std::move(track));
    for (auto _ : state)
        benchmark::DoNotOptimize(backtest(tracks, 2).talent[0].count);
}
BENCHMARK(BM_BacktestOfAYear)->Unit(benchmark::kMillisecond);

} // namespace
