#pragma once

#include "board/division_run.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class CliContext;

// One division (or a single team) to fetch, and the pages of each team to fetch.
struct FetchPlan {
    QString name; // the division's name, or the team's, for messages
    std::vector<DivisionRun::Team> teams;
    std::vector<PageKind> kinds; // in this order: one division run per kind, as the window runs them
};

// The command line's fetching: the plans one after another, each kind of page of a plan as one division
// run (the window's own, four pages at once), every page read kept in the history whatever the settings
// say (the command line fetches for the history), and the team blocks appended to `textFile` when one
// is given. Like one session of the window, a team's first page of a kind is what its blocks show.
class FetchSession : public QObject {
    Q_OBJECT
public:
    FetchSession(CliContext &context, std::vector<FetchPlan> plans, const QString &textFile);
    ~FetchSession() override;

    // Starts the first run; finished() follows once every run has ended or the session was stopped.
    void start();
    // SIGINT or SIGTERM: the page in flight is dropped, nothing more is asked, the text file holds whole
    // blocks only.
    void stop();

    int pageCount() const { return m_pageCount; }
    // Pages read and kept in the history.
    int keptCount() const { return m_kept; }
    // Pages asked for that were not read or not kept.
    int leftOutCount() const { return m_leftOut; }
    bool stopped() const { return m_stopped; }

Q_SIGNALS:
    void finished();

private:
    void startNextRun();
    void onRunFinished();
    TeamFetch take(int32_t teamId, PageKind kind, const FetchResult &fetched);
    void tellRunEnd(const DivisionRun &run);

    CliContext &m_context;
    std::vector<FetchPlan> m_plans;
    QString m_textFile;
    RunSnapshots m_snapshots;
    std::unique_ptr<DivisionRun> m_run;
    size_t m_nextPlan = 0;
    size_t m_nextKind = 0;
    int m_pageCount = 0;
    int m_pagesBeforeRun = 0;
    int m_kept = 0;
    int m_leftOut = 0;
    bool m_historyFailureTold = false;
    bool m_stopped = false;
};

// Runs the session in the event loop until it ends or a stop signal ends it, says on stderr what came of it
// (on a terminal, or when something was left out) and returns the exit code: ExitNothingFetched when no
// page was kept, ExitSomeLeftOut when some were not, else ExitSuccess.
int runFetchSession(CliContext &context, FetchSession &session);
