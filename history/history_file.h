#pragma once

#include <QString>
#include <string>

// The history file on disk: where it lives, what can go wrong with it and how that is told.

// history.db in the user's data folder: $XDG_DATA_HOME/brindlemark (by default
// ~/.local/share/brindlemark); on Windows the roaming application data folder, %APPDATA%\brindlemark.
QString defaultHistoryPath();

enum class HistoryFailure {
    None,
    Locked,      // another instance held the file longer than the wait
    DiskFull,    // no room left
    NotWritable, // the folder or the file cannot be made or written
    Corrupt,     // not an SQLite file, or a damaged one
    TooNew,      // written by a newer program: left alone
    Foreign,     // an SQLite file of another program: set aside, never written
    Other,
};

// What an SQLite result code means for the history file.
HistoryFailure historyFailureOf(int sqliteCode);

// Why the history failed, as the end of a sentence in the interface language: "файл истории ... занят
// другой копией программы". The SQLite message is only shown for failures of no known kind.
QString historyFailureReason(HistoryFailure failure, const QString &path, const std::string &sqliteMessage);

// Moves a broken file out of the way as "<name>.broken-<yyyy-MM-dd>", adding "-2", "-3", ... when that
// name is taken; its write-ahead log goes along and its shared-memory index is dropped. Returns the new
// path, or an empty text when the file could not be moved.
QString setAsideBrokenFile(const QString &path);
