#include "app/division_run.h"

#include "app/main_window.h"

QStringList runDivision(const DivisionRunSteps &steps)
{
    QStringList leftOut;
    for (int i = 0; i < steps.teamCount(); ++i) {
        const QString name = steps.teamName(i);
        const TeamFetch fetched = steps.fetch(i);
        if (fetched.read)
            steps.save();
        else
            leftOut << name + QStringLiteral(": ") + fetched.whyNot;
        steps.progress(i + 1);
    }
    return leftOut;
}

QString leftOutMessage(const QStringList &lines)
{
    return QStringLiteral("Не сохранены команды (%1):\n").arg(lines.size()) + lines.join(QLatin1Char('\n'));
}
