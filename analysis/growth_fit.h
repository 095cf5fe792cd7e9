#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the growth seen between fetches says of the projection: how many steps the game trains a week,
// which product of school and coach levels explains a team's growth, and how far projections from past
// fetches came from what followed.

// The user's own team and its levels, which the Settings dialog keeps.
struct OwnTeam {
    int32_t teamId = 0; // 0: none chosen
    int schoolLevel = 3;
    int coachLevel = 3;

    int levelProduct() const { return schoolLevel * coachLevel; }
    bool operator==(const OwnTeam &) const = default;
};

// One youth player's talent between two talent fetches of his team.
struct GrowthSpan {
    int64_t fromTalent = 0;  // thousandths, at the earlier fetch
    long double mastery = 0; // at the earlier fetch, as its two-decimal cell reads
    int64_t toTalent = 0;    // thousandths, at the later fetch
    double weeks = 0;        // between the two fetches
};

// The whole number of steps at a product that brings the talent nearest to where it was found, and by
// how many thousandths it misses.
struct StepsMatch {
    int steps = 0;
    int64_t miss = 0;
};
StepsMatch stepsBetween(const GrowthSpan &span, int levelProduct);

// Steps per week from a team whose levels are known.
struct TrainingRate {
    double stepsPerWeek = 0;
    double spread = 0;      // the standard deviation of the spans' own rates, weighted by their weeks
    double playerWeeks = 0; // the weeks of the spans it rests on
    int spans = 0;          // the spans the step explains, of those given
    int spansGiven = 0;
};
enum class RateVerdict { Estimated, TooLittle, DoesNotFit };
struct RateEstimate {
    RateVerdict verdict = RateVerdict::TooLittle;
    TrainingRate rate; // meaningful when Estimated; the counts always are
};
// Less than this of player-weeks that the step explains is too little to say.
inline constexpr double minRatePlayerWeeks = 20;
RateEstimate estimateTrainingRate(const std::vector<GrowthSpan> &spans, int levelProduct);

// The product of levels that best explains a team's growth at a known rate.
enum class LevelVerdict { Sure, Unclear, DoesNotFit };
struct LevelFit {
    LevelVerdict verdict = LevelVerdict::Unclear;
    int product = 0;      // the best product; 0 when there were no spans
    double explained = 0; // the share of spans that product explains within the rate's spread
    double margin = 0;    // how much worse the next product fits (0: no other product to compare)
    int spans = 0;
    double observedWeeks = 0; // from the team's first talent fetch to its last
};
// Fetches less than this far apart in all never make a product sure: one week may fit several.
inline constexpr double minLevelWeeks = 1.9;
LevelFit inferLevelProduct(const std::vector<GrowthSpan> &spans, const TrainingRate &rate,
                           double observedWeeks);

// "6 (2×3/3×2)": the product and the level pairs that make it (UTF-8).
std::string levelProductText(int product);

// One youth player's talent fetches, oldest first.
struct TalentSighting {
    double day = 0; // days since any fixed moment, fractions for the time of day
    int64_t talent = 0;
    long double mastery = 0;
};
struct PlayerTrack {
    std::vector<TalentSighting> sightings;
    int levelProduct = 0; // the product his team's growth is projected with
};

struct ErrorSummary {
    int count = 0;
    double mean = 0;
    double p90 = 0;
};
// Horizons of the backtest, in weeks; a later fetch counts for a horizon within a quarter of it and two
// days.
inline constexpr std::array<int, 3> backtestHorizons{1, 4, 8};
struct Accuracy {
    std::array<ErrorSummary, 3> talent; // absolute talent error at each horizon
    ErrorSummary weeksToNine;           // absolute error of the weeks to 9, where 9 was reached
};
Accuracy backtest(const std::vector<PlayerTrack> &tracks, double stepsPerWeek);
