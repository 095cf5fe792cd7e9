#include "board/board_filter.h"
#include "board/board_sources.h"
#include "cli/cli_context.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/fetch_session.h"
#include "export/export_file.h"
#include "text/code_page.h"

#include <QCollator>
#include <QCoreApplication>

namespace {

// The context this file's texts are translated in.
struct FetchCommand {
    Q_DECLARE_TR_FUNCTIONS(FetchCommand)
};

std::vector<PageKind> kindsOf(const QString &kind)
{
    if (kind == QLatin1String("talent"))
        return {PageKind::Talent};
    if (kind == QLatin1String("abilities"))
        return {PageKind::Abilities};
    return {PageKind::Talent, PageKind::Abilities};
}

FetchPlan divisionPlan(CliContext &context, const QString &nameOrId)
{
    const CatalogueEntry division = context.divisionNamed(nameOrId);
    FetchPlan plan{shownText(division.name), {}, {}};
    for (const CatalogueEntry &team : context.teamsOf(division.id))
        plan.teams.push_back({team.id, shownText(team.name)});
    if (plan.teams.empty())
        throw AppError(toCp1251(FetchCommand::tr("В каталоге нет команд дивизиона «%1».").arg(plan.name)));
    return plan;
}

// The board of those teams as the «Дивизион» page shows it on opening: each team's pages stored last,
// every row, the board's own order; written whole or not at all.
void writeBoardCsv(CliContext &context, const std::vector<DivisionRun::Team> &teams, const QString &path)
{
    std::vector<TeamPages> pages;
    for (const DivisionRun::Team &team : teams) {
        TeamPages stored = storedTeamPages(context.history().store(), team.id);
        stored.teamName = toCp1251(team.name);
        pages.push_back(std::move(stored));
    }
    const BoardTable table = buildBoard(pages, QCollator(QLocale()));
    replaceFileAtomically(path, boardCsv(table, shownRows(table, BoardFilter{}, BoardSort{})));
}

} // namespace

int runFetch(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("fetch --team ID | --division NAME|ID [options]"),
        FetchCommand::tr(
            "Получает страницы команды или всех команд дивизиона (по четыре сразу, как окно) и всегда "
            "сохраняет их в истории. Прокси, его пароль и вид выгрузки берутся из настроек окна, каталог — "
            "из рабочей папки."));
    options.addValue(QStringLiteral("team"), QStringLiteral("ID"), FetchCommand::tr("Код команды."));
    options.addValue(QStringLiteral("division"), QStringLiteral("NAME|ID"),
                     FetchCommand::tr("Дивизион каталога: название или код."));
    options.addValue(QStringLiteral("kind"), QStringLiteral("talent|abilities|both"),
                     FetchCommand::tr("Какие страницы: талант, умения или обе (по умолчанию обе; сначала все "
                                      "страницы таланта, затем умений)."));
    options.addValue(
        QStringLiteral("text"), QStringLiteral("FILE"),
        FetchCommand::tr("Дописать блоки команд в файл, как их пишет окно при получении дивизиона."));
    options.addValue(
        QStringLiteral("csv"), QStringLiteral("FILE"),
        FetchCommand::tr("Записать CSV страницы «Дивизион» по этим командам (файл заменяется целиком)."));
    if (!options.parse(arguments))
        return ExitSuccess;
    if (options.isSet(QStringLiteral("team")) == options.isSet(QStringLiteral("division")))
        throw UsageError{FetchCommand::tr("Укажите одно из двух: --team ID или --division NAME|ID.")};
    const std::vector<PageKind> kinds =
        kindsOf(options
                    .choice(QStringLiteral("kind"),
                            {QStringLiteral("talent"), QStringLiteral("abilities"), QStringLiteral("both")})
                    .value_or(QStringLiteral("both")));
    FetchPlan plan;
    if (const std::optional<int64_t> team = options.integer(QStringLiteral("team"), 1, INT32_MAX)) {
        const auto id = static_cast<int32_t>(*team);
        plan = FetchPlan{QString::number(id), {{id, QString::number(id)}}, {}};
    } else {
        plan = divisionPlan(context, options.value(QStringLiteral("division")));
    }
    plan.kinds = kinds;
    const std::vector<DivisionRun::Team> teams = plan.teams;
    FetchSession session(context, {std::move(plan)}, options.value(QStringLiteral("text")));
    const int exitCode = runFetchSession(context, session);
    if (options.isSet(QStringLiteral("csv")) && !session.stopped())
        writeBoardCsv(context, teams, options.value(QStringLiteral("csv")));
    return exitCode;
}
