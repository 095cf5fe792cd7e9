#include "history/history_file.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <sqlite3.h>

QString defaultHistoryPath()
{
#ifdef Q_OS_WIN
    // The roaming folder, so the history follows the user; Qt names it only with the organisation inside.
    QString base = qEnvironmentVariable("APPDATA");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#else
    // $XDG_DATA_HOME when set and absolute, ~/.local/share otherwise.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#endif
    return QDir(base).filePath(QStringLiteral("brindlemark/history.db"));
}

HistoryFailure historyFailureOf(int sqliteCode)
{
    switch (sqliteCode & 0xFF) {
    case SQLITE_OK:
        return HistoryFailure::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return HistoryFailure::Locked;
    case SQLITE_FULL:
        return HistoryFailure::DiskFull;
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_IOERR:
        return HistoryFailure::NotWritable;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return HistoryFailure::Corrupt;
    default:
        return HistoryFailure::Other;
    }
}

QString historyFailureReason(HistoryFailure failure, const QString &path, const std::string &sqliteMessage)
{
    const QString file = QDir::toNativeSeparators(path);
    switch (failure) {
    case HistoryFailure::Locked:
        return QCoreApplication::translate("HistoryFile", "файл истории %1 занят другой копией программы")
            .arg(file);
    case HistoryFailure::DiskFull:
        return QCoreApplication::translate("HistoryFile", "на диске не хватает места для файла истории %1")
            .arg(file);
    case HistoryFailure::NotWritable:
        return QCoreApplication::translate("HistoryFile",
                                           "нет права записи в файл истории %1 или в его папку")
            .arg(file);
    case HistoryFailure::Corrupt:
        return QCoreApplication::translate("HistoryFile", "файл истории %1 повреждён").arg(file);
    case HistoryFailure::TooNew:
        return QCoreApplication::translate("HistoryFile",
                                           "файл истории %1 записан более новой версией программы")
            .arg(file);
    case HistoryFailure::Foreign:
        return QCoreApplication::translate("HistoryFile", "файл истории %1 принадлежит другой программе")
            .arg(file);
    case HistoryFailure::None:
    case HistoryFailure::Other:
        break;
    }
    return QCoreApplication::translate("HistoryFile", "ошибка файла истории %1: %2")
        .arg(file, QString::fromStdString(sqliteMessage));
}

QString setAsideBrokenFile(const QString &path)
{
    const QString stem = path + QStringLiteral(".broken-") + QDate::currentDate().toString(u"yyyy-MM-dd");
    QString aside = stem;
    for (int n = 2; QFile::exists(aside) || QFile::exists(aside + QStringLiteral("-wal")); ++n)
        aside = stem + u'-' + QString::number(n);
    if (!QFile::rename(path, aside))
        return {};
    // A log left beside a new file would be replayed into it; it belongs to the broken one.
    const QString wal = path + QStringLiteral("-wal");
    if (QFile::exists(wal) && !QFile::rename(wal, aside + QStringLiteral("-wal")))
        QFile::remove(wal);
    QFile::remove(path + QStringLiteral("-shm"));
    return aside;
}
