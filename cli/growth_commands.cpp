#include "cli/growth_commands.h"

#include "analysis/growth_texts.h"
#include "cli/cli_context.h"
#include "cli/command_line.h"
#include "cli/exit_codes.h"
#include "cli/result_table.h"
#include "history/growth_history.h"
#include "text/app_error.h"
#include "text/code_page.h"
#include "text/interface_language.h"

#include <QCoreApplication>
#include <set>

namespace {

// The context this file's texts are translated in.
struct GrowthCommands {
    Q_DECLARE_TR_FUNCTIONS(GrowthCommands)
};

// The own team's steps a week, told on stderr; without them nothing can be said.
RateEstimate trainingRate(CliContext &context)
{
    const OwnTeam &own = context.ownTeam();
    const RateEstimate rate = ownTrainingRate(context.history().store(), own);
    const QString text = trainingRateText(rate, own.teamId != 0, interfaceLocale());
    if (rate.verdict != RateVerdict::Estimated)
        throw AppError(toCp1251(text));
    context.tell(text);
    return rate;
}

QString verdictKey(LevelVerdict verdict)
{
    switch (verdict) {
    case LevelVerdict::Sure:
        return QStringLiteral("sure");
    case LevelVerdict::DoesNotFit:
        return QStringLiteral("does-not-fit");
    case LevelVerdict::Unclear:
        break;
    }
    return QStringLiteral("unclear");
}

// The teams of the divisions named, or every team the history holds.
std::set<int32_t> teamsAsked(CliContext &context, const QStringList &divisions)
{
    std::set<int32_t> teams;
    if (divisions.isEmpty()) {
        for (const StoredTeam &team : context.history().store().teams())
            teams.insert(team.teamId);
        return teams;
    }
    for (const QString &name : divisions) {
        for (const CatalogueEntry &team : context.teamsOf(context.divisionNamed(name).id))
            teams.insert(team.id);
    }
    return teams;
}

} // namespace

int historyLevels(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("history levels [--division NAME|ID ...] [--format table|json]"),
        GrowthCommands::tr(
            "Произведение уровней школы и тренера (Ш×Т), которое лучше всего объясняет рост "
            "игроков каждой команды, и насколько уверенно; по темпу тренировок своей команды."));
    options.addValue(QStringLiteral("division"), QStringLiteral("NAME|ID"),
                     GrowthCommands::tr("Только команды дивизиона (можно несколько раз)."));
    addFormatOption(options, tableOrJson());
    if (!options.parse(arguments))
        return ExitSuccess;
    const ResultFormat format = formatOf(options, tableOrJson());
    const std::set<int32_t> asked = teamsAsked(context, options.values(QStringLiteral("division")));
    const RateEstimate rate = trainingRate(context);
    const OwnTeam &own = context.ownTeam();
    ResultTable table{{{GrowthCommands::tr("Команда"), QStringLiteral("team")},
                       {GrowthCommands::tr("Код"), QStringLiteral("teamId")},
                       {GrowthCommands::tr("Ш×Т"), QStringLiteral("product")},
                       {GrowthCommands::tr("Вывод"), QStringLiteral("verdict")},
                       {GrowthCommands::tr("Объяснено"), QStringLiteral("explained")},
                       {GrowthCommands::tr("Запас"), QStringLiteral("margin")},
                       {GrowthCommands::tr("Недель"), QStringLiteral("weeks")}},
                      {}};
    for (const StoredTeam &team : context.history().store().teams()) {
        if (!asked.contains(team.teamId))
            continue;
        const bool mine = team.teamId == own.teamId;
        const LevelFit fit = teamLevels(context.history().store(), team.teamId, rate.rate);
        const QJsonValue product = mine                                ? QJsonValue(own.levelProduct())
                                   : fit.verdict == LevelVerdict::Sure ? QJsonValue(fit.product)
                                                                       : QJsonValue();
        const QString verdict =
            mine ? (format == ResultFormat::Json ? QStringLiteral("own") : GrowthCommands::tr("своя команда"))
            : format == ResultFormat::Json ? verdictKey(fit.verdict)
                                           : levelFitText(fit);
        table.rows.push_back(
            {shownText(team.name), team.teamId, product, verdict,
             format == ResultFormat::Json ? QJsonValue(fit.explained)
                                          : QJsonValue(listNumber(fit.explained * 100, 0) + u'%'),
             format == ResultFormat::Json ? QJsonValue(fit.margin) : QJsonValue(listNumber(fit.margin, 1)),
             format == ResultFormat::Json ? QJsonValue(fit.observedWeeks)
                                          : QJsonValue(listNumber(fit.observedWeeks, 1))});
    }
    context.writeOut(formatted(table, format));
    return ExitSuccess;
}

int historyAccuracy(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("history accuracy [--format table|json]"),
        GrowthCommands::tr("Насколько прогноз таланта расходился с тем, что было: от каждой загрузки "
                           "таланта прогноз на 1, 4 и 8 недель сравнивается с поздними загрузками; "
                           "средняя и 90-й процентиль ошибки, и ошибка в неделях до 9."));
    addFormatOption(options, tableOrJson());
    if (!options.parse(arguments))
        return ExitSuccess;
    const ResultFormat format = formatOf(options, tableOrJson());
    const RateEstimate rate = trainingRate(context);
    const HistoryAccuracy checked = historyAccuracy(context.history().store(), context.ownTeam(), rate.rate);
    context.tell(GrowthCommands::tr("Команд: %1, игроков: %2.").arg(checked.teams).arg(checked.players));
    const QString keys[] = {QStringLiteral("talent1w"), QStringLiteral("talent4w"),
                            QStringLiteral("talent8w"), QStringLiteral("weeksToNine")};
    ResultTable table{{{GrowthCommands::tr("Прогноз"), QStringLiteral("horizon")},
                       {GrowthCommands::tr("Случаев"), QStringLiteral("count")},
                       {GrowthCommands::tr("Ошибка, средняя"), QStringLiteral("mean")},
                       {GrowthCommands::tr("90 %"), QStringLiteral("p90")}},
                      {}};
    const std::vector<AccuracyLine> lines = accuracyLines(checked.accuracy, interfaceLocale());
    for (size_t i = 0; i < lines.size(); ++i) {
        const ErrorSummary &summary =
            i < checked.accuracy.talent.size() ? checked.accuracy.talent[i] : checked.accuracy.weeksToNine;
        if (format == ResultFormat::Json)
            table.rows.push_back({keys[i], summary.count, summary.mean, summary.p90});
        else
            table.rows.push_back({lines[i].horizon, lines[i].count, lines[i].mean, lines[i].p90});
    }
    context.writeOut(formatted(table, format));
    return ExitSuccess;
}
