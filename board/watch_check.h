#pragma once

#include "settings/watch_options.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CatalogueTable;
class HistoryStore;
class QThread;

// A watched division whose pages the history has not had for the watch's interval.
struct DueDivision {
    int32_t divisionId = 0;
    // Whole days since the stalest of its teams' newest watched pages; none when one was never stored.
    std::optional<int> daysSinceRefresh;

    bool operator==(const DueDivision &) const = default;
};

// The watched divisions that are due, in the order they were marked: each one's teams from the loaded
// teams table, their newest pages from the history. Throws AppError when either fails.
std::vector<DueDivision> dueDivisions(const HistoryStore &store, CatalogueTable &teams,
                                      const WatchOptions &options, const QDateTime &now);

// Works that out on a thread of its own with its own connection to the history, so the window's start
// never waits for a large file: finished() comes once, through the event loop. A history or catalogue
// that cannot be read makes no division due; the window tells of those failures elsewhere.
class WatchCheck : public QObject {
    Q_OBJECT
public:
    WatchCheck(QString historyPath, QString teamsFile, WatchOptions options, QObject *parent = nullptr);
    // Waits for the thread: a window closed at once still ends cleanly.
    ~WatchCheck() override;
    WatchCheck(const WatchCheck &) = delete;
    WatchCheck &operator=(const WatchCheck &) = delete;

    void start();

Q_SIGNALS:
    void finished(const std::vector<DueDivision> &due);

private:
    QString m_historyPath;
    QString m_teamsFile;
    WatchOptions m_options;
    std::unique_ptr<QThread> m_thread;
};
