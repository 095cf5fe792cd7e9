#pragma once

#include "retrieval/team_records.h"
#include "view/column_sort.h"

#include <QStringList>
#include <string>
#include <vector>

class QTreeWidget;

// The report lists and the rows they show, cells as windows-1251 texts.

// Columns with their captions in the user's language; each column keeps its own (Russian) name, which
// sorting and exports go by.
void setListColumns(QTreeWidget *list, const std::vector<const char *> &captions,
                    const std::vector<int> &widths);
QString columnName(const QTreeWidget *list, int column);
// The captions and widths of the talent list and the abilities list.
void setupRosterLists(QTreeWidget *talentList, QTreeWidget *skillList);
void appendListRow(QTreeWidget *list, const std::vector<std::string> &cells);
// Every row in display order, or only the selected ones, each as its cells from the first column on.
std::vector<std::vector<std::string>> listRows(const QTreeWidget *list, bool selectedOnly = false);

// Both roster lists rebuilt from a snapshot, numbers formatted as the lists show them.
void showSnapshotLists(QTreeWidget *talentList, QTreeWidget *skillList, const CTeam &team);

// A header click: reorders the list's rows by the column, as the sort state says.
void sortListByColumn(QTreeWidget *list, SortState &state, int column);
