#pragma once

#include "history/search_results.h"

#include <QAbstractTableModel>
#include <memory>
#include <string>
#include <vector>

// The search's results in the order of the column last clicked; a click on a column header sorts by
// what the column holds (sort()), numbers as numbers, texts in the user's language's order.
class SearchModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setResults(std::shared_ptr<const SearchResults> results);
    // The player shown on a row.
    const FoundPlayer &player(int row) const;
    // The rows as shown as a CSV document, under the captions as the program writes them in every file.
    std::string csv() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    const std::vector<std::string> &textsOf(int row) const;

    std::shared_ptr<const SearchResults> m_results = std::make_shared<SearchResults>();
    std::vector<int> m_order; // the rows of m_results, as shown
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    // A view asks for a row's cells one after another: the row's texts are made once for all of them.
    mutable int m_textsRow = -1;
    mutable std::vector<std::string> m_texts;
};
