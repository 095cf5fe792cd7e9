#include "catalogue/catalogue_table.h"

#include "storage/sqlite_database.h"
#include "text/app_error.h"
#include "text/code_page.h"
#include "text/numbers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <limits>
#include <sqlite3.h>

namespace {

std::string notADatabase()
{
    return cp1251Message(QCoreApplication::translate("CatalogueTable", "это не база данных SQLite 3"));
}

struct LoadedTable {
    std::vector<std::string> fieldNames;
    std::vector<std::vector<std::variant<std::monostate, int64_t, double, std::string>>> rows;
};

std::string quoteIdentifier(const std::string &name)
{
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

bool sameName(const std::string &a, const std::string &b)
{
    return QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()))
               .compare(QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size())), Qt::CaseInsensitive) ==
           0;
}

std::string reasonFor(const SqliteError &error)
{
    switch (error.code()) {
    case SQLITE_NOTADB:
        return notADatabase();
    case SQLITE_CORRUPT:
        return cp1251Message(QCoreApplication::translate("CatalogueTable", "файл поврежден (%1)"),
                             std::string(error.what()));
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return cp1251Message(QCoreApplication::translate("CatalogueTable", "файл не читается (%1)"),
                             std::string(error.what()));
    case SQLITE_NOMEM:
    case SQLITE_TOOBIG:
        return cp1251Message(QCoreApplication::translate("CatalogueTable", "таблица слишком велика"));
    default:
        return error.what();
    }
}

// The one user table of the database; the file must hold exactly one.
std::string singleTableName(const SqliteDatabase &db)
{
    const std::vector<std::string> names = db.userTableNames();
    if (names.empty())
        throw AppError(cp1251Message(QCoreApplication::translate("CatalogueTable", "в нем нет таблицы")));
    if (names.size() > 1)
        throw AppError(cp1251Message(
            QCoreApplication::translate("CatalogueTable", "в нем таблиц: %1, а должна быть одна"),
            std::to_string(names.size())));
    return names.front();
}

// Rows come in rowid order: a user column may shadow one or two of rowid's three names, and a WITHOUT
// ROWID table has none, so it is read in its own (key) order.
SqliteStatement selectInRowidOrder(const SqliteDatabase &db, const std::string &table,
                                   const std::vector<std::string> &columns)
{
    const std::string select = "SELECT * FROM " + quoteIdentifier(table);
    for (const char *alias : {"rowid", "_rowid_", "oid"}) {
        bool shadowed = false;
        for (const std::string &column : columns)
            shadowed = shadowed || sameName(column, alias);
        if (shadowed)
            continue;
        try {
            return db.prepare(select + " ORDER BY " + alias);
        } catch (const SqliteError &error) {
            if (error.code() != SQLITE_ERROR)
                throw;
            break;
        }
    }
    return db.prepare(select);
}

LoadedTable readDatabase(const QString &path)
{
    const SqliteDatabase db(path, SqliteDatabase::Mode::ReadOnly);
    const std::string table = singleTableName(db);

    std::vector<std::string> columns;
    {
        const SqliteStatement probe = db.prepare("SELECT * FROM " + quoteIdentifier(table));
        for (int c = 0; c < probe.columnCount(); ++c)
            columns.push_back(probe.columnName(c));
    }

    LoadedTable loaded;
    for (const std::string &column : columns)
        loaded.fieldNames.push_back(cp1251FromUtf8(column));

    SqliteStatement select = selectInRowidOrder(db, table, columns);
    const int count = static_cast<int>(columns.size());
    while (select.step()) {
        auto &row = loaded.rows.emplace_back();
        row.reserve(columns.size());
        for (int c = 0; c < count; ++c) {
            switch (select.columnType(c)) {
            case SQLITE_INTEGER:
                row.emplace_back(select.columnInteger(c));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(select.columnReal(c));
                break;
            case SQLITE_TEXT:
                row.emplace_back(cp1251FromUtf8(select.columnText(c)));
                break;
            case SQLITE_BLOB:
                row.emplace_back(select.columnBlob(c));
                break;
            default:
                row.emplace_back(std::monostate{});
                break;
            }
        }
    }
    return loaded;
}

// Checks the plain file first, so the common mistakes get a clear reason rather than SQLite's.
void checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw AppError(cp1251Message(QCoreApplication::translate("CatalogueTable", "файл не найден")));
    if (info.isDir())
        throw AppError(cp1251Message(QCoreApplication::translate("CatalogueTable", "это папка")));
    if (!info.isFile())
        throw AppError(cp1251Message(QCoreApplication::translate("CatalogueTable", "это не обычный файл")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(toCp1251(
            QCoreApplication::translate("CatalogueTable", "файл не читается (%1)").arg(file.errorString())));
    if (file.size() == 0)
        throw AppError(cp1251Message(QCoreApplication::translate("CatalogueTable", "файл пуст")));
    // SQLite takes a file shorter than its header for an empty database; a catalogue must be a real one.
    static const QByteArray magic("SQLite format 3", 16); // with its terminating zero
    if (file.read(magic.size()) != magic)
        throw AppError(notADatabase());
}

} // namespace

void CatalogueTable::loadFromFile(const std::string &fileName)
{
    close();
    m_failedFileName.clear();
    LoadedTable loaded;
    try {
        const QString path = fromCp1251(fileName);
        checkFile(path);
        try {
            loaded = readDatabase(path);
        } catch (const SqliteError &error) {
            throw AppError(reasonFor(error));
        }
    } catch (const AppError &error) {
        m_failedFileName = fileName;
        throw AppError(cp1251Message(
            QCoreApplication::translate("CatalogueTable", "Не удалось открыть файл каталога %1: %2"),
            fileName, std::string(error.what())));
    }
    m_fieldNames = std::move(loaded.fieldNames);
    m_rows = std::move(loaded.rows);
    m_fileName = fileName;
    m_row = 0;
    m_eof = m_rows.empty();
    m_open = true;
}

void CatalogueTable::close()
{
    m_open = false;
    m_eof = true;
    m_row = 0;
    m_fileName.clear();
    m_fieldNames.clear();
    m_rows.clear();
}

void CatalogueTable::requireOpen() const
{
    if (m_open)
        return;
    if (m_failedFileName.empty())
        throw AppError(
            cp1251Message(QCoreApplication::translate("CatalogueTable", "Таблица каталога не загружена")));
    throw AppError(
        cp1251Message(QCoreApplication::translate("CatalogueTable",
                                                  "Таблица каталога не загружена: не удалось загрузить %1"),
                      m_failedFileName));
}

const CatalogueTable::Cell &CatalogueTable::currentCell(int column) const
{
    requireOpen();
    if (m_rows.empty())
        throw AppError(cp1251Message(
            QCoreApplication::translate("CatalogueTable", "Нет текущей строки: таблица в %1 пуста"),
            m_fileName));
    requireColumn(column);
    return m_rows[m_row][static_cast<size_t>(column)];
}

void CatalogueTable::requireColumn(int column) const
{
    if (column < 0 || static_cast<size_t>(column) >= m_fieldNames.size())
        throw AppError(cp1251Message(
            QCoreApplication::translate("CatalogueTable", "Нет поля с номером %1: в таблице %2 полей: %3"),
            std::to_string(column), m_fileName, std::to_string(m_fieldNames.size())));
}

std::string CatalogueTable::cellText(const Cell &cell)
{
    if (const auto *text = std::get_if<std::string>(&cell))
        return *text;
    if (const auto *integer = std::get_if<int64_t>(&cell))
        return formatInteger(*integer);
    if (const auto *real = std::get_if<double>(&cell))
        return formatGeneral(*real);
    return {}; // NULL
}

int32_t CatalogueTable::fieldAsInteger(int column) const
{
    const Cell &cell = currentCell(column);
    if (const auto *integer = std::get_if<int64_t>(&cell)) {
        if (*integer >= std::numeric_limits<int32_t>::min() &&
            *integer <= std::numeric_limits<int32_t>::max())
            return static_cast<int32_t>(*integer);
    }
    // Texts, whole reals and everything else go through the integer reader and its message.
    return readInteger(cellText(cell));
}

std::string CatalogueTable::fieldAsText(int column) const { return cellText(currentCell(column)); }

void CatalogueTable::next()
{
    requireOpen();
    if (m_row + 1 < m_rows.size())
        ++m_row;
    else
        m_eof = true;
}

bool CatalogueTable::eof() const
{
    requireOpen();
    return m_eof;
}

std::optional<int> CatalogueTable::fieldNumber(const std::string &fieldName) const
{
    requireOpen();
    const QString wanted = fromCp1251(fieldName);
    for (size_t i = 0; i < m_fieldNames.size(); ++i)
        if (fromCp1251(m_fieldNames[i]).compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return std::nullopt;
}

int CatalogueTable::fieldIndex(const std::string &fieldName) const
{
    if (const std::optional<int> column = fieldNumber(fieldName))
        return *column;
    throw AppError(cp1251Message(QCoreApplication::translate("CatalogueTable", "Поле '%1' не найдено в %2"),
                                 fieldName, m_fileName));
}

int CatalogueTable::fieldCount() const
{
    requireOpen();
    return static_cast<int>(m_fieldNames.size());
}

size_t CatalogueTable::rowNumber() const
{
    requireOpen();
    return m_row + 1;
}

const std::string &CatalogueTable::fileName() const
{
    requireOpen();
    return m_fileName;
}

template <class Matches> bool CatalogueTable::locateWhere(int column, Matches matches)
{
    requireOpen();
    requireColumn(column);
    const auto at = static_cast<size_t>(column);
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (matches(m_rows[row][at])) {
            m_row = row;
            m_eof = false;
            return true;
        }
    }
    return false;
}

bool CatalogueTable::locate(const std::string &fieldName, const std::string &value)
{
    return locateWhere(fieldIndex(fieldName), [&](const Cell &cell) {
        return !std::holds_alternative<std::monostate>(cell) && cellText(cell) == value;
    });
}

bool CatalogueTable::locate(const std::string &fieldName, int32_t value)
{
    return locate(fieldIndex(fieldName), value);
}

bool CatalogueTable::locate(int column, int32_t value)
{
    const std::string valueText = formatInteger(value);
    return locateWhere(column, [&](const Cell &cell) {
        if (const auto *integer = std::get_if<int64_t>(&cell))
            return *integer == value;
        if (const auto *real = std::get_if<double>(&cell))
            return *real == value;
        if (const auto *text = std::get_if<std::string>(&cell))
            return *text == valueText;
        return false;
    });
}
