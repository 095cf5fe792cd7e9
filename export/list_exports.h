#pragma once

#include "export/table_writers.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

class QTreeView;
class QWidget;
class TextTableModel;

// A list as other programs take it: its captions and its rows in the order shown, under a team; every
// text in windows-1251.
struct ShownTable {
    std::string teamName;
    std::string division;
    std::vector<std::string> captions;
    TextRows rows;
};

// The list's captions and rows as shown; only the rows named (in display order) when asked.
ShownTable shownTable(const TextTableModel &list);
ShownTable shownTable(const TextTableModel &list, const std::vector<int> &onlyRows);

// The CSV file of a team's list: «Команда» and «Дивизион» first, then the list's columns.
std::string teamCsv(const ShownTable &table);
// The forum post of a team's list: the team name in bold, then the table.
QString teamForumPost(const ShownTable &table);

// The file an export goes to: says "Сохранять нечего :(" when there is nothing to save, else asks for a
// file of the filter's kind, starting in the working folder. The filter is a source text of the context
// "ListExports" (mark it with QT_TRANSLATE_NOOP) and shows in the user's language. Empty when nothing is
// to be written.
QString askExportFileName(QWidget *owner, bool nothing, const char *filter, const QString &suffix);
// Asks for a CSV file and writes the document there; an existing file is replaced only once the new
// one is whole.
void saveCsvFile(QWidget *owner, bool nothing, const std::function<std::string()> &document);

// Puts a team's list on the clipboard as a forum table.
void copyTeamForForum(const ShownTable &table);
// Ctrl+C in the list copies every chosen row, with a caption line, as tab-separated text.
void enableRowCopy(QTreeView *list);
