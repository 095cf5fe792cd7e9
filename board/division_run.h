#pragma once

#include "export/export_options.h"
#include "retrieval/fetch_queue.h"
#include "roster/team_records.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <vector>

// What taking one fetched team came to. A team not read says why, for the list a division run ends with.
struct TeamFetch {
    bool read = false;
    QString whyNot;
    // A cell that did not convert; the window shows the rows up to it, the snapshot has none of them.
    std::exception_ptr badCell;
    // The reply was not a roster page at all.
    bool foreignPage = false;
    // The snapshot the page went into, when it was taken.
    const TeamSnapshot *team = nullptr;
    // What keeping the page in the history came to, when the user must hear of it.
    QString historyProblem;
};

// One whole-division run: every team's page fetched, four at once, each team taken as it comes and its
// block appended to the division file in catalogue order, as soon as every block before it is written.
// The run keeps the teams, page kind and options it started with. Stopped, it writes nothing more: the
// file holds the whole blocks of an unbroken run of teams from the first. The window and the command
// line run it alike; what taking a page means (showing it, keeping it) is theirs.
class DivisionRun : public QObject {
    Q_OBJECT
public:
    struct Team {
        int32_t id = 0;
        QString name;
    };

    // Takes a page that arrived, in the teams' order: counts its bytes, reads it into a snapshot, keeps it.
    using TakeFetch = std::function<TeamFetch(int32_t teamId, PageKind kind, const FetchResult &fetched)>;
    // A page that arrived ahead of its turn and was dropped with a stopped run: its bytes did arrive.
    using CountDropped = std::function<void(const FetchResult &fetched)>;
    // The file a block goes to, asked at each block (a dated file name turns at midnight); a run without
    // one writes no blocks.
    using BlockFile = std::function<QString()>;

    struct Hooks {
        TakeFetch take;
        CountDropped countDropped;
        BlockFile blockFile;
    };

    // A proxy port that is no number throws ConvertError here, before anything is sent.
    DivisionRun(std::vector<Team> teams, PageKind kind, ExportOptions options, const ProxyChoice &proxy,
                const ExchangeTimeouts &timeouts, Hooks hooks);
    ~DivisionRun() override;

    void start();
    // «Стоп»: pages under way are dropped, finished() follows with what was written.
    void stop();
    // The window closes: everything ends untold.
    void abandon();

    // Teams taken and read, and those left out, so far.
    int readCount() const { return m_readCount; }
    int leftOutCount() const { return static_cast<int>(m_leftOut.size()); }
    int teamCount() const { return static_cast<int>(m_teams.size()); }
    // "team: why" of each team left out, and what keeping pages in the history came to, so far.
    const QStringList &leftOut() const { return m_leftOut; }
    const QStringList &historyProblems() const { return m_historyProblems; }

Q_SIGNALS:
    // Teams whose pages have arrived, read or not.
    void progressed(int done);
    // The run is over; `message` is what the user is told, empty when all went well.
    void finished(const QString &message);

private:
    void onPageFetched(const PageJob &job, const FetchResult &result);
    // Takes and writes every arrived team whose turn it is.
    void takeTeamsInTurn();
    void writeBlock(const TeamSnapshot &team);
    QString closingMessage(bool stopped) const;

    std::vector<Team> m_teams;
    PageKind m_kind;
    ExportOptions m_options;
    Hooks m_hooks;
    FetchQueue m_queue;
    std::vector<std::optional<FetchResult>> m_arrived;
    size_t m_nextTurn = 0;
    int m_arrivedCount = 0;
    int m_readCount = 0;
    int m_written = 0;
    QString m_lastFile;
    QStringList m_leftOut;
    QStringList m_historyProblems;
    bool m_over = false;
};
