#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <vector>

class CommandOptions;

// Rows a subcommand prints, in one of three forms: aligned columns for a person, CSV for a spreadsheet
// (the window's CSV: UTF-8 with its mark, ";" between fields, numbers with a decimal comma), or JSON for
// a program (an array of objects, numbers as numbers).
struct ResultTable {
    struct Column {
        QString caption; // the table's and the CSV's header, in the interface language
        QString key;     // the JSON name
    };
    std::vector<Column> columns;
    // A cell is a text or a number; a null cell is empty (JSON null).
    std::vector<std::vector<QJsonValue>> rows;
};

enum class ResultFormat { Table, Csv, Json };

// Adds "--format" to a subcommand's options, offering the forms given (the first is the default).
void addFormatOption(CommandOptions &options, const QStringList &formats);
// The form asked for, one of those offered; the first when none is asked for.
ResultFormat formatOf(const CommandOptions &options, const QStringList &formats);

QByteArray formatted(const ResultTable &table, ResultFormat format);

// A number as the window's lists show it: up to `decimals` digits after a decimal comma.
QString listNumber(double value, int decimals);
