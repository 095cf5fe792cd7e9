#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The whole-division file: the date in the user's short format, "_", the division's name and ".txt".
// Characters a file name cannot hold on Linux or Windows become "-", so the file always lands in
// the working directory.
QString divisionFileName(const QDate &date, const QLocale &locale, const QString &divisionName);
