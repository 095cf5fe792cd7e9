#pragma once

#include <vector>

class QAbstractItemModel;
class QTreeView;
class TextTableModel;

// A report list over its model: whole rows, extended selection (Shift, Ctrl, Ctrl+A), the columns at
// their starting widths. A model without a parent becomes the view's child.
void setUpReportList(QTreeView *view, QAbstractItemModel *model, const std::vector<int> &widths);
TextTableModel &modelOf(const QTreeView *view);

// The chosen rows in display order.
std::vector<int> chosenRows(const QTreeView *view);
// The current row when it is chosen, else -1: what the single-row commands act on.
int currentChosenRow(const QTreeView *view);
