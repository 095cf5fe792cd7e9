#include "view/roster_lists.h"

#include "text/code_page.h"
#include "view/row_texts.h"

#include <QHeaderView>
#include <QTreeWidget>

void setListColumns(QTreeWidget *list, const QStringList &captions, const std::vector<int> &widths)
{
    list->setColumnCount(static_cast<int>(captions.size()));
    list->setHeaderLabels(captions);
    for (size_t i = 0; i < widths.size(); ++i)
        list->setColumnWidth(static_cast<int>(i), widths[i]);
    list->header()->setStretchLastSection(false);
}

void setupRosterLists(QTreeWidget *talentList, QTreeWidget *skillList)
{
    setListColumns(talentList,
                   {QStringLiteral("Имя"), QStringLiteral("Страна"), QStringLiteral("Поз"),
                    QStringLiteral("Возр"), QStringLiteral("Маст"), QStringLiteral("Талант")},
                   {130, 100, 50, 50, 50, 50});
    setListColumns(skillList,
                   {QStringLiteral("Имя"), QStringLiteral("Поз"), QStringLiteral("Возр"),
                    QStringLiteral("Маст"), QStringLiteral("От"), QStringLiteral("Оп"), QStringLiteral("Др"),
                    QStringLiteral("Пм"), QStringLiteral("Вн"), QStringLiteral("Пс"), QStringLiteral("Сл"),
                    QStringLiteral("Тч")},
                   {110, 32, 37, 45, 45, 45, 45, 45, 45, 45, 45, 45});
}

void appendListRow(QTreeWidget *list, const std::vector<std::string> &cells)
{
    auto *item = new QTreeWidgetItem(list);
    for (size_t column = 0; column < cells.size(); ++column)
        item->setText(static_cast<int>(column), fromCp1251(cells[column]));
}

std::vector<std::vector<std::string>> listRows(const QTreeWidget *list)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<size_t>(list->topLevelItemCount()));
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        std::vector<std::string> row;
        row.reserve(static_cast<size_t>(list->columnCount()));
        for (int column = 0; column < list->columnCount(); ++column)
            row.push_back(toCp1251(item->text(column)));
        rows.push_back(std::move(row));
    }
    return rows;
}

void showSnapshotLists(QTreeWidget *talentList, QTreeWidget *skillList, const CTeam &team)
{
    talentList->clear();
    skillList->clear();
    for (const auto &player : team.Tal)
        appendListRow(talentList, talentRowTexts(*player));
    for (const auto &player : team.Skill)
        appendListRow(skillList, skillRowTexts(*player));
}

void sortListByColumn(QTreeWidget *list, SortState &state, int column)
{
    const SortRequest request = state.headerClick(column, toCp1251(list->headerItem()->text(column)));
    const std::vector<SortRow> rows = listRows(list);
    std::vector<QTreeWidgetItem *> items;
    while (list->topLevelItemCount() > 0)
        items.push_back(list->takeTopLevelItem(0));
    for (const size_t index : sortedOrder(rows, request))
        list->addTopLevelItem(items[index]);
}
