#pragma once

#include "storage/sqlite_database.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>

// A UTF-8 text of the test as the windows-1251 bytes the catalogue reports in.
inline std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

// A temporary folder of catalogue files made for one test. Paths come back as the 8-bit names the
// table takes.
class CatalogueFolder {
public:
    // A database made by running the SQL script (UTF-8) directly, with no checks, so tests can make
    // files the builder refuses (no table, two tables).
    std::string database(const QString &name, const std::string &sql)
    {
        const QString path = m_dir.filePath(name);
        SqliteDatabase(path, SqliteDatabase::Mode::Create).execute(sql);
        return toCp1251(path);
    }

    std::string raw(const QString &name, const std::string &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return toCp1251(path);
    }

    std::string read(const std::string &path)
    {
        QFile file(fromCp1251(path));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
    }

    std::string path(const QString &name) const { return toCp1251(m_dir.filePath(name)); }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// The message of the exception of type E the call throws; a test failure when it throws none or another.
template <class E = AppError, class F> std::string thrownMessage(F &&call)
{
    try {
        call();
    } catch (const E &error) {
        return error.what();
    } catch (const std::exception &other) {
        ADD_FAILURE() << "unexpected exception: " << other.what();
        return {};
    }
    ADD_FAILURE() << "no exception";
    return {};
}
