#include "export/list_exports.h"

#include "export/export_file.h"
#include "text/code_page.h"
#include "view/roster_lists.h"
#include "view/text_table_model.h"
#include "widgets/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QShortcut>
#include <QTreeView>

namespace {

// The writers take UTF-8; `leading` texts (already UTF-8) go first.
std::vector<std::string> utf8Of(const std::vector<std::string> &texts, std::vector<std::string> leading = {})
{
    leading.reserve(leading.size() + texts.size());
    for (const std::string &text : texts)
        leading.push_back(utf8FromCp1251(text));
    return leading;
}

TextRows utf8Rows(const TextRows &rows, const std::vector<std::string> &leading = {})
{
    TextRows out;
    out.reserve(rows.size());
    for (const std::vector<std::string> &row : rows)
        out.push_back(utf8Of(row, leading));
    return out;
}

bool sayNothingToSave(bool nothing)
{
    if (nothing)
        messages().information(QStringLiteral(":\\"),
                               QCoreApplication::translate("ListExports", "Сохранять нечего :("));
    return nothing;
}

} // namespace

ShownTable shownTable(const TextTableModel &list)
{
    ShownTable table;
    table.captions = list.columnNames();
    table.rows = list.rows();
    return table;
}

ShownTable shownTable(const TextTableModel &list, const std::vector<int> &onlyRows)
{
    ShownTable table;
    table.captions = list.columnNames();
    for (const int row : onlyRows)
        table.rows.push_back(list.row(row));
    return table;
}

std::string teamCsv(const ShownTable &table)
{
    return csvDocument(
        utf8Of(table.captions, {"Команда", "Дивизион"}),
        utf8Rows(table.rows, {utf8FromCp1251(table.teamName), utf8FromCp1251(table.division)}));
}

QString teamForumPost(const ShownTable &table)
{
    return QString::fromStdString(
        forumTable(utf8FromCp1251(table.teamName), utf8Of(table.captions), utf8Rows(table.rows)));
}

QString askExportFileName(QWidget *owner, bool nothing, const char *filter, const QString &suffix)
{
    if (sayNothingToSave(nothing))
        return {};
    return messages().saveFileName(owner, QDir::currentPath(),
                                   QCoreApplication::translate("ListExports", filter), suffix);
}

void saveCsvFile(QWidget *owner, bool nothing, const std::function<std::string()> &document)
{
    const QString fileName = askExportFileName(
        owner, nothing, QT_TRANSLATE_NOOP("ListExports", "CSV (*.csv)"), QStringLiteral("csv"));
    if (!fileName.isEmpty())
        replaceFileAtomically(fileName, document());
}

void copyTeamForForum(const ShownTable &table)
{
    if (!sayNothingToSave(table.rows.empty()))
        QApplication::clipboard()->setText(teamForumPost(table));
}

void enableRowCopy(QTreeView *list)
{
    auto *copy = new QShortcut(QKeySequence::Copy, list);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(copy, &QShortcut::activated, list, [list] {
        const ShownTable table = shownTable(modelOf(list), chosenRows(list));
        if (!table.rows.empty())
            QApplication::clipboard()->setText(
                QString::fromStdString(tabSeparated(utf8Of(table.captions), utf8Rows(table.rows))));
    });
}
