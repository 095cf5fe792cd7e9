#include "app/export_commands.h"

#include "widgets/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

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

void copyTeamForForum(const ShownTable &table)
{
    if (!sayNothingToSave(table.rows.empty()))
        QApplication::clipboard()->setText(teamForumPost(table));
}
