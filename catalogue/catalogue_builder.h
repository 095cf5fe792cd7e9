#pragma once

#include <QString>
#include <string>

// Runs a UTF-8 SQL script into a new SQLite database and puts it at outputPath, replacing what was
// there only once the whole script has run: the database is built under a temporary name beside the
// output and renamed over it. The script must leave exactly one table, as a catalogue file holds.
// Throws AppError naming the output on any failure; the output is then untouched.
void buildDatabaseFromSql(const std::string &sqlText, const QString &outputPath);
