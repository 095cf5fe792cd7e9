#include "app/export_commands.h"

#include "export/export_file.h"
#include "widgets/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool sayNothingToSave(bool listEmpty)
{
    if (listEmpty)
        messages().information(QStringLiteral(":\\"),
                               QCoreApplication::translate("ExportCommands", "Сохранять нечего :("));
    return listEmpty;
}

} // namespace

void saveTeamAsText(QWidget *owner, bool listEmpty, const std::function<void(const QString &)> &append)
{
    if (sayNothingToSave(listEmpty))
        return;
    const QString fileName = messages().saveFileName(
        owner, QDir::currentPath(), QStringLiteral("Text file (*.txt)"), QStringLiteral("txt"));
    if (fileName.isEmpty())
        return;
    // Like the file dialog of old, the chosen folder becomes the working directory.
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
    append(QFileInfo(fileName).absoluteFilePath());
}

void saveTeamAsCsv(QWidget *owner, const ShownTable &table)
{
    if (sayNothingToSave(table.rows.empty()))
        return;
    const QString fileName = messages().saveFileName(owner, QDir::currentPath(),
                                                     QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"));
    if (!fileName.isEmpty())
        replaceFileAtomically(fileName, teamCsv(table));
}

void copyTeamForForum(const ShownTable &table)
{
    if (!sayNothingToSave(table.rows.empty()))
        QApplication::clipboard()->setText(teamForumPost(table));
}
