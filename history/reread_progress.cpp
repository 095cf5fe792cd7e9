#include "history/reread_progress.h"

#include "widgets/error_guard.h"

#include <QProgressDialog>
#include <QTimer>

namespace {

// A re-read over in less time than this shows no dialog at all.
constexpr int quietMilliseconds = 200;

} // namespace

RereadProgress::RereadProgress(HistoryStore &store, QWidget *window)
    : QObject(window), m_reread(store), m_dialog(new QProgressDialog(window))
{
    m_dialog->setWindowTitle(tr("История"));
    m_dialog->setCancelButtonText(tr("Стоп"));
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(quietMilliseconds);
    // The dialog goes when the re-read ends, not when the bar is full or the user stops.
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setRange(0, m_reread.total());
    showProgress();
    QTimer::singleShot(0, this, &RereadProgress::nextStep);
}

void RereadProgress::showProgress()
{
    m_dialog->setLabelText(
        tr("Перечитано страниц: %1 из %2").arg(m_reread.doneCount()).arg(m_reread.total()));
    m_dialog->setValue(m_reread.doneCount());
}

void RereadProgress::nextStep()
{
    // A step that fails has been shown by the guard and ends the re-read with what went before it.
    const bool stepped =
        !m_dialog->wasCanceled() && !m_reread.done() && runGuarded([this] { m_reread.step(); });
    if (stepped && !m_reread.done()) {
        showProgress();
        QTimer::singleShot(0, this, &RereadProgress::nextStep);
        return;
    }
    m_dialog->close();
    m_dialog->deleteLater();
    deleteLater();
    Q_EMIT finished(m_reread.report());
}
