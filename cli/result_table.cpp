#include "cli/result_table.h"

#include "cli/command_line.h"
#include "export/table_writers.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

QString cellText(const QJsonValue &cell)
{
    if (cell.isDouble())
        return listNumber(cell.toDouble(), 2);
    return cell.toString();
}

QByteArray tableText(const ResultTable &table)
{
    std::vector<qsizetype> widths;
    for (const ResultTable::Column &column : table.columns)
        widths.push_back(column.caption.size());
    for (const auto &row : table.rows)
        for (size_t i = 0; i < row.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], cellText(row[i]).size());
    const auto line = [&widths](const QStringList &cells) -> QByteArray {
        QString text;
        for (qsizetype i = 0; i < cells.size(); ++i) {
            const bool last = i + 1 == cells.size();
            text += last ? cells[i] : cells[i].leftJustified(widths[static_cast<size_t>(i)] + 2);
        }
        return text.toLocal8Bit() + '\n';
    };
    QStringList captions;
    for (const ResultTable::Column &column : table.columns)
        captions << column.caption;
    QByteArray text = line(captions);
    for (const auto &row : table.rows) {
        QStringList cells;
        for (const QJsonValue &cell : row)
            cells << cellText(cell);
        text += line(cells);
    }
    return text;
}

QByteArray csvText(const ResultTable &table)
{
    std::vector<std::string> captions;
    for (const ResultTable::Column &column : table.columns)
        captions.push_back(column.caption.toStdString());
    TextRows rows;
    for (const auto &row : table.rows) {
        std::vector<std::string> cells;
        cells.reserve(row.size());
        for (const QJsonValue &cell : row)
            cells.push_back(cellText(cell).toStdString());
        rows.push_back(std::move(cells));
    }
    return QByteArray::fromStdString(csvDocument(captions, rows));
}

QByteArray jsonText(const ResultTable &table)
{
    QJsonArray objects;
    for (const auto &row : table.rows) {
        QJsonObject object;
        for (size_t i = 0; i < row.size() && i < table.columns.size(); ++i)
            object.insert(table.columns[i].key, row[i]);
        objects.append(object);
    }
    return QJsonDocument(objects).toJson(QJsonDocument::Indented);
}

} // namespace

void addFormatOption(CommandOptions &options, const QStringList &formats)
{
    options.addValue(QStringLiteral("format"), formats.join(QLatin1Char('|')),
                     QCoreApplication::translate("ResultTable", "Вид вывода: %1 (по умолчанию %2).")
                         .arg(formats.join(QStringLiteral(", ")), formats.first()));
}

ResultFormat formatOf(const CommandOptions &options, const QStringList &formats)
{
    const QString format = options.choice(QStringLiteral("format"), formats).value_or(formats.first());
    if (format == QLatin1String("csv"))
        return ResultFormat::Csv;
    return format == QLatin1String("json") ? ResultFormat::Json : ResultFormat::Table;
}

QByteArray formatted(const ResultTable &table, ResultFormat format)
{
    switch (format) {
    case ResultFormat::Csv:
        return csvText(table);
    case ResultFormat::Json:
        return jsonText(table);
    case ResultFormat::Table:
        break;
    }
    return tableText(table);
}

QString listNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}
