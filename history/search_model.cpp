#include "history/search_model.h"

#include "export/table_writers.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <numeric>

namespace {

struct Caption {
    const char *context;
    const char *text;
};

// The talent list's own captions, then the search's.
const Caption captions[searchColumnCount] = {
    {"RosterLists", QT_TRANSLATE_NOOP("RosterLists", "Имя")},
    {"RosterLists", QT_TRANSLATE_NOOP("RosterLists", "Страна")},
    {"RosterLists", QT_TRANSLATE_NOOP("RosterLists", "Поз")},
    {"RosterLists", QT_TRANSLATE_NOOP("RosterLists", "Возр")},
    {"RosterLists", QT_TRANSLATE_NOOP("RosterLists", "Маст")},
    {"RosterLists", QT_TRANSLATE_NOOP("RosterLists", "Талант")},
    {"SearchPage", QT_TRANSLATE_NOOP("SearchPage", "Команда")},
    {"SearchPage", QT_TRANSLATE_NOOP("SearchPage", "Дивизион")},
    {"SearchPage", QT_TRANSLATE_NOOP("SearchPage", "Дата")},
};

QString captionOf(int column)
{
    return QCoreApplication::translate(captions[column].context, captions[column].text);
}

} // namespace

void SearchModel::setResults(std::shared_ptr<const SearchResults> results)
{
    beginResetModel();
    m_textsRow = -1;
    m_results = std::move(results);
    if (m_sortColumn >= 0) {
        m_order = rowsInOrder(*m_results, static_cast<SearchColumn>(m_sortColumn),
                              m_sortOrder == Qt::AscendingOrder);
    } else {
        m_order.resize(m_results->players.size());
        std::iota(m_order.begin(), m_order.end(), 0);
    }
    endResetModel();
}

const FoundPlayer &SearchModel::player(int row) const
{
    return m_results->players.at(static_cast<size_t>(m_order.at(static_cast<size_t>(row))));
}

int SearchModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int SearchModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : searchColumnCount;
}

QVariant SearchModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    // Only the cells on view are ever made: a search of every week may find a great many rows.
    return fromCp1251(textsOf(index.row()).at(static_cast<size_t>(index.column())));
}

const std::vector<std::string> &SearchModel::textsOf(int row) const
{
    if (row != m_textsRow) {
        m_texts = foundPlayerTexts(player(row));
        m_textsRow = row;
    }
    return m_texts;
}

QVariant SearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= searchColumnCount)
        return {};
    return captionOf(section);
}

void SearchModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= searchColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The chosen rows stay with their players.
    const QModelIndexList before = persistentIndexList();
    std::vector<int> playersBefore;
    for (const QModelIndex &index : before)
        playersBefore.push_back(m_order.at(static_cast<size_t>(index.row())));
    m_order = rowsInOrder(*m_results, static_cast<SearchColumn>(column), order == Qt::AscendingOrder);
    m_textsRow = -1;
    std::vector<int> rowOfPlayer(m_order.size());
    for (size_t row = 0; row < m_order.size(); ++row)
        rowOfPlayer[static_cast<size_t>(m_order[row])] = static_cast<int>(row);
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i)
        after.append(index(rowOfPlayer[static_cast<size_t>(playersBefore[static_cast<size_t>(i)])],
                           before[i].column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::string SearchModel::csv() const
{
    std::vector<std::string> texts;
    for (const Caption &caption : captions)
        texts.emplace_back(caption.text); // files speak the program's own language
    TextRows rows;
    rows.reserve(m_order.size());
    for (int row = 0; row < rowCount(); ++row) {
        std::vector<std::string> cells;
        for (const std::string &text : foundPlayerTexts(player(row)))
            cells.push_back(utf8FromCp1251(text));
        rows.push_back(std::move(cells));
    }
    return csvDocument(texts, rows);
}
