#include "export/list_exports.h"

#include "export/export_file.h"
#include "export/table_writers.h"
#include "view/roster_lists.h"
#include "widgets/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QShortcut>
#include <QTreeWidget>

namespace {

std::vector<std::string> utf8(const QStringList &texts)
{
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(texts.size()));
    for (const QString &text : texts)
        out.push_back(text.toStdString());
    return out;
}

TextRows utf8Rows(const std::vector<QStringList> &rows, const QStringList &leading = {})
{
    TextRows out;
    out.reserve(rows.size());
    for (const QStringList &row : rows)
        out.push_back(utf8(leading + row));
    return out;
}

} // namespace

ShownTable shownTable(const QTreeWidget *list, bool selectedOnly)
{
    ShownTable table;
    for (int column = 0; column < list->columnCount(); ++column)
        table.captions << columnName(list, column);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        if (selectedOnly && !item->isSelected())
            continue;
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << item->text(column);
        table.rows.push_back(cells);
    }
    return table;
}

std::string teamCsv(const ShownTable &table)
{
    const QStringList captions =
        QStringList{QStringLiteral("Команда"), QStringLiteral("Дивизион")} + table.captions;
    return csvDocument(utf8(captions), utf8Rows(table.rows, {table.teamName, table.division}));
}

QString teamForumPost(const ShownTable &table)
{
    return QString::fromStdString(
        forumTable(table.teamName.toStdString(), utf8(table.captions), utf8Rows(table.rows)));
}

bool sayNothingToSave(bool nothing)
{
    if (nothing)
        messages().information(QStringLiteral(":\\"),
                               QCoreApplication::translate("ListExports", "Сохранять нечего :("));
    return nothing;
}

void saveCsvFile(QWidget *owner, bool nothing, const std::function<std::string()> &document)
{
    if (sayNothingToSave(nothing))
        return;
    const QString fileName = messages().saveFileName(owner, QDir::currentPath(),
                                                     QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"));
    if (!fileName.isEmpty())
        replaceFileAtomically(fileName, document());
}

void enableRowCopy(QTreeWidget *list)
{
    auto *copy = new QShortcut(QKeySequence::Copy, list);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QShortcut::activated, list, [list] {
        const ShownTable table = shownTable(list, true);
        if (!table.rows.empty())
            QApplication::clipboard()->setText(
                QString::fromStdString(tabSeparated(utf8(table.captions), utf8Rows(table.rows))));
    });
}
