#include "view/text_table_model.h"

#include "text/code_page.h"

#include <QCoreApplication>

TextTableModel::TextTableModel(const char *context, std::vector<const char *> columnNames, QObject *parent)
    : QAbstractTableModel(parent), m_context(context), m_columnNames(std::move(columnNames))
{
}

void TextTableModel::setRows(std::vector<std::vector<std::string>> rows, std::vector<int64_t> tags)
{
    beginResetModel();
    tags.resize(rows.size(), 0);
    m_rows = std::move(rows);
    m_tags = std::move(tags);
    endResetModel();
}

void TextTableModel::appendRow(std::vector<std::string> row, int64_t tag)
{
    const int at = rowCount();
    beginInsertRows({}, at, at);
    m_rows.push_back(std::move(row));
    m_tags.push_back(tag);
    endInsertRows();
}

std::string TextTableModel::columnName(int column) const
{
    return cp1251FromUtf8(m_columnNames.at(static_cast<size_t>(column)));
}

std::vector<std::string> TextTableModel::columnNames() const
{
    std::vector<std::string> names;
    for (const char *name : m_columnNames)
        names.push_back(cp1251FromUtf8(name));
    return names;
}

void TextTableModel::sortByHeaderClick(SortState &state, int column)
{
    const SortRequest request = state.headerClick(column, columnName(column));
    const std::vector<size_t> order = sortedOrder(m_rows, request);
    // The chosen rows and the current one stay with their players.
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(order.size());
    std::vector<std::vector<std::string>> rows;
    std::vector<int64_t> tags;
    rows.reserve(m_rows.size());
    tags.reserve(m_rows.size());
    for (size_t newRow = 0; newRow < order.size(); ++newRow) {
        newRowOf[order[newRow]] = static_cast<int>(newRow);
        rows.push_back(std::move(m_rows[order[newRow]]));
        tags.push_back(m_tags[order[newRow]]);
    }
    m_rows = std::move(rows);
    m_tags = std::move(tags);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex &index : before)
        after << this->index(newRowOf[static_cast<size_t>(index.row())], index.column());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int TextTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TextTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columnNames.size());
}

QVariant TextTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const std::vector<std::string> &cells = m_rows[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    return column < cells.size() ? fromCp1251(cells[column]) : QString();
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    return QCoreApplication::translate(m_context, m_columnNames[static_cast<size_t>(section)]);
}
