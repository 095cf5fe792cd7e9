#include "board/board_model.h"

#include "text/code_page.h"

#include <QCoreApplication>

void BoardModel::show(std::shared_ptr<const BoardTable> table, std::vector<std::size_t> shown)
{
    beginResetModel();
    m_table = std::move(table);
    m_shown = std::move(shown);
    endResetModel();
}

int BoardModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int BoardModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(boardColumnCount);
}

QVariant BoardModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !m_table || !index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (row >= m_shown.size() || column >= boardColumnCount)
        return {};
    return fromCp1251(m_table->rows[m_shown[row]]->cells[column]);
}

QVariant BoardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || static_cast<std::size_t>(section) >= boardColumnCount)
        return {};
    const char *name = boardColumnNames[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("RosterLists", name);
    return {};
}
