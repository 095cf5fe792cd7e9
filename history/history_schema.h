#pragma once

#include <string>
#include <vector>

class SqliteDatabase;

// The layout of the history file, in numbered steps. PRAGMA user_version holds the number of the last
// step a file went through, so a file of an older program is brought forward step by step when opened.
struct SchemaStep {
    int version = 0; // the user_version the file has after this step
    std::string sql;
};

// Every step so far, oldest first.
const std::vector<SchemaStep> &historySchemaSteps();
// The version a file has after every step: what this program writes.
int historySchemaVersion();

int schemaVersionOf(const SqliteDatabase &db);

// Runs, in one transaction, every step whose version is above the file's, then sets user_version to the
// last one. A step that fails rolls everything back and throws SqliteError; the file keeps its version.
// A file at or above the last step is left alone.
void migrateSchema(const SqliteDatabase &db, const std::vector<SchemaStep> &steps);
