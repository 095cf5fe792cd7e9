#include "export/division_file_name.h"

namespace {

QString safeForFileName(QString text)
{
    for (QChar &c : text)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('-');
    return text;
}

} // namespace

QString divisionFileName(const QDate &date, const QLocale &locale, const QString &divisionName)
{
    return safeForFileName(locale.toString(date, QLocale::ShortFormat) + QLatin1Char('_') + divisionName +
                           QStringLiteral(".txt"));
}
