#include "storage/sqlite_database.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <sqlite3.h>
#include <utility>

namespace {

[[noreturn]] void fail(sqlite3 *db, int code)
{
    const char *text = db ? sqlite3_errmsg(db) : sqlite3_errstr(code);
    throw SqliteError(code, text ? text : "unknown SQLite error");
}

void check(sqlite3 *db, int rc)
{
    if (rc != SQLITE_OK)
        fail(db, rc);
}

std::string copyBytes(const void *data, int size)
{
    if (!data || size <= 0)
        return {};
    return std::string(static_cast<const char *>(data), static_cast<size_t>(size));
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3 *db, const std::string &sql) : m_db(db)
{
    const int rc =
        sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()) + 1, &m_statement, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        fail(db, rc);
    }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(m_statement); }

SqliteStatement::SqliteStatement(SqliteStatement &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_statement(std::exchange(other.m_statement, nullptr))
{
}

SqliteStatement &SqliteStatement::operator=(SqliteStatement &&other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_statement);
        m_db = std::exchange(other.m_db, nullptr);
        m_statement = std::exchange(other.m_statement, nullptr);
    }
    return *this;
}

SqliteStatement &SqliteStatement::bindInteger(int parameter, int64_t value)
{
    check(m_db, sqlite3_bind_int64(m_statement, parameter, value));
    return *this;
}

SqliteStatement &SqliteStatement::bindReal(int parameter, double value)
{
    check(m_db, sqlite3_bind_double(m_statement, parameter, value));
    return *this;
}

// A null pointer would bind NULL: an empty text or blob must stay empty, not become NULL.
SqliteStatement &SqliteStatement::bindText(int parameter, std::string_view utf8)
{
    check(m_db, sqlite3_bind_text64(m_statement, parameter, utf8.empty() ? "" : utf8.data(), utf8.size(),
                                    SQLITE_TRANSIENT, SQLITE_UTF8));
    return *this;
}

SqliteStatement &SqliteStatement::bindBlob(int parameter, std::string_view bytes)
{
    check(m_db, sqlite3_bind_blob64(m_statement, parameter, bytes.empty() ? "" : bytes.data(), bytes.size(),
                                    SQLITE_TRANSIENT));
    return *this;
}

SqliteStatement &SqliteStatement::bindNull(int parameter)
{
    check(m_db, sqlite3_bind_null(m_statement, parameter));
    return *this;
}

bool SqliteStatement::step()
{
    if (!m_statement)
        return false; // an empty statement (only blanks or comments) yields nothing
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(m_db, rc);
}

void SqliteStatement::run()
{
    while (step()) {
    }
}

void SqliteStatement::reset()
{
    // The outcome of the last step was already reported by step(); reset only repeats it.
    sqlite3_reset(m_statement);
}

int SqliteStatement::columnCount() const { return m_statement ? sqlite3_column_count(m_statement) : 0; }

std::string SqliteStatement::columnName(int column) const
{
    const char *name = sqlite3_column_name(m_statement, column);
    if (!name)
        fail(m_db, SQLITE_NOMEM);
    return name;
}

int SqliteStatement::columnType(int column) const { return sqlite3_column_type(m_statement, column); }

int64_t SqliteStatement::columnInteger(int column) const { return sqlite3_column_int64(m_statement, column); }

double SqliteStatement::columnReal(int column) const { return sqlite3_column_double(m_statement, column); }

std::string SqliteStatement::columnText(int column) const
{
    const unsigned char *text = sqlite3_column_text(m_statement, column);
    return copyBytes(text, sqlite3_column_bytes(m_statement, column));
}

std::string SqliteStatement::columnBlob(int column) const
{
    const void *blob = sqlite3_column_blob(m_statement, column);
    return copyBytes(blob, sqlite3_column_bytes(m_statement, column));
}

SqliteDatabase::SqliteDatabase(const QString &path, Mode mode)
{
#ifdef _WIN32
    const QByteArray name = path.toUtf8(); // SQLite's Windows file layer takes UTF-8
#else
    const QByteArray name = QFile::encodeName(path); // and its Unix layer passes bytes to open()
#endif
    int flags = mode == Mode::Create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE : SQLITE_OPEN_READONLY;
    QByteArray opened = name;
    if (mode == Mode::Unchanging) {
        // Only a URI carries "immutable"; its path is percent-encoded, so any file name goes through.
        QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        uri.setQuery(QStringLiteral("immutable=1"));
        opened = uri.toEncoded();
        flags |= SQLITE_OPEN_URI;
    }
    const int rc = sqlite3_open_v2(opened.constData(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const SqliteError error(rc, m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        sqlite3_close(m_db);
        throw error;
    }
    sqlite3_extended_result_codes(m_db, 0);
    // The files may come from anywhere: let no schema code run with more rights than plain SQL, and
    // refuse writes that could corrupt the file even in the builder.
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
}

// close_v2: a statement that outlives its connection still gets the file closed once it is finalized.
SqliteDatabase::~SqliteDatabase() { sqlite3_close_v2(m_db); }

SqliteStatement SqliteDatabase::prepare(const std::string &sql) const { return SqliteStatement(m_db, sql); }

void SqliteDatabase::execute(const std::string &sql) const
{
    char *message = nullptr;
    const int rc = sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        throw SqliteError(rc, text);
    }
}

bool SqliteDatabase::inTransaction() const { return sqlite3_get_autocommit(m_db) == 0; }

void SqliteDatabase::setBusyTimeout(int milliseconds) const { sqlite3_busy_timeout(m_db, milliseconds); }

int64_t SqliteDatabase::lastInsertRowId() const { return sqlite3_last_insert_rowid(m_db); }

int64_t SqliteDatabase::changes() const { return sqlite3_changes64(m_db); }

std::vector<std::string> SqliteDatabase::userTableNames() const
{
    SqliteStatement query = prepare(
        "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    std::vector<std::string> names;
    while (query.step())
        names.push_back(query.columnText(0));
    return names;
}
