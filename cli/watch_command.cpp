#include "board/watch_due.h"
#include "cli/cli_context.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/fetch_session.h"

#include <QCoreApplication>

namespace {

// The context this file's texts are translated in.
struct WatchCommand {
    Q_DECLARE_TR_FUNCTIONS(WatchCommand)
};

std::vector<PageKind> watchedKinds(WatchPages pages)
{
    switch (pages) {
    case WatchPages::Talent:
        return {PageKind::Talent};
    case WatchPages::Abilities:
        return {PageKind::Abilities};
    case WatchPages::Both:
        break;
    }
    return {PageKind::Talent, PageKind::Abilities};
}

QString divisionName(const std::vector<CatalogueEntry> &divisions, int32_t id)
{
    for (const CatalogueEntry &division : divisions)
        if (division.id == id)
            return shownText(division.name);
    return {};
}

// The watched divisions that are due now, each with its teams and the watched pages.
std::vector<FetchPlan> duePlans(CliContext &context, const WatchOptions &watch)
{
    const std::vector<CatalogueEntry> divisions = context.divisions();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    std::vector<FetchPlan> plans;
    for (const int32_t divisionId : watch.divisionIds) {
        const QString name = divisionName(divisions, divisionId);
        if (name.isEmpty()) {
            context.tell(WatchCommand::tr("Дивизиона %1 нет в каталоге: он пропущен.").arg(divisionId));
            continue;
        }
        FetchPlan plan{name, {}, watchedKinds(watch.pages)};
        std::vector<int32_t> teamIds;
        for (const CatalogueEntry &team : context.teamsOf(divisionId)) {
            plan.teams.push_back({team.id, shownText(team.name)});
            teamIds.push_back(team.id);
        }
        if (divisionIsDue(newestOfTeams(context.history().store(), teamIds), watch, now))
            plans.push_back(std::move(plan));
    }
    return plans;
}

} // namespace

int runWatch(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("watch"),
        WatchCommand::tr("Получает каждый отмеченный дивизион, чьи страницы старше интервала "
                         "наблюдения (раздел [Watch] настроек: дивизионы, интервал в днях, "
                         "страницы), и сохраняет их в истории. Для запуска по расписанию."));
    if (!options.parse(arguments))
        return ExitSuccess;
    const WatchOptions &watch = context.watchOptions();
    if (watch.divisionIds.empty()) {
        context.tell(WatchCommand::tr("Нет отмеченных дивизионов: отметьте их на странице «Дивизион»."));
        return ExitSuccess;
    }
    std::vector<FetchPlan> plans = duePlans(context, watch);
    if (plans.empty()) {
        if (context.progress().shown())
            context.tell(WatchCommand::tr("Все отмеченные дивизионы свежие: получать нечего."));
        return ExitSuccess;
    }
    FetchSession session(context, std::move(plans), QString());
    return runFetchSession(context, session);
}
