#pragma once

#include "board/board_rows.h"

#include <QAbstractTableModel>
#include <cstddef>
#include <memory>
#include <vector>

// The board's rows as the view shows them: the rows the filters let through, in the order chosen. The
// texts are converted for the view only when it asks for them, so a new filter or order costs no more
// than handing over the row indexes. A player found on only one of his team's two pages shows in
// italics and says so in every cell's tooltip; a date from pages of different days names both.
class BoardModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void show(std::shared_ptr<const BoardTable> table, std::vector<std::size_t> shown);
    const std::vector<std::size_t> &shown() const { return m_shown; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // What a cell's tooltip says of the pages its row comes from.
    static QVariant pagesNote(const BoardRow &row, std::size_t column);
    static QString levelsText(const BoardRow &row);

    std::shared_ptr<const BoardTable> m_table;
    std::vector<std::size_t> m_shown;
};
