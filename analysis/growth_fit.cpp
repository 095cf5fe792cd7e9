#include "analysis/growth_fit.h"

#include "analysis/training_step.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Spans shorter than a day tell nothing of growth.
constexpr double shortestSpanWeeks = 1.0 / 7.0;
// The talent a page shows is rounded to thousandths; a miss within this is the step itself.
constexpr double talentSigma = 1.5;
// A span's cost is capped, so one player who changed teams or whose name came twice cannot decide alone.
constexpr double spanCostCap = 16;
constexpr double explainedCost = 4; // within two of the spreads
constexpr double sureMargin = 8;

int64_t missTolerance(const GrowthSpan &span)
{
    return std::max<int64_t>(2, std::llabs(span.toTalent - span.fromTalent) / 20);
}

// The least cost of any whole number of steps: the talent missed and the steps away from the rate.
double spanCost(const GrowthSpan &span, long double masteryFactor, int product, double expectedSteps,
                double stepsSigma)
{
    const ProjectionStepper stepper = ProjectionStepper::ofMasteryFactor(masteryFactor, product);
    const int last = static_cast<int>(std::ceil(expectedSteps + 4 * stepsSigma)) + 2;
    int64_t talent = span.fromTalent;
    double best = std::numeric_limits<double>::infinity();
    for (int steps = 0; steps <= last; ++steps) {
        const double missed = static_cast<double>(talent - span.toTalent) / talentSigma;
        // Past the talent found by more than the cap allows, every further step costs the cap.
        if (missed * missed >= spanCostCap && talent > span.toTalent)
            break;
        const double off = (steps - expectedSteps) / stepsSigma;
        best = std::min(best, missed * missed + off * off);
        const std::optional<int64_t> gain = stepper.gain(talent);
        if (!gain)
            break;
        talent += *gain;
    }
    return std::min(best, spanCostCap);
}

double nearestRank(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<size_t>(std::ceil(share * static_cast<double>(values.size())));
    return values[std::max<size_t>(rank, 1) - 1];
}

ErrorSummary summaryOf(const std::vector<double> &errors)
{
    ErrorSummary summary;
    summary.count = static_cast<int>(errors.size());
    if (errors.empty())
        return summary;
    double sum = 0;
    for (const double error : errors)
        sum += error;
    summary.mean = sum / static_cast<double>(errors.size());
    summary.p90 = nearestRank(errors, 0.9);
    return summary;
}

} // namespace

StepsMatch stepsBetween(const GrowthSpan &span, int levelProduct)
{
    const ProjectionStepper stepper(span.mastery, levelProduct);
    StepsMatch best{0, std::llabs(span.toTalent - span.fromTalent)};
    int64_t talent = span.fromTalent;
    for (int steps = 1; steps <= maxProjectionSteps && talent < span.toTalent; ++steps) {
        const std::optional<int64_t> gain = stepper.gain(talent);
        if (!gain)
            break;
        talent += *gain;
        if (std::llabs(span.toTalent - talent) < best.miss)
            best = {steps, std::llabs(span.toTalent - talent)};
    }
    return best;
}

RateEstimate estimateTrainingRate(const std::vector<GrowthSpan> &spans, int levelProduct)
{
    RateEstimate estimate;
    std::vector<std::pair<double, double>> explained; // steps, weeks
    for (const GrowthSpan &span : spans) {
        if (span.weeks < shortestSpanWeeks)
            continue;
        ++estimate.rate.spansGiven;
        const StepsMatch match = stepsBetween(span, levelProduct);
        if (match.miss <= missTolerance(span))
            explained.emplace_back(match.steps, span.weeks);
    }
    double steps = 0;
    for (const auto &[spanSteps, weeks] : explained) {
        steps += spanSteps;
        estimate.rate.playerWeeks += weeks;
    }
    estimate.rate.spans = static_cast<int>(explained.size());
    if (estimate.rate.playerWeeks > 0) {
        estimate.rate.stepsPerWeek = steps / estimate.rate.playerWeeks;
        double squares = 0;
        for (const auto &[spanSteps, weeks] : explained) {
            const double off = spanSteps / weeks - estimate.rate.stepsPerWeek;
            squares += weeks * off * off;
        }
        estimate.rate.spread = std::sqrt(squares / estimate.rate.playerWeeks);
    }
    if (estimate.rate.spansGiven >= 4 && estimate.rate.spans * 2 < estimate.rate.spansGiven)
        estimate.verdict = RateVerdict::DoesNotFit;
    else if (estimate.rate.playerWeeks < minRatePlayerWeeks)
        estimate.verdict = RateVerdict::TooLittle;
    else
        estimate.verdict = RateVerdict::Estimated;
    return estimate;
}

LevelFit inferLevelProduct(const std::vector<GrowthSpan> &spans, const TrainingRate &rate,
                           double observedWeeks)
{
    LevelFit fit;
    fit.observedWeeks = observedWeeks;
    std::vector<const GrowthSpan *> used;
    std::vector<long double> masteryFactors;
    for (const GrowthSpan &span : spans)
        if (span.weeks >= shortestSpanWeeks) {
            used.push_back(&span);
            masteryFactors.push_back(ProjectionStepper::masteryFactor(span.mastery));
        }
    fit.spans = static_cast<int>(used.size());
    if (used.empty() || rate.stepsPerWeek <= 0)
        return fit;
    double bestCost = std::numeric_limits<double>::infinity();
    double secondCost = bestCost;
    for (const int product : levelProducts) {
        double cost = 0;
        int explained = 0;
        for (size_t i = 0; i < used.size(); ++i) {
            const GrowthSpan *span = used[i];
            const double sigma = std::max(0.5, rate.spread * std::sqrt(span->weeks));
            const double one =
                spanCost(*span, masteryFactors[i], product, rate.stepsPerWeek * span->weeks, sigma);
            cost += one;
            explained += one <= explainedCost;
        }
        if (cost < bestCost) {
            secondCost = bestCost;
            bestCost = cost;
            fit.product = product;
            fit.explained = static_cast<double>(explained) / static_cast<double>(used.size());
        } else {
            secondCost = std::min(secondCost, cost);
        }
    }
    fit.margin = secondCost - bestCost;
    const bool enough = observedWeeks >= minLevelWeeks && fit.spans >= 4;
    if (enough && fit.explained < 0.3)
        fit.verdict = LevelVerdict::DoesNotFit;
    else if (enough && fit.explained >= 0.6 && fit.margin >= sureMargin)
        fit.verdict = LevelVerdict::Sure;
    return fit;
}

std::string levelProductText(int product)
{
    switch (product) {
    case 1:
        return "1 (1×1)";
    case 2:
        return "2 (1×2/2×1)";
    case 3:
        return "3 (1×3/3×1)";
    case 4:
        return "4 (2×2)";
    case 6:
        return "6 (2×3/3×2)";
    case 9:
        return "9 (3×3)";
    default:
        return std::to_string(product);
    }
}

namespace {

// The later sighting nearest the horizon, within a quarter of it and two days.
const TalentSighting *sightingNear(const std::vector<TalentSighting> &sightings, size_t from, int weeks)
{
    const double target = sightings[from].day + 7.0 * weeks;
    const double slack = 7.0 * weeks / 4.0 + 2.0;
    const TalentSighting *nearest = nullptr;
    for (size_t i = from + 1; i < sightings.size(); ++i) {
        const double off = std::fabs(sightings[i].day - target);
        if (off <= slack && (!nearest || off < std::fabs(nearest->day - target)))
            nearest = &sightings[i];
    }
    return nearest;
}

// The day the talent reached 9, between the last sighting under it and the first at it; nothing when it
// never did, or was there from the start.
std::optional<double> dayOfNine(const std::vector<TalentSighting> &sightings)
{
    for (size_t i = 1; i < sightings.size(); ++i) {
        const TalentSighting &before = sightings[i - 1];
        const TalentSighting &after = sightings[i];
        if (before.talent < talentNineThousandths && after.talent >= talentNineThousandths)
            return before.day + static_cast<double>(talentNineThousandths - before.talent) /
                                    static_cast<double>(after.talent - before.talent) *
                                    (after.day - before.day);
        if (before.talent >= talentNineThousandths)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

Accuracy backtest(const std::vector<PlayerTrack> &tracks, double stepsPerWeek)
{
    std::array<std::vector<double>, backtestHorizons.size()> talentErrors;
    std::vector<double> nineErrors;
    if (stepsPerWeek <= 0)
        return {};
    for (const PlayerTrack &track : tracks) {
        if (track.levelProduct <= 0)
            continue;
        const std::vector<TalentSighting> &sightings = track.sightings;
        const std::optional<double> nineDay = dayOfNine(sightings);
        for (size_t i = 0; i < sightings.size(); ++i) {
            const TalentSighting &start = sightings[i];
            const ProjectionStepper stepper(start.mastery, track.levelProduct);
            for (size_t h = 0; h < backtestHorizons.size(); ++h) {
                const TalentSighting *later = sightingNear(sightings, i, backtestHorizons[h]);
                if (!later)
                    continue;
                const auto steps =
                    static_cast<int>(std::lround(stepsPerWeek * (later->day - start.day) / 7.0));
                talentErrors[h].push_back(
                    static_cast<double>(std::llabs(stepper.after(start.talent, steps) - later->talent)) /
                    1000.0);
            }
            if (nineDay && start.day < *nineDay && start.talent < talentNineThousandths)
                if (const std::optional<int> steps = stepper.stepsToNine(start.talent))
                    nineErrors.push_back(std::fabs(*steps / stepsPerWeek - (*nineDay - start.day) / 7.0));
        }
    }
    Accuracy accuracy;
    for (size_t h = 0; h < backtestHorizons.size(); ++h)
        accuracy.talent[h] = summaryOf(talentErrors[h]);
    accuracy.weeksToNine = summaryOf(nineErrors);
    return accuracy;
}
