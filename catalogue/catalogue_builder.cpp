#include "catalogue/catalogue_builder.h"

#include "storage/sqlite_database.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace {

void runScript(const std::string &sqlText, const QString &path)
{
    const SqliteDatabase db(path, SqliteDatabase::Mode::Create);
    db.execute(sqlText);
    if (db.inTransaction())
        throw AppError("the script leaves a transaction open");
    const size_t tables = db.userTableNames().size();
    if (tables != 1)
        throw AppError("the script makes " + std::to_string(tables) + " tables where one is expected");
    // A WAL file could not be read by a read-only reader without its side files.
    db.execute("PRAGMA journal_mode = DELETE");
}

} // namespace

void buildDatabaseFromSql(const std::string &sqlText, const QString &outputPath)
{
    const QFileInfo output(outputPath);
    try {
        QTemporaryFile temporary(output.absolutePath() + QStringLiteral("/.") + output.fileName() +
                                 QStringLiteral(".XXXXXX"));
        if (!temporary.open())
            throw AppError("cannot create a temporary file (" + toCp1251(temporary.errorString()) + ")");
        temporary.close(); // SQLite opens it by name; an empty file is an empty database to it
        // A temporary file is private to its owner; the catalogue is an ordinary readable file.
        temporary.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        try {
            runScript(sqlText, temporary.fileName());
        } catch (const SqliteError &error) {
            throw AppError(error.what());
        }
        std::error_code failure;
        std::filesystem::rename(QFile(temporary.fileName()).filesystemFileName(),
                                QFile(output.absoluteFilePath()).filesystemFileName(), failure);
        if (failure)
            throw AppError("cannot rename the new database into place (" + failure.message() + ")");
        temporary.setAutoRemove(false); // it is the output now
    } catch (const AppError &error) {
        throw AppError("Cannot build " + toCp1251(outputPath) + ": " + error.what());
    }
}
