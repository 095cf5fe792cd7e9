#pragma once

#include "history/history_records.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <thread>

class HistoryStore;
class QProgressDialog;
class QWidget;

// «Перечитать историю» as the window runs it: the pages are re-read on a thread of its own, through a
// connection of its own to the same file, a batch of pages a transaction, under a progress dialog
// modal to the window; the window keeps painting and the user can stop. Stopping takes effect between
// batches; what was re-read stays re-read.
class RereadProgress : public QObject {
    Q_OBJECT
public:
    // Starts at once and deletes itself when finished. Closing the window stops the re-read and waits
    // for the batch under way.
    RereadProgress(HistoryStore &store, QWidget *window);
    ~RereadProgress() override;
    RereadProgress(const RereadProgress &) = delete;
    RereadProgress &operator=(const RereadProgress &) = delete;

Q_SIGNALS:
    // Every page done, stopped by the user, or stopped by a failure already shown: what was done.
    void finished(const RereadReport &report);

private:
    // On the re-read's thread.
    void run(const QString &path);
    // Back on the window's thread.
    void showProgress(int done, int total);
    void finish(const RereadReport &report, const std::string &failure);

    QProgressDialog *m_dialog;
    std::atomic<bool> m_stop{false};
    std::thread m_worker;
};
