// brindlemark-catalogue-builder input.sql output.cds
// Runs a UTF-8 SQL script into a new SQLite database and replaces output.cds with it in one rename.

#include "catalogue/catalogue_builder.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QFile>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s input.sql output.cds\n",
                     argc > 0 ? argv[0] : "brindlemark-catalogue-builder");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QFile script(input);
    if (!script.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Cannot read %s: %s\n", argv[1], qPrintable(script.errorString()));
        return 1;
    }
    const QByteArray sql = script.readAll();
    try {
        buildDatabaseFromSql(std::string(sql.constData(), static_cast<size_t>(sql.size())), output);
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(fromCp1251(error.what())));
        return 1;
    }
    return 0;
}
