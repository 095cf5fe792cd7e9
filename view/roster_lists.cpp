#include "view/roster_lists.h"

#include "view/text_table_model.h"

#include <QHeaderView>
#include <QTreeView>
#include <algorithm>

void setUpReportList(QTreeView *view, QAbstractItemModel *model, const std::vector<int> &widths)
{
    if (!model->parent())
        model->setParent(view);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->header()->setStretchLastSection(false);
    for (size_t i = 0; i < widths.size(); ++i)
        view->setColumnWidth(static_cast<int>(i), widths[i]);
}

TextTableModel &modelOf(const QTreeView *view) { return *static_cast<TextTableModel *>(view->model()); }

std::vector<int> chosenRows(const QTreeView *view)
{
    std::vector<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int currentChosenRow(const QTreeView *view)
{
    const QModelIndex current = view->currentIndex();
    return current.isValid() && view->selectionModel()->isRowSelected(current.row(), {}) ? current.row() : -1;
}
