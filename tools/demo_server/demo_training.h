#pragma once

#include <QCommandLineParser>
#include <QString>

#include <cstdint>

// How the demo's youth train: by the program's own projection step, a number of steps a week, at the
// school and coach levels of their team. The talent page then shows what the projection would foresee,
// and the history shows growth that the levels and the weekly steps explain.

struct DemoTraining {
    int stepsPerWeek = 2;
    // The chance in percent that a player trains one step more, or one fewer, in a week: so not every
    // week is the same, and the weekly steps are still right on average.
    int noisePercent = 10;
};
constexpr int maxStepsPerWeek = 10;

// Takes --steps-per-week and --training-noise, as the server and the seeding tool both offer them;
// returns what is wrong with them, empty when both are right.
QString readTrainingOptions(const QCommandLineParser &parser, const QCommandLineOption &steps,
                            const QCommandLineOption &noise, DemoTraining &training);

struct DemoLevels {
    int school = 1;
    int coach = 1;
};

// A team's school and coach levels, 1 to 3 each, fixed by its identifier.
DemoLevels demoLevels(int32_t teamId);

// The talent, in thousandths, after `steps` steps of the projection table from this talent and mastery at
// these levels; it never goes past 9 and stays as it is when the table says it does not grow.
int trainedTalent(int talentThousandths, int masteryHundredths, DemoLevels levels, int steps);
