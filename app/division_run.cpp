#include "app/division_run.h"

#include "app/main_window.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QScopeGuard>

QStringList runDivision(const DivisionRunSteps &steps, QProgressBar *progress)
{
    progress->setRange(0, steps.teamCount());
    progress->setValue(0);
    progress->setVisible(true);
    const auto hide = qScopeGuard([progress] { progress->setVisible(false); });
    QStringList leftOut;
    for (int i = 0; i < steps.teamCount(); ++i) {
        const QString name = steps.teamName(i);
        const TeamFetch fetched = steps.fetch(i);
        if (fetched.read)
            steps.save();
        else
            leftOut << name + QStringLiteral(": ") + fetched.whyNot;
        progress->setValue(i + 1);
        // The window is not otherwise repainted while the run holds it.
        progress->repaint();
    }
    return leftOut;
}

QString leftOutMessage(const QStringList &lines)
{
    return QCoreApplication::translate("DivisionRun", "Не сохранены команды (%1):\n").arg(lines.size()) +
           lines.join(QLatin1Char('\n'));
}
