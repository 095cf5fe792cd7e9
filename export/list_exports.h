#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QTreeWidget;
class QWidget;

// A list as other programs take it: its captions and its rows in the order shown, under a team.
struct ShownTable {
    QString teamName;
    QString division;
    QStringList captions;
    std::vector<QStringList> rows;
};

// The list's captions and rows as shown; only the selected rows when asked.
ShownTable shownTable(const QTreeWidget *list, bool selectedOnly = false);

// The CSV file of a team's list: «Команда» and «Дивизион» first, then the list's columns.
std::string teamCsv(const ShownTable &table);
// The forum post of a team's list: the team name in bold, then the table.
QString teamForumPost(const ShownTable &table);

// Says "Сохранять нечего :(" when there is nothing to save; returns whether it did.
bool sayNothingToSave(bool nothing);
// Asks for a CSV file and writes the document there; an existing file is replaced only once the new
// one is whole.
void saveCsvFile(QWidget *owner, bool nothing, const std::function<std::string()> &document);

// Ctrl+C in the list copies its selected rows, with a caption line, as tab-separated text.
void enableRowCopy(QTreeWidget *list);
