#pragma once

#include "board/board_rows.h"
#include "catalogue/catalogue.h"
#include "retrieval/fetch_queue.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>
#include <vector>

// The board's data, made on a thread of its own so the window never waits for it: the teams' stored
// pages read from the history, each page a refresh fetched read and kept in the history in the order it
// arrived (a wait for another program holding the file happens there, not in the window), and a team's
// rows joined once, when its pages change. The window gets finished tables and only shows them.
class BoardLoader : public QObject {
    Q_OBJECT
public:
    explicit BoardLoader(QObject *parent = nullptr);
    // Deals with every page handed over first: what arrived is kept.
    ~BoardLoader() override;
    BoardLoader(const BoardLoader &) = delete;
    BoardLoader &operator=(const BoardLoader &) = delete;

    // The board's teams from now on, in its order, each from its pages stored last in the history file
    // at `historyPath` (none when empty) or the pages read this session, where those are newer; each
    // talent page with the stored one its growth is measured from.
    void showTeams(std::vector<CatalogueEntry> teams, const QString &historyPath);
    // A page a refresh fetched: read, kept in the history file at `keepIn` (not kept when empty), and its
    // team's rows made again when the team is on the board. A talent page's growth is measured from the
    // talent page stored before it in the history the board shows.
    void takePage(const PageJob &job, FetchResult fetched, const QString &keepIn);
    // pagesTaken() follows once every page handed over before is dealt with.
    void finishPages();
    // The game's steps a week: with them each team's level product is read from its stored growth, and
    // the teams on the board get theirs at once. Nothing: no products.
    void setTrainingRate(std::optional<TrainingRate> rate);
    // A table the window no longer shows: freeing the rows only it held is the loader's work too.
    void release(std::shared_ptr<const BoardTable> table);

Q_SIGNALS:
    void tableReady(std::shared_ptr<const BoardTable> table);
    // A page handed over is dealt with: read, or why not, in a few words (UTF-8).
    void pageTaken(const PageJob &job, const QString &whyNot);
    // Every page handed over is dealt with: `notKept` of them could not go into the history, the first
    // for the reason given.
    void pagesTaken(int notKept, const QString &why);
    // The history could not be read.
    void problem(const QString &text);

private:
    class Work;

    // Pages handed over and not yet dealt with: the work sends a table when none is left, or now and
    // then while many wait.
    std::shared_ptr<std::atomic<int>> m_waiting = std::make_shared<std::atomic<int>>(0);
    QThread m_thread;
    Work *m_work;
};
