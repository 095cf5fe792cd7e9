#pragma once

#include "storage/sqlite_database.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The layout of the history file, in numbered steps. PRAGMA user_version holds the number of the last
// step a file went through, so a file of an older program is brought forward step by step when opened.
struct SchemaStep {
    using Fill = std::function<void(const SqliteDatabase &)>;

    SchemaStep(int after, std::string script, std::string table = {}, std::string rowChange = {},
               Fill then = {})
        : version(after), sql(std::move(script)), rowTable(std::move(table)), rowSql(std::move(rowChange)),
          fill(std::move(then))
    {
    }

    int version = 0; // the user_version the file has after this step
    std::string sql;
    // A change made to each row of `rowTable` in turn, after `sql`, with ?1 bound to the row's rowid,
    // so a row the step cannot take is named.
    std::string rowTable;
    std::string rowSql;
    // What SQL alone cannot work out, done last, inside the step's transaction.
    Fill fill;
};

// A step that failed on one row: SQLite's code and message, and which row.
class SchemaRowError : public SqliteError {
public:
    SchemaRowError(const SqliteError &cause, std::string table, int64_t rowId)
        : SqliteError(cause.code(), cause.what()), m_table(std::move(table)), m_rowId(rowId)
    {
    }
    const std::string &table() const { return m_table; }
    int64_t rowId() const { return m_rowId; }

private:
    std::string m_table;
    int64_t m_rowId;
};

// PRAGMA application_id of every history file ("BrmH"): a file of another program is never taken over.
inline constexpr int32_t historyApplicationId = 0x42726D48;

enum class HistoryFileOwner {
    Nobody, // an empty file: no table, no version
    Us,     // marked as ours, or a file of ours from before the mark (version 1 or 2, our tables present)
    Other,  // anything else: another program's file
};

// Whose file it is, by reading alone.
HistoryFileOwner historyFileOwner(const SqliteDatabase &db);
// Marks the file as a history; a file already marked is left unwritten.
void markAsHistory(const SqliteDatabase &db);

// Every step so far, oldest first.
const std::vector<SchemaStep> &historySchemaSteps();
// The version a file has after every step: what this program writes.
int historySchemaVersion();

int schemaVersionOf(const SqliteDatabase &db);

// The statement that notes a name, country or position in `texts`, with the text a search compares.
inline constexpr const char *textInsert = "INSERT OR IGNORE INTO texts (text, folded) VALUES (?1, ?2)";
// Notes the text (UTF-8) through such a statement.
void keepText(SqliteStatement &insert, const std::string &utf8);

// The rows keep mastery and abilities in hundredths, talent in thousandths, when that is exact.
inline constexpr int hundredths = 100;
inline constexpr int thousandths = 1000;

// Runs, in one transaction, every step whose version is above the file's, then sets user_version to the
// last one. A step that fails rolls everything back and throws SqliteError (SchemaRowError when it
// failed on a row); the file keeps its version.
// A file at or above the last step is left alone.
void migrateSchema(const SqliteDatabase &db, const std::vector<SchemaStep> &steps);
