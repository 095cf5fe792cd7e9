#include "view/roster_lists.h"

#include "text/code_page.h"
#include "view/row_texts.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeWidget>

void setListColumns(QTreeWidget *list, const std::vector<const char *> &captions,
                    const std::vector<int> &widths)
{
    list->setColumnCount(static_cast<int>(captions.size()));
    QTreeWidgetItem *header = list->headerItem();
    for (size_t i = 0; i < captions.size(); ++i) {
        const int column = static_cast<int>(i);
        header->setText(column, QCoreApplication::translate("RosterLists", captions[i]));
        // Sorting and exports go by the column's own name, whatever language the header speaks.
        header->setData(column, Qt::UserRole, QString::fromUtf8(captions[i]));
        if (i < widths.size())
            list->setColumnWidth(column, widths[i]);
    }
    list->header()->setStretchLastSection(false);
}

QString columnName(const QTreeWidget *list, int column)
{
    const QVariant name = list->headerItem()->data(column, Qt::UserRole);
    return name.isValid() ? name.toString() : list->headerItem()->text(column);
}

void setupRosterLists(QTreeWidget *talentList, QTreeWidget *skillList)
{
    setListColumns(talentList,
                   {QT_TRANSLATE_NOOP("RosterLists", "Имя"), QT_TRANSLATE_NOOP("RosterLists", "Страна"),
                    QT_TRANSLATE_NOOP("RosterLists", "Поз"), QT_TRANSLATE_NOOP("RosterLists", "Возр"),
                    QT_TRANSLATE_NOOP("RosterLists", "Маст"), QT_TRANSLATE_NOOP("RosterLists", "Талант")},
                   {130, 100, 50, 50, 50, 50});
    setListColumns(skillList,
                   {QT_TRANSLATE_NOOP("RosterLists", "Имя"), QT_TRANSLATE_NOOP("RosterLists", "Поз"),
                    QT_TRANSLATE_NOOP("RosterLists", "Возр"), QT_TRANSLATE_NOOP("RosterLists", "Маст"),
                    QT_TRANSLATE_NOOP("RosterLists", "От"), QT_TRANSLATE_NOOP("RosterLists", "Оп"),
                    QT_TRANSLATE_NOOP("RosterLists", "Др"), QT_TRANSLATE_NOOP("RosterLists", "Пм"),
                    QT_TRANSLATE_NOOP("RosterLists", "Вн"), QT_TRANSLATE_NOOP("RosterLists", "Пс"),
                    QT_TRANSLATE_NOOP("RosterLists", "Сл"), QT_TRANSLATE_NOOP("RosterLists", "Тч")},
                   {110, 32, 37, 45, 45, 45, 45, 45, 45, 45, 45, 45});
}

void appendListRow(QTreeWidget *list, const std::vector<std::string> &cells)
{
    auto *item = new QTreeWidgetItem(list);
    for (size_t column = 0; column < cells.size(); ++column)
        item->setText(static_cast<int>(column), fromCp1251(cells[column]));
}

std::vector<std::vector<std::string>> listRows(const QTreeWidget *list, bool selectedOnly)
{
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<size_t>(list->topLevelItemCount()));
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        if (selectedOnly && !item->isSelected())
            continue;
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
    const SortRequest request = state.headerClick(column, toCp1251(columnName(list, column)));
    const std::vector<SortRow> rows = listRows(list);
    std::vector<QTreeWidgetItem *> items;
    while (list->topLevelItemCount() > 0)
        items.push_back(list->takeTopLevelItem(0));
    for (const size_t index : sortedOrder(rows, request))
        list->addTopLevelItem(items[index]);
}
