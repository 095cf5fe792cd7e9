#pragma once

#include "export/list_exports.h"

#include <QString>
#include <functional>

class QWidget;

// The File menu's exports of the team on view. Each says "Сохранять нечего :(" when the list on view
// is empty.

// Appends the team block to a text file the user picks; the chosen folder becomes the working folder.
void saveTeamAsText(QWidget *owner, bool listEmpty, const std::function<void(const QString &)> &append);
// Writes the list as a CSV file the user picks, replacing it only once the new one is whole.
void saveTeamAsCsv(QWidget *owner, const ShownTable &table);
// Puts the list on the clipboard as a forum table.
void copyTeamForForum(const ShownTable &table);
