#include "cli/cli_context.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/crawl_plan.h"
#include "cli/crawl_run.h"
#include "cli/exit_codes.h"
#include "cli/stop_signals.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <QLocale>

// `crawl --all | --division NAME|ID ...`: many divisions' pages into the history, politely: a few
// connections, a rate, pauses when the site fails, a journal to resume from.

namespace {

// The subcommand's texts, one translation context.
struct CrawlCommand {
    Q_DECLARE_TR_FUNCTIONS(CrawlCommand)
};

struct CrawlRequest {
    CrawlScope scope;
    std::vector<int32_t> divisions; // empty for the whole catalogue
    double maxAgeDays = 6;
    CrawlOptions options;
};

void addCrawlOptions(CommandOptions &options)
{
    options.addFlag(QStringLiteral("all"), CrawlCommand::tr("Все команды каталога."));
    options.addValue(QStringLiteral("division"), QStringLiteral("NAME|ID"),
                     CrawlCommand::tr("Команды дивизиона (название или ИД); можно указать несколько раз."));
    options.addValue(QStringLiteral("kind"), QStringLiteral("talent|abilities|both"),
                     CrawlCommand::tr("Какие страницы получать (по умолчанию обе)."));
    options.addValue(
        QStringLiteral("rate"), QStringLiteral("PAGES_PER_S"),
        CrawlCommand::tr("Не больше страниц в секунду, в среднем, с разбросом ±30 % (по умолчанию 1; "
                         "0 — без ограничения)."));
    options.addValue(
        QStringLiteral("max-age"), QStringLiteral("DAYS"),
        CrawlCommand::tr("Пропускать страницы, которые история хранит моложе стольких дней (по умолчанию "
                         "6; 0 — получать все)."));
    options.addValue(
        QStringLiteral("pause"), QStringLiteral("SECONDS"),
        CrawlCommand::tr("Первая пауза после сбоя или страницы обновления сайта; каждая следующая подряд "
                         "вдвое дольше, до 5 минут (по умолчанию 5)."));
}

std::vector<PageKind> kindsOf(const CommandOptions &options)
{
    const QString kind =
        options
            .choice(QStringLiteral("kind"),
                    {QStringLiteral("talent"), QStringLiteral("abilities"), QStringLiteral("both")})
            .value_or(QStringLiteral("both"));
    if (kind == QLatin1String("talent"))
        return {PageKind::Talent};
    if (kind == QLatin1String("abilities"))
        return {PageKind::Abilities};
    return {PageKind::Talent, PageKind::Abilities};
}

void addTeams(CliContext &context, int32_t division, CrawlScope &scope)
{
    for (const CatalogueEntry &team : context.teamsOf(division))
        scope.teams.push_back(team.id);
}

CrawlRequest requestOf(CliContext &context, const CommandOptions &options)
{
    const bool all = options.isSet(QStringLiteral("all"));
    const QStringList divisions = options.values(QStringLiteral("division"));
    if (all == !divisions.isEmpty())
        throw UsageError{CrawlCommand::tr("Укажите --all или --division.")};
    CrawlRequest request;
    request.scope.kinds = kindsOf(options);
    request.options.pacing.pagesPerSecond = options.decimal(QStringLiteral("rate"), 0, 100).value_or(1.0);
    request.maxAgeDays = options.decimal(QStringLiteral("max-age"), 0, 3650).value_or(6.0);
    const double pauseSeconds = options.decimal(QStringLiteral("pause"), 0.01, 300).value_or(5.0);
    request.options.patience.firstPauseMs = static_cast<int>(pauseSeconds * 1000);
    request.options.proxy = proxyChoiceOf(context.settings());
    if (all) {
        for (const CatalogueEntry &division : context.divisions())
            addTeams(context, division.id, request.scope);
        return request;
    }
    for (const QString &given : divisions) {
        const int32_t division = context.divisionNamed(given).id;
        request.divisions.push_back(division);
        addTeams(context, division, request.scope);
    }
    return request;
}

QString kindText(PageKind kind)
{
    return kind == PageKind::Talent ? CrawlCommand::tr("талант") : CrawlCommand::tr("умения");
}

QString endText(const CrawlReport &report)
{
    if (!report.historyProblem.isEmpty())
        return CrawlCommand::tr("Обход остановлен: запись в историю не удалась. %1")
            .arg(report.historyProblem);
    if (report.end == CrawlEnd::SiteInMaintenance)
        return CrawlCommand::tr(
            "Обход остановлен: на сайте проводится обновление данных (страница обновления "
            "несколько раз подряд). Запустите ту же команду позже, чтобы продолжить.");
    if (report.end == CrawlEnd::TooManyFailures)
        return CrawlCommand::tr(
            "Обход остановлен: сайт не отвечает (слишком много сбоев подряд). Запустите ту же "
            "команду позже, чтобы продолжить.");
    if (report.stopped)
        return CrawlCommand::tr("Обход прерван. Та же команда продолжит его с места остановки.");
    return {};
}

// The pace, or the pause the site's failures called for.
QString progressNote(const CrawlProgress &progress)
{
    if (progress.pauseMs > 0)
        return CrawlCommand::tr("пауза %1 с").arg((progress.pauseMs + 999) / 1000);
    return CrawlCommand::tr("%1 стр./с").arg(QLocale().toString(progress.pagesPerSecond, 'f', 1));
}

void tellOutcome(CliContext &context, const CrawlReport &report)
{
    for (const LeftOutPage &page : report.leftOut)
        context.tell(CrawlCommand::tr("Команда %1 (%2): %3")
                         .arg(page.job.teamId)
                         .arg(kindText(page.job.kind), QString::fromStdString(page.reason)));
    if (const QString why = endText(report); !why.isEmpty())
        context.tell(why);
    context.tell(CrawlCommand::tr("Сохранено страниц: %1, не получено: %2, не запрошено: %3.")
                     .arg(report.kept)
                     .arg(report.leftOut.size())
                     .arg(report.notAsked));
}

int exitCodeOf(const CrawlReport &report)
{
    if (report.kept == 0)
        return ExitNothingFetched;
    return report.leftOut.empty() && report.notAsked == 0 ? ExitSuccess : ExitSomeLeftOut;
}

int crawl(CliContext &context, const CrawlRequest &request)
{
    HistoryStore &history = context.history().store();
    CrawlJournal journal(history.path());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const CrawlJournal::Run run =
        journal.openRun(crawlSelection(request.divisions, request.scope.kinds), now);
    std::set<PageKey> skipped = journal.settled(run.id);
    if (request.maxAgeDays > 0)
        skipped.merge(pagesFetchedSince(history, request.scope,
                                        now.addSecs(-static_cast<qint64>(request.maxAgeDays * 86400))));
    const std::vector<PageJob> jobs = crawlJobs(request.scope, skipped);
    if (jobs.empty()) {
        journal.finish(run.id, now, "nothing to fetch");
        if (context.progress().shown())
            context.tell(CrawlCommand::tr("Все страницы получены недавно: получать нечего."));
        return ExitSuccess;
    }
    if (context.progress().shown())
        context.tell((run.resumed ? CrawlCommand::tr("Обход продолжен: страниц к получению %1 (команд %2).")
                                  : CrawlCommand::tr("Обход: страниц к получению %1 (команд %2)."))
                         .arg(jobs.size())
                         .arg(request.scope.teams.size()));

    CrawlRun crawl(jobs, history, journal, run.id, request.options);
    context.progress().start(static_cast<int>(jobs.size()));
    QObject::connect(&crawl, &CrawlRun::progressed, [&context](const CrawlProgress &progress) {
        context.progress().update(progress.done, progress.leftOut, progressNote(progress));
    });
    QObject::connect(&crawl, &CrawlRun::finished, [&] { context.finish(exitCodeOf(crawl.report())); });
    QObject::connect(&context.stopSignals(), &StopSignals::stopRequested, &crawl, &CrawlRun::stop);
    crawl.start();
    const int code = context.runEventLoop();
    context.progress().clear();
    // Off a terminal stderr tells only what went wrong.
    if (code != ExitSuccess || context.progress().shown())
        tellOutcome(context, crawl.report());
    return code;
}

} // namespace

int runCrawl(CliContext &context, const QStringList &arguments)
{
    CommandOptions options(
        QStringLiteral("crawl --all | --division NAME|ID ... [options]"),
        CrawlCommand::tr(
            "Обходит каталог или дивизионы и сохраняет страницы команд в историю: не больше четырёх "
            "соединений и заданного числа страниц в секунду, с паузой при сбоях сайта. Страницы, "
            "полученные недавно, пропускаются; прерванный обход той же командой продолжается с места "
            "остановки."));
    addCrawlOptions(options);
    if (!options.parse(arguments))
        return ExitSuccess;
    return crawl(context, requestOf(context, options));
}
