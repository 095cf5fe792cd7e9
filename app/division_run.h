#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QProgressBar;
struct TeamFetch;

// The steps of a whole-division run, supplied by the window. Entries are read afresh for every team:
// a division chosen while a message box is open applies to the rest of the run.
struct DivisionRunSteps {
    std::function<int()> teamCount;
    std::function<QString(int)> teamName;
    std::function<TeamFetch(int)> fetch;
    // Appends the team on view to the division's file of today.
    std::function<void()> save;
};

// Fetches every entry in turn and saves each team that was read. A team that was not read (failed
// request, site or foreign page, unreadable cell) is left out and the run goes on. Returns one line per
// team left out: its name and why. The progress bar shows one step per entry while the run lasts.
QStringList runDivision(const DivisionRunSteps &steps, QProgressBar *progress);

// The one message that lists the teams a run left out.
QString leftOutMessage(const QStringList &lines);
