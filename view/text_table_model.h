#pragma once

#include "view/column_sort.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <string>
#include <vector>

// A report list's rows as the list shows them: windows-1251 cell texts in display order, converted for
// the view only when it asks. The rows are the data the exports and the copy take, in the order shown;
// each row may carry a number of its own (a fetch, a team) that the view never shows.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Column names are the Russian captions (UTF-8); the header shows them in the user's language,
    // translated in `context`, while sorting and exports go by the names themselves.
    TextTableModel(const char *context, std::vector<const char *> columnNames, QObject *parent = nullptr);

    void setRows(std::vector<std::vector<std::string>> rows, std::vector<int64_t> tags = {});
    void clear() { setRows({}); }
    // Appends one row; the projection fills its table step by step.
    void appendRow(std::vector<std::string> row, int64_t tag = 0);
    const std::vector<std::vector<std::string>> &rows() const { return m_rows; }
    const std::vector<std::string> &row(int index) const { return m_rows.at(static_cast<size_t>(index)); }
    int64_t tag(int index) const { return m_tags.at(static_cast<size_t>(index)); }
    // The column's own (Russian) name, windows-1251.
    std::string columnName(int column) const;
    std::vector<std::string> columnNames() const;

    // A header click by the roster lists' rules: the shared state flips its direction, the rows are
    // put in the order it asks for.
    void sortByHeaderClick(SortState &state, int column);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const char *m_context;
    std::vector<const char *> m_columnNames;
    std::vector<std::vector<std::string>> m_rows;
    std::vector<int64_t> m_tags;
};
