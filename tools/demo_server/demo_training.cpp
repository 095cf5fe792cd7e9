#include "tools/demo_server/demo_training.h"

#include "analysis/training_step.h"
#include "tools/demo_server/demo_random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint64_t levelsStream = 0x4C4556454C53ULL;
constexpr int nineThousandths = 9000;

} // namespace

DemoLevels demoLevels(int32_t teamId)
{
    SplitMix64 rng = teamStream(teamId, levelsStream);
    DemoLevels levels;
    levels.school = static_cast<int>(rng.between(1, 3));
    levels.coach = static_cast<int>(rng.between(1, 3));
    return levels;
}

int trainedTalent(int talentThousandths, int masteryHundredths, DemoLevels levels, int steps)
{
    if (steps <= 0 || talentThousandths >= nineThousandths)
        return std::min(talentThousandths, nineThousandths);
    // The projection's own steps at the team's levels, as its table would make them from the list's
    // cells; like the table, training ends at 9.
    const ProjectionStepper stepper(static_cast<long double>(masteryHundredths) / 100.0L,
                                    levels.school * levels.coach);
    int64_t talent = talentThousandths;
    for (int step = 0; step < steps && talent < nineThousandths; ++step) {
        const std::optional<int64_t> gain = stepper.gain(talent);
        if (!gain)
            break;
        talent += *gain;
    }
    return static_cast<int>(std::min<int64_t>(talent, nineThousandths));
}

QString readTrainingOptions(const QCommandLineParser &parser, const QCommandLineOption &steps,
                            const QCommandLineOption &noise, DemoTraining &training)
{
    bool ok = false;
    training.stepsPerWeek = parser.value(steps).toInt(&ok);
    if (!ok || training.stepsPerWeek < 1 || training.stepsPerWeek > maxStepsPerWeek)
        return QStringLiteral("bad steps per week '%1'").arg(parser.value(steps));
    training.noisePercent = parser.value(noise).toInt(&ok);
    if (!ok || training.noisePercent < 0 || training.noisePercent > 100)
        return QStringLiteral("bad training noise '%1'").arg(parser.value(noise));
    return {};
}
