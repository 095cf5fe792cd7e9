#pragma once

#include "export/export_options.h"
#include "retrieval/fetch_queue.h"
#include "roster/team_records.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class MainPage;

// One whole-division run: every team's page fetched, four at once, each team shown as it comes and its
// block appended to the division file in catalogue order, as soon as every block before it is written.
// The run keeps the division, page kind and options it started with. Stopped, it writes nothing more:
// the file holds the whole blocks of an unbroken run of teams from the first.
class DivisionRun : public QObject {
    Q_OBJECT
public:
    struct Team {
        int32_t id = 0;
        QString name;
    };

    // A proxy port that is no number throws ConvertError here, before anything is sent.
    DivisionRun(MainPage &page, std::vector<Team> teams, PageKind kind, QString divisionName,
                ExportOptions options, const ProxyChoice &proxy, const ExchangeTimeouts &timeouts);
    ~DivisionRun() override;

    void start();
    // «Стоп»: pages under way are dropped, finished() follows with what was written.
    void stop();
    // The window closes: everything ends untold.
    void abandon();

Q_SIGNALS:
    // Teams whose pages have arrived, read or not.
    void progressed(int done);
    // The run is over; `message` is what the user is told, empty when all went well.
    void finished(const QString &message);

private:
    void onPageFetched(const PageJob &job, const FetchResult &result);
    // Shows and writes every arrived team whose turn it is.
    void takeTeamsInTurn();
    void writeBlock(const TeamSnapshot &team);
    QString closingMessage(bool stopped) const;

    MainPage &m_page;
    std::vector<Team> m_teams;
    PageKind m_kind;
    QString m_divisionName;
    ExportOptions m_options;
    FetchQueue m_queue;
    std::vector<std::optional<FetchResult>> m_arrived;
    size_t m_nextTurn = 0;
    int m_arrivedCount = 0;
    int m_written = 0;
    QString m_lastFile;
    QStringList m_leftOut;
    QStringList m_historyProblems;
    bool m_over = false;
};
