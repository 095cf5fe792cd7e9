#include "cli/crawl_run.h"

#include "history/history_records.h"
#include "history/history_store.h"
#include "retrieval/page_extraction.h"

#include <QDateTime>

namespace {

PageKey keyOf(const PageJob &job) { return {job.teamId, job.kind}; }

} // namespace

CrawlRun::CrawlRun(std::vector<PageJob> jobs, HistoryStore &history, CrawlJournal &journal, int64_t runId,
                   const CrawlOptions &options, QObject *parent)
    : QObject(parent), m_history(history), m_journal(journal), m_runId(runId), m_options(options),
      m_backoff(options.patience), m_total(static_cast<int>(jobs.size()))
{
    m_queue =
        std::make_unique<FetchQueue>(std::move(jobs), options.proxy, options.timeouts, options.connections);
    m_queue->setPacing(options.pacing);
    connect(m_queue.get(), &FetchQueue::pageStarted, this, &CrawlRun::onPageStarted);
    connect(m_queue.get(), &FetchQueue::pageFetched, this, &CrawlRun::onPageFetched);
    // Behind the pages still to be read and kept.
    connect(m_queue.get(), &FetchQueue::finished, this, &CrawlRun::end, Qt::QueuedConnection);
    m_pauseTimer.setSingleShot(true);
    connect(&m_pauseTimer, &QTimer::timeout, this, [this] {
        m_queue->hold(false);
        tellProgress();
    });
}

CrawlRun::~CrawlRun() = default;

void CrawlRun::start()
{
    m_clock.start();
    tellProgress();
    m_queue->start();
}

void CrawlRun::stop()
{
    if (m_ended)
        return;
    m_report.stopped = true;
    m_queue->abort();
    // Pages that arrived before the stop are still on their way here: they are kept first.
    QMetaObject::invokeMethod(this, &CrawlRun::end, Qt::QueuedConnection);
}

void CrawlRun::onPageStarted(const PageJob &job) { m_underWay.insert(keyOf(job)); }

void CrawlRun::onPageFetched(const PageJob &job, const FetchResult &result)
{
    if (m_ended)
        return;
    m_underWay.erase(keyOf(job));
    if (result.read && detectFailurePage(result.body) == FailurePage::None) {
        // Read and kept once the queue has sent the next request, so the connections never wait for the
        // disk; the queue's end is queued behind it.
        QMetaObject::invokeMethod(
            this, [this, job, result] { guarded([&] { readAndKeep(job, result); }); }, Qt::QueuedConnection);
    } else {
        // Judged at once: a pause must hold the queue before it starts another request.
        guarded([&] { takeFailure(job, result); });
    }
    m_startedBeforePause.erase(keyOf(job));
    tellProgress();
}

void CrawlRun::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const SqliteError &error) {
        // The journal could not be written: the history file is in trouble, and so is every page after.
        m_report.historyProblem = QString::fromUtf8(error.what());
        m_queue->stop();
    }
}

void CrawlRun::readAndKeep(const PageJob &job, const FetchResult &result)
{
    if (m_ended)
        return;
    const FetchedPage page = readFetchedPage(result, job.kind);
    m_backoff.take(PageOutcome::Answered);
    if (page.read)
        keep(job, result, page.reading);
    else // the site answered for the team, but with nothing to keep: asking again gives the same
        leaveOut(job, CrawlJournal::PageState::Refused, page.whyNot);
    tellProgress();
}

void CrawlRun::takeFailure(const PageJob &job, const FetchResult &result)
{
    const std::string whyNot = readFetchedPage(result, job.kind).whyNot;
    if (!result.read) {
        tryAgainOrLeaveOut(job, PageOutcome::Failed, whyNot);
    } else if (detectFailurePage(result.body) == FailurePage::Maintenance) {
        tryAgainOrLeaveOut(job, PageOutcome::Maintenance, whyNot);
    } else {
        m_backoff.take(PageOutcome::Answered);
        leaveOut(job, CrawlJournal::PageState::Refused, whyNot);
    }
}

void CrawlRun::keep(const PageJob &job, const FetchResult &result, const PageReading &reading)
{
    const std::optional<FetchRecord> record =
        fetchRecordOf(QDateTime::currentDateTimeUtc(), job.teamId, job.kind, result.body, reading);
    const HistoryOutcome kept = record ? m_history.keep(*record) : HistoryOutcome{};
    if (!kept.ok) {
        // Every page after it would go the same way (a full disk, a file taken away): end here.
        m_report.historyProblem = kept.message;
        ++m_report.notAsked;
        m_queue->stop();
        return;
    }
    m_journal.note(m_runId, keyOf(job), CrawlJournal::PageState::Kept, {});
    ++m_report.kept;
}

void CrawlRun::tryAgainOrLeaveOut(const PageJob &job, PageOutcome outcome, const std::string &reason)
{
    // A page under way when the pause began failed for the trouble that started the pause.
    if (!m_startedBeforePause.contains(keyOf(job))) {
        const CrawlBackoff::Step step = m_backoff.take(outcome);
        if (step.end && !m_report.end) {
            m_report.end = step.end;
            m_queue->stop();
        } else if (step.pauseMs > 0) {
            pause(step.pauseMs);
        }
    }
    if (m_report.end || m_queue->isStopped()) {
        // Not a page given up on: the run stays open and the same crawl asks for it again.
        ++m_report.notAsked;
        m_journal.note(m_runId, keyOf(job), CrawlJournal::PageState::Failed, reason);
        return;
    }
    if (++m_tries[keyOf(job)] < m_options.triesPerPage) {
        m_queue->add(job);
        return;
    }
    leaveOut(job, CrawlJournal::PageState::Failed, reason);
}

void CrawlRun::leaveOut(const PageJob &job, CrawlJournal::PageState state, const std::string &reason)
{
    m_journal.note(m_runId, keyOf(job), state, reason);
    m_report.leftOut.push_back({job, reason});
}

void CrawlRun::pause(int ms)
{
    m_startedBeforePause = m_underWay;
    m_queue->hold(true);
    m_pauseTimer.start(ms);
}

void CrawlRun::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_pauseTimer.stop();
    // Pages still under way now were dropped by a stop.
    m_report.notAsked += static_cast<int>(m_queue->notStarted().size() + m_underWay.size());
    if (m_report.finished() && m_report.notAsked == 0)
        finishJournalRun();
    Q_EMIT finished();
}

void CrawlRun::finishJournalRun()
{
    try {
        m_journal.finish(m_runId, QDateTime::currentDateTimeUtc(),
                         std::to_string(m_report.kept) + " kept, " + std::to_string(m_report.leftOut.size()) +
                             " left out");
    } catch (const SqliteError &error) {
        // Every page is kept and noted: the same crawl again finds nothing left and closes the run.
        m_report.historyProblem = QString::fromUtf8(error.what());
    }
}

void CrawlRun::tellProgress()
{
    CrawlProgress progress;
    progress.leftOut = static_cast<int>(m_report.leftOut.size());
    progress.done = m_report.kept + progress.leftOut;
    progress.total = m_total;
    const double seconds = static_cast<double>(m_clock.nsecsElapsed()) / 1e9;
    progress.pagesPerSecond = seconds > 0 ? progress.done / seconds : 0;
    progress.pauseMs = m_pauseTimer.isActive() ? m_pauseTimer.remainingTime() : 0;
    Q_EMIT progressed(progress);
}
