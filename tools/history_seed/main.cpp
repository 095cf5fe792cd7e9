// Writes weeks of demo fetches into a history file, for trying the History page and for measuring it.
#include "history/history_store.h"
#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_generated.h"
#include "tools/demo_server/demo_squad.h"
#include "tools/history_seed/history_seed.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "brindlemark-history-seed: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brindlemark-history-seed"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes weekly fetches of every demo team, both pages, into a history file."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("history.db"), QStringLiteral("The history file to fill."));
    const QCommandLineOption weeksOption(QStringLiteral("weeks"),
                                         QStringLiteral("Number of weekly fetches (default 52)."),
                                         QStringLiteral("N"), QStringLiteral("52"));
    const QCommandLineOption firstWeekOption(
        QStringLiteral("first-week"),
        QStringLiteral("Demo week of the oldest fetches; each later one is a week on (default 0)."),
        QStringLiteral("W"), QStringLiteral("0"));
    const QCommandLineOption endOption(
        QStringLiteral("end"),
        QStringLiteral("Time of the newest fetches, ISO 8601, e.g. 2024-05-01T12:00:00Z (default now)."),
        QStringLiteral("TIME"));
    const QCommandLineOption sqlOption(
        QStringLiteral("catalogue-sql"),
        QStringLiteral("Catalogue SQL to take the teams from (default: built in)."), QStringLiteral("PATH"),
        QStringLiteral(":/demo/catalogue.sql"));
    const QCommandLineOption divisionsOption(
        QStringLiteral("divisions"),
        QStringLiteral("Add N generated divisions, the very teams of the demo server's --divisions N "
                       "(default 0)."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption generatedOnlyOption(
        QStringLiteral("generated-only"),
        QStringLiteral("Leave the catalogue's own teams out: only the generated divisions."));
    const QCommandLineOption catalogueOption(
        QStringLiteral("catalogue"),
        QStringLiteral("Take the teams from the catalogue files divisions.cds and teams.cds in DIR, e.g. "
                       "those the demo server's --write-catalogue wrote (instead of --catalogue-sql and "
                       "--divisions)."),
        QStringLiteral("DIR"));
    const QCommandLineOption stepsOption(
        QStringLiteral("steps-per-week"),
        QStringLiteral("Training steps a week, as the demo server's option (default 2)."),
        QStringLiteral("N"), QStringLiteral("2"));
    const QCommandLineOption noiseOption(
        QStringLiteral("training-noise"),
        QStringLiteral("Training noise in percent, as the demo server's option (default 10)."),
        QStringLiteral("PERCENT"), QStringLiteral("10"));
    parser.addOptions({weeksOption, firstWeekOption, endOption, sqlOption, divisionsOption,
                       generatedOnlyOption, catalogueOption, stepsOption, noiseOption});
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        return fail(QStringLiteral("give one history file"));
    SeedOptions options;
    bool ok = false;
    options.weeks = parser.value(weeksOption).toInt(&ok);
    if (!ok || options.weeks < 1 || options.weeks > maxDemoWeek + 1)
        return fail(QStringLiteral("bad number of weeks '%1'").arg(parser.value(weeksOption)));
    options.firstWeek = parser.value(firstWeekOption).toInt(&ok);
    if (!ok || options.firstWeek < 0 || options.firstWeek > maxDemoWeek - (options.weeks - 1))
        return fail(QStringLiteral("bad first week '%1': the last week must stay within %2")
                        .arg(parser.value(firstWeekOption))
                        .arg(maxDemoWeek));
    if (parser.isSet(endOption)) {
        options.end = QDateTime::fromString(parser.value(endOption), Qt::ISODate);
        if (!options.end.isValid())
            return fail(QStringLiteral("bad time '%1'").arg(parser.value(endOption)));
    }

    if (const QString wrong = readTrainingOptions(parser, stepsOption, noiseOption, options.training);
        !wrong.isEmpty())
        return fail(wrong);
    const int divisions = parser.value(divisionsOption).toInt(&ok);
    if (!ok || divisions < 0 || divisions > maxGeneratedDivisions)
        return fail(QStringLiteral("bad number of divisions '%1'").arg(parser.value(divisionsOption)));
    if (parser.isSet(catalogueOption) &&
        (parser.isSet(sqlOption) || divisions > 0 || parser.isSet(generatedOnlyOption)))
        return fail(QStringLiteral("--catalogue takes the place of --catalogue-sql, --divisions and "
                                   "--generated-only"));

    DemoCatalogue catalogue;
    try {
        if (parser.isSet(catalogueOption)) {
            catalogue = DemoCatalogue::fromCatalogueFiles(parser.value(catalogueOption));
        } else {
            catalogue =
                makeDemoCatalogue(parser.value(sqlOption), divisions, parser.isSet(generatedOnlyOption));
        }
    } catch (const DemoCatalogueError &e) {
        return fail(QString::fromUtf8(e.what()));
    }
    if (isatty(fileno(stderr))) // a count for the one who waits, nothing in a log
        options.progress = [](int done, int total) {
            std::fprintf(stderr, "\r%d of %d pages", done, total);
            if (done == total)
                std::fputc('\n', stderr);
        };

    HistoryStore store;
    const QString path = parser.positionalArguments().constFirst();
    const HistoryOutcome opened = store.open(path);
    if (!opened.message.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(opened.message));
    if (!opened.ok)
        return 1;
    const SeedReport report = seedHistory(store, catalogue, options);
    std::printf("%d pages written to %s\n", report.pages, qPrintable(path));
    if (!report.failure.isEmpty())
        return fail(report.failure);
    return 0;
}
