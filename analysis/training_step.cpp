#include "analysis/training_step.h"

#include "analysis/talent_projection.h"

#include <cmath>

int64_t talentThousandths(double talent) { return std::llround(talent * 1000.0); }

long double masteryOfCell(double mastery)
{
    return static_cast<long double>(std::llround(mastery * 100.0)) / 100.0L;
}

namespace {

// The factor of the step that depends on nothing (1 - 0.013 · 5.5^1.84), as the table computes it.
long double constantFactor()
{
    static const long double factor = 1.0L - 0.013L * projectionPower(5.5L, 1.84L);
    return factor;
}

// P² of the step for a product, as the table computes it.
long double pSquared(int levelProduct)
{
    static const long double schoolTerm = 0.6L * projectionPower(9.0L, 0.6L);
    return projectionPower(0.13L * static_cast<long double>(levelProduct) + schoolTerm, 2.0L);
}

} // namespace

ProjectionStepper::ProjectionStepper(int levelProduct, long double masteryFactor)
    : m_pSquared(pSquared(levelProduct)), m_masteryFactor(masteryFactor)
{
}

ProjectionStepper::ProjectionStepper(long double mastery, int levelProduct)
    : ProjectionStepper(levelProduct, masteryFactor(mastery))
{
}

long double ProjectionStepper::masteryFactor(long double mastery)
{
    return 1.0L - 0.01L * projectionPower(mastery, 0.6L);
}

ProjectionStepper ProjectionStepper::ofMasteryFactor(long double masteryFactor, int levelProduct)
{
    return {levelProduct, masteryFactor};
}

std::optional<int64_t> ProjectionStepper::gain(int64_t talent) const
{
    if (talent <= 0)
        return std::nullopt;
    const long double t = static_cast<long double>(talent) / 1000.0L;
    // The table's step (projectionStepGrowth) with its constant parts taken from above.
    const long double a = t * t + 19.0L;
    const long double q = m_pSquared * 100.0L / a / 50.0L;
    const long double growth = m_masteryFactor * (constantFactor() * q);
    const int64_t units = projectionRoundedUnits(growth / t, 3);
    if (units <= 0)
        return std::nullopt;
    return units;
}

int64_t ProjectionStepper::after(int64_t talent, int steps) const
{
    for (int step = 0; step < steps; ++step) {
        const std::optional<int64_t> stepGain = gain(talent);
        if (!stepGain)
            break;
        talent += *stepGain;
    }
    return talent;
}

std::optional<int> ProjectionStepper::stepsToNine(int64_t talent) const
{
    for (int steps = 0; steps <= maxProjectionSteps; ++steps) {
        if (talent >= talentNineThousandths)
            return steps;
        const std::optional<int64_t> stepGain = gain(talent);
        if (!stepGain)
            return std::nullopt;
        talent += *stepGain;
    }
    return std::nullopt;
}

std::optional<int64_t> stepGainThousandths(int64_t talent, long double mastery, int levelProduct)
{
    return ProjectionStepper(mastery, levelProduct).gain(talent);
}

int64_t talentAfterSteps(int64_t talent, long double mastery, int levelProduct, int steps)
{
    return ProjectionStepper(mastery, levelProduct).after(talent, steps);
}

std::optional<int> stepsToNine(int64_t talent, long double mastery, int levelProduct)
{
    return ProjectionStepper(mastery, levelProduct).stepsToNine(talent);
}
