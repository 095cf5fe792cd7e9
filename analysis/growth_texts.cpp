#include "analysis/growth_texts.h"

#include <QCoreApplication>
#include <cmath>

namespace {

// The context these texts are translated in.
struct GrowthTexts {
    Q_DECLARE_TR_FUNCTIONS(GrowthTexts)
};

QString number(const QLocale &locale, double value, int decimals)
{
    return locale.toString(value, 'f', decimals);
}

} // namespace

QString levelFitText(const LevelFit &fit)
{
    switch (fit.verdict) {
    case LevelVerdict::Sure:
        return GrowthTexts::tr("%1, уверенно").arg(QString::fromStdString(levelProductText(fit.product)));
    case LevelVerdict::DoesNotFit:
        return GrowthTexts::tr("не сходится с шагом прогноза");
    case LevelVerdict::Unclear:
        break;
    }
    return GrowthTexts::tr("неясно");
}

QString trainingRateText(const RateEstimate &estimate, bool ownTeamChosen, const QLocale &locale)
{
    if (!ownTeamChosen)
        return GrowthTexts::tr(
            "Темп тренировок не оценить: своя команда не выбрана (Настройки → «Моя команда»).");
    switch (estimate.verdict) {
    case RateVerdict::TooLittle:
        return GrowthTexts::tr(
                   "Темп тренировок не оценить: мало загрузок своей команды (%1 игроко-недель из %2 нужных).")
            .arg(number(locale, estimate.rate.playerWeeks, 0), number(locale, minRatePlayerWeeks, 0));
    case RateVerdict::DoesNotFit:
        return GrowthTexts::
            tr("Темп тренировок не оценить: рост своей команды не сходится с шагом прогноза (объяснено %1 "
               "из %2 промежутков).")
                .arg(estimate.rate.spans)
                .arg(estimate.rate.spansGiven);
    case RateVerdict::Estimated:
        break;
    }
    return GrowthTexts::tr("Темп тренировок: %1 ± %2 шага в неделю (по %3 игроко-неделям своей команды).")
        .arg(number(locale, estimate.rate.stepsPerWeek, 2), number(locale, estimate.rate.spread, 2),
             number(locale, estimate.rate.playerWeeks, 0));
}

QString weeksToNineText(std::optional<int> steps, const RateEstimate &estimate, bool ownTeamChosen,
                        const QDate &from, const QLocale &locale)
{
    if (steps && *steps == 0)
        return GrowthTexts::tr("Талант уже 9.");
    if (!steps)
        return GrowthTexts::tr("До 9 не дойдёт: талант перестаёт расти.");
    if (!ownTeamChosen || estimate.verdict != RateVerdict::Estimated || estimate.rate.stepsPerWeek <= 0)
        return GrowthTexts::tr("Недель до 9 не оценить: нет темпа тренировок своей команды.");
    const double weeks = *steps / estimate.rate.stepsPerWeek;
    const QDate when = from.addDays(std::lround(weeks * 7));
    return GrowthTexts::tr("≈ %1 недель, к %2")
        .arg(std::lround(weeks))
        .arg(locale.toString(when, QStringLiteral("dd.MM.yyyy")));
}

std::vector<AccuracyLine> accuracyLines(const Accuracy &accuracy, const QLocale &locale)
{
    std::vector<AccuracyLine> lines;
    const QString horizons[] = {GrowthTexts::tr("через 1 нед."), GrowthTexts::tr("через 4 нед."),
                                GrowthTexts::tr("через 8 нед.")};
    for (size_t h = 0; h < accuracy.talent.size(); ++h) {
        const ErrorSummary &talent = accuracy.talent[h];
        lines.push_back(
            {horizons[h], talent.count, number(locale, talent.mean, 3), number(locale, talent.p90, 3)});
    }
    const ErrorSummary &nine = accuracy.weeksToNine;
    lines.push_back({GrowthTexts::tr("недель до 9"), nine.count, number(locale, nine.mean, 1),
                     number(locale, nine.p90, 1)});
    return lines;
}
