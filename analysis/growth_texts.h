#pragma once

#include "analysis/growth_fit.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// How the growth estimates read, in the interface language; numbers in the given locale.

// «6 (2×3/3×2), уверенно», «неясно», or that the growth does not fit the step.
QString levelFitText(const LevelFit &fit);
// The game's steps a week from the own team, or why there is none.
QString trainingRateText(const RateEstimate &estimate, bool ownTeamChosen, const QLocale &locale);
// «≈ N недель, к DD.MM.YYYY» from the day given, or why it cannot say.
QString weeksToNineText(std::optional<int> steps, const RateEstimate &estimate, bool ownTeamChosen,
                        const QDate &from, const QLocale &locale);
// The backtest's lines: each horizon, then the weeks to 9; each with the count, mean and 90th percentile.
struct AccuracyLine {
    QString horizon;
    int count = 0;
    QString mean;
    QString p90;
};
std::vector<AccuracyLine> accuracyLines(const Accuracy &accuracy, const QLocale &locale);
