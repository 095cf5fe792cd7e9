#include "history/reread_progress.h"

#include "history/history_reread.h"
#include "history/history_store.h"
#include "text/code_page.h"
#include "widgets/error_guard.h"

#include <QMetaObject>
#include <QProgressDialog>

namespace {

// A re-read over in less time than this shows no dialog at all.
constexpr int quietMilliseconds = 200;

} // namespace

RereadProgress::RereadProgress(HistoryStore &store, QWidget *window)
    : QObject(window), m_dialog(new QProgressDialog(window))
{
    m_dialog->setWindowTitle(tr("История"));
    m_dialog->setCancelButtonText(tr("Стоп"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(quietMilliseconds);
    // The dialog goes when the re-read ends, not when the bar is full or the user stops.
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    connect(m_dialog, &QProgressDialog::canceled, this, [this] { m_stop = true; });
    showProgress(0, 0);
    m_worker = std::thread([this, path = store.path()] { run(path); });
}

RereadProgress::~RereadProgress()
{
    m_stop = true;
    if (m_worker.joinable())
        m_worker.join();
}

void RereadProgress::run(const QString &path)
{
    RereadReport report;
    std::string failure;
    try {
        HistoryStore store;
        // Without a history there is nothing to re-read, as with an empty one.
        const HistoryOutcome opened = path.isEmpty() ? HistoryOutcome{true, {}, {}} : store.open(path);
        if (!opened.ok)
            throw HistoryError(opened.failure, toCp1251(opened.message));
        HistoryReread reread(store);
        while (!reread.done() && !m_stop) {
            QMetaObject::invokeMethod(
                this,
                [this, done = reread.doneCount(), total = reread.total()] { showProgress(done, total); },
                Qt::QueuedConnection);
            reread.step();
            report = reread.report();
        }
    } catch (const std::exception &error) {
        failure = error.what();
    }
    QMetaObject::invokeMethod(
        this, [this, report, failure] { finish(report, failure); }, Qt::QueuedConnection);
}

void RereadProgress::showProgress(int done, int total)
{
    if (m_dialog->wasCanceled())
        return;
    m_dialog->setRange(0, total);
    m_dialog->setLabelText(tr("Перечитано страниц: %1 из %2").arg(done).arg(total));
    m_dialog->setValue(done);
}

void RereadProgress::finish(const RereadReport &report, const std::string &failure)
{
    m_worker.join();
    if (!failure.empty())
        runGuarded([&] { throw AppError(failure); }); // shown as every failure of a command is
    m_dialog->close();
    m_dialog->deleteLater();
    deleteLater();
    Q_EMIT finished(report);
}
