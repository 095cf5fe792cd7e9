#include "cli/fetch_session.h"

#include "cli/cli_context.h"
#include "cli/exit_codes.h"
#include "cli/stop_signals.h"
#include "history/history_records.h"
#include "retrieval/page_fetch.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTimer>

namespace {

TeamFetch notTaken(const std::string &whyNot)
{
    TeamFetch fetch;
    fetch.whyNot = QString::fromStdString(whyNot);
    return fetch;
}

int exitCodeOf(const FetchSession &session)
{
    if (session.keptCount() == 0)
        return ExitNothingFetched;
    return session.leftOutCount() > 0 ? ExitSomeLeftOut : ExitSuccess;
}

} // namespace

FetchSession::FetchSession(CliContext &context, std::vector<FetchPlan> plans, const QString &textFile)
    : m_context(context), m_plans(std::move(plans)),
      m_textFile(textFile.isEmpty() ? QString() : QFileInfo(textFile).absoluteFilePath())
{
    for (const FetchPlan &plan : m_plans)
        m_pageCount += static_cast<int>(plan.teams.size() * plan.kinds.size());
}

FetchSession::~FetchSession() = default;

void FetchSession::start()
{
    m_context.progress().start(m_pageCount);
    startNextRun();
}

void FetchSession::stop()
{
    m_stopped = true;
    if (m_run)
        m_run->stop(); // finished() follows from it, and no run starts after
}

void FetchSession::startNextRun()
{
    while (m_nextPlan < m_plans.size() &&
           (m_nextKind >= m_plans[m_nextPlan].kinds.size() || m_plans[m_nextPlan].teams.empty())) {
        ++m_nextPlan;
        m_nextKind = 0;
    }
    if (m_stopped || m_nextPlan == m_plans.size()) {
        m_context.progress().clear();
        Q_EMIT finished();
        return;
    }
    const FetchPlan &plan = m_plans[m_nextPlan];
    const PageKind kind = plan.kinds[m_nextKind++];
    DivisionRun::Hooks hooks;
    hooks.take = [this](int32_t teamId, PageKind pageKind, const FetchResult &fetched) {
        return take(teamId, pageKind, fetched);
    };
    hooks.countDropped = [](const FetchResult &) {}; // no byte counters here
    if (!m_textFile.isEmpty())
        hooks.blockFile = [file = m_textFile] { return file; };
    const SettingsValues &settings = m_context.settings();
    m_run = std::make_unique<DivisionRun>(plan.teams, kind, exportOptionsOf(settings),
                                          proxyChoiceOf(settings), ExchangeTimeouts{}, std::move(hooks));
    connect(m_run.get(), &DivisionRun::progressed, this,
            [this](int done) { m_context.progress().update(m_pagesBeforeRun + done, m_leftOut); });
    connect(m_run.get(), &DivisionRun::finished, this, &FetchSession::onRunFinished);
    m_run->start();
}

void FetchSession::onRunFinished()
{
    // The run is still inside its own signal: it goes once the loop is back.
    DivisionRun *run = m_run.release();
    run->disconnect(this);
    run->deleteLater();
    // A stopped run drops the teams not yet taken: they count as left out.
    m_leftOut += run->teamCount() - run->readCount() - run->leftOutCount();
    m_pagesBeforeRun += run->teamCount();
    tellRunEnd(*run);
    startNextRun();
}

void FetchSession::tellRunEnd(const DivisionRun &run)
{
    if (run.leftOut().isEmpty())
        return;
    const FetchPlan &plan = m_plans[m_nextPlan];
    m_context.tell(
        tr("%1: не получено команд %2 из %3:").arg(plan.name).arg(run.leftOutCount()).arg(run.teamCount()));
    for (const QString &team : run.leftOut())
        m_context.tell(QStringLiteral("  ") + team);
}

TeamFetch FetchSession::take(int32_t teamId, PageKind kind, const FetchResult &fetched)
{
    const FetchedPage page = readFetchedPage(fetched, kind);
    if (!fetched.read || page.notice) {
        ++m_leftOut;
        return notTaken(page.whyNot);
    }
    const PageReading &reading = page.reading;
    // A reply without a team name is not a roster page; a bad cell leaves the snapshot without rows.
    if (reading.summary.name.empty()) {
        ++m_leftOut;
        TeamFetch foreign = notTaken(readingFault(reading));
        foreign.foreignPage = true;
        return foreign;
    }
    const TakenPage taken =
        m_snapshots.take(teamId, reading.summary, kind, reading.talents, reading.abilities);
    if (!taken.team->hasPlayersOf(kind) && !reading.rows.empty() && !reading.converted()) {
        ++m_leftOut;
        TeamFetch bad = notTaken(readingFault(reading));
        bad.badCell = reading.failure;
        return bad;
    }
    TeamFetch shown;
    shown.read = true;
    shown.team = taken.team;
    const std::optional<FetchRecord> record =
        fetchRecordOf(QDateTime::currentDateTimeUtc(), teamId, kind, fetched.body, reading);
    if (!record) { // a bad cell on a page whose team already had its list: nothing to keep
        ++m_leftOut;
        return shown;
    }
    const HistoryOutcome kept = m_context.history().store().keep(*record);
    if (kept.ok) {
        ++m_kept;
        if (!kept.message.isEmpty())
            m_context.tell(kept.message);
    } else {
        ++m_leftOut;
        if (!m_historyFailureTold)
            m_context.tell(kept.message);
        m_historyFailureTold = true;
    }
    return shown;
}

int runFetchSession(CliContext &context, FetchSession &session)
{
    // What could fail is tried here, before the loop, so no exception has to cross it: the settings
    // and the proxy's port (a port that is no number throws ConvertError), the history.
    pageRoute(proxyChoiceOf(context.settings()));
    context.history();
    QObject::connect(&session, &FetchSession::finished, &session, [&context] { context.finish(0); });
    QObject::connect(&context.stopSignals(), &StopSignals::stopRequested, &session, &FetchSession::stop);
    QTimer::singleShot(0, &session, &FetchSession::start);
    context.runEventLoop();
    if (session.stopped())
        context.tell(FetchSession::tr("Остановлено: что получено, сохранено; страницы в пути отброшены."));
    if (context.progress().shown() || session.leftOutCount() > 0)
        context.tell(FetchSession::tr("Получено и сохранено в истории страниц: %1 из %2.")
                         .arg(session.keptCount())
                         .arg(session.pageCount()));
    return exitCodeOf(session);
}
