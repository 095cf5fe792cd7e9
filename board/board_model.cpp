#include "board/board_model.h"

#include "text/code_page.h"

#include <QCoreApplication>
#include <QFont>

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
    if (!m_table || !index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    if (row >= m_shown.size() || column >= boardColumnCount)
        return {};
    const BoardRow &shown = *m_table->rows[m_shown[row]];
    switch (role) {
    case Qt::DisplayRole:
        if (column == LevelsColumn)
            return levelsText(shown);
        return fromCp1251(shown.cells[column]);
    case Qt::ToolTipRole:
        return pagesNote(shown, column);
    case Qt::FontRole:
        if (shown.onTalentPageOnly() || shown.onAbilitiesPageOnly()) {
            QFont half;
            half.setItalic(true);
            return half;
        }
        return {};
    default:
        return {};
    }
}

QString BoardModel::levelsText(const BoardRow &row)
{
    if (row.keyed[LevelsColumn])
        return QString::fromStdString(levelProductText(static_cast<int>(row.keys[LevelsColumn])));
    if (row.cells[LevelsColumn] == boardLevelsUnclear)
        return tr("неясно");
    if (row.cells[LevelsColumn] == boardLevelsNotFitting)
        return tr("не сходится");
    return {};
}

QVariant BoardModel::pagesNote(const BoardRow &row, std::size_t column)
{
    if (column == LevelsColumn) {
        if (row.keyed[LevelsColumn])
            return tr("Уровень школы × уровень тренера: уверенно, по росту игроков команды");
        if (row.cells[LevelsColumn] == boardLevelsUnclear)
            return tr("Мало загрузок, чтобы судить об уровнях школы и тренера");
        if (row.cells[LevelsColumn] == boardLevelsNotFitting)
            return tr("Рост игроков команды не сходится с шагом прогноза");
        return tr("Нужен темп тренировок своей команды (Настройки → «Моя команда»)");
    }
    // Only dates and our own words: no page text reaches a tooltip, which would read it as markup.
    if (row.onTalentPageOnly())
        return tr("только на странице таланта");
    if (row.onAbilitiesPageOnly())
        return tr("только на странице способностей");
    if (column == DateColumn && row.fromPagesOfDifferentDays())
        return tr("Талант: %1, способности: %2")
            .arg(QString::fromStdString(row.talentDay), QString::fromStdString(row.abilitiesDay));
    return {};
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
