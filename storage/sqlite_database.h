#pragma once

#include "text/app_error.h"

#include <QString>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// A failure reported by SQLite; the message is SQLite's own (English, ASCII) and code() its result code,
// so callers can turn the common ones into messages of their own.
class SqliteError : public AppError {
public:
    SqliteError(int code, const std::string &message) : AppError(message), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

// One prepared statement; finalized when it goes out of scope.
class SqliteStatement {
public:
    SqliteStatement(sqlite3 *db, const std::string &sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement &) = delete;
    SqliteStatement &operator=(const SqliteStatement &) = delete;
    SqliteStatement(SqliteStatement &&other) noexcept;
    SqliteStatement &operator=(SqliteStatement &&other) noexcept;

    // Parameters count from 1, as SQLite numbers them; texts and blobs are copied. Values are always
    // bound, never pasted into the SQL text.
    SqliteStatement &bindInteger(int parameter, int64_t value);
    SqliteStatement &bindReal(int parameter, double value);
    SqliteStatement &bindText(int parameter, std::string_view utf8);
    SqliteStatement &bindBlob(int parameter, std::string_view bytes);
    SqliteStatement &bindNull(int parameter);

    // Advances to the next result row; false when the statement is done.
    bool step();
    // Steps a statement that returns no rows to its end.
    void run();
    // Makes the statement ready to run again; the bound values stay.
    void reset();

    int columnCount() const;
    std::string columnName(int column) const; // UTF-8
    int columnType(int column) const; // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB, SQLITE_NULL
    int64_t columnInteger(int column) const;
    double columnReal(int column) const;
    std::string columnText(int column) const; // UTF-8 bytes as SQLite holds them
    std::string columnBlob(int column) const;

private:
    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_statement = nullptr;
};

// Resets a statement kept for the connection before and after one use, so it never holds a read open.
class Reusing {
public:
    explicit Reusing(SqliteStatement &statement) : m_statement(statement) { m_statement.reset(); }
    ~Reusing() { m_statement.reset(); }
    Reusing(const Reusing &) = delete;
    Reusing &operator=(const Reusing &) = delete;
    SqliteStatement &operator*() const { return m_statement; }
    SqliteStatement *operator->() const { return &m_statement; }

private:
    SqliteStatement &m_statement;
};

// One connection to a database file; closed when it goes out of scope.
class SqliteDatabase {
public:
    enum class Mode {
        ReadOnly, // never writes, never creates the file
        Create,   // read-write, creating the file when missing (the catalogue builder and tests)
        // Read-only, the file taken not to change while open: for a folder no one may write in, where
        // SQLite could not make the index of a write-ahead log to read through.
        Unchanging,
    };

    SqliteDatabase(const QString &path, Mode mode);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase &) = delete;
    SqliteDatabase &operator=(const SqliteDatabase &) = delete;

    SqliteStatement prepare(const std::string &sql) const;
    // Runs every statement of a UTF-8 SQL script in turn.
    void execute(const std::string &sql) const;
    bool inTransaction() const;
    // How long a statement waits for another connection's lock before failing with SQLITE_BUSY.
    void setBusyTimeout(int milliseconds) const;
    int64_t lastInsertRowId() const;
    // Rows the last INSERT, UPDATE or DELETE changed, leaving out those of foreign-key actions.
    int64_t changes() const;
    // Names (UTF-8) of the tables the user made, leaving out SQLite's own sqlite_* tables.
    std::vector<std::string> userTableNames() const;

private:
    sqlite3 *m_db = nullptr;
};
