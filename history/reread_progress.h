#pragma once

#include "history/history_reread.h"

#include <QObject>

class QProgressDialog;
class QWidget;

// «Перечитать историю» as the window runs it: a step of pages each time the event loop comes round,
// under a progress dialog modal to the window, so the window keeps painting and the user can stop.
// Stopping takes effect between steps; what was re-read stays re-read.
class RereadProgress : public QObject {
    Q_OBJECT
public:
    // Starts at once and deletes itself when finished. Throws HistoryError when the history cannot
    // even be listed.
    RereadProgress(HistoryStore &store, QWidget *window);

Q_SIGNALS:
    // Every page done, stopped by the user, or stopped by a failure already shown: what was done.
    void finished(const RereadReport &report);

private:
    void nextStep();
    void showProgress();

    HistoryReread m_reread;
    QProgressDialog *m_dialog;
};
