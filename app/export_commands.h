#pragma once

#include "export/list_exports.h"

#include <QString>
#include <functional>

class QWidget;

// The File menu's exports of the team on view. Each says "Сохранять нечего :(" when the list on view
// is empty.

// Appends the team block to a text file the user picks; the chosen folder becomes the working folder.
void saveTeamAsText(QWidget *owner, bool listEmpty, const std::function<void(const QString &)> &append);
// Puts the list on the clipboard as a forum table.
void copyTeamForForum(const ShownTable &table);
