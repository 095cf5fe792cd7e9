// Demo roster server: answers the program's roster requests on the loopback address with sample pages
// for the teams of the sample catalogue, so the program can be tried end to end without the game's site.
#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_generated.h"
#include "tools/demo_server/demo_squad.h"
#include "tools/demo_server/demo_training.h"
#include "tools/demo_server/roster_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

constexpr int maxLatencyMilliseconds = 60000;

int failStartup(const QString &message)
{
    std::fprintf(stderr, "brindlemark-demo-server: %s\n", qPrintable(message));
    return 1;
}

// The truth the history's readings can be held against: a line of steps, then one line per team.
void printLevels(const DemoCatalogue &catalogue, const DemoTraining &training)
{
    std::printf("steps per week: %d, one more or one fewer in %d %% of a player's weeks\n",
                training.stepsPerWeek, training.noisePercent);
    std::printf("team\tdivision\tschool\tcoach\tproduct\tname\n");
    for (const DemoTeam &team : catalogue.teams()) {
        const DemoLevels levels = demoLevels(team.teamId);
        std::printf("%d\t%d\t%d\t%d\t%d\t%s\n", team.teamId, team.divId, levels.school, levels.coach,
                    levels.school * levels.coach, team.name.toUtf8().constData());
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("brindlemark-demo-server"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves sample youth-school roster pages on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("Port to listen on; 0 picks a free one (default 0)."),
                                        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption maintenanceOption(
        QStringLiteral("maintenance"), QStringLiteral("Answer every request with the maintenance page."));
    const QCommandLineOption failOption(QStringLiteral("fail-team"),
                                        QStringLiteral("Answer this team identifier with 500 (repeatable)."),
                                        QStringLiteral("ID"));
    const QCommandLineOption sqlOption(
        QStringLiteral("catalogue-sql"),
        QStringLiteral("Catalogue SQL to take the teams from (default: built in)."), QStringLiteral("PATH"),
        QStringLiteral(":/demo/catalogue.sql"));
    const QCommandLineOption weekOption(
        QStringLiteral("week"),
        QStringLiteral("Show the rosters N weeks on (0 to %1, default 0: as today). From week to week the "
                       "players' mastery and talent grow, some players leave and newcomers arrive; the same "
                       "week always gives the same pages.")
            .arg(maxDemoWeek),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption latencyOption(
        QStringLiteral("latency"),
        QStringLiteral("Wait MS milliseconds before each reply (0 to %1, default 0); other connections are "
                       "served meanwhile.")
            .arg(maxLatencyMilliseconds),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption divisionsOption(
        QStringLiteral("divisions"),
        QStringLiteral(
            "Serve N generated divisions of %1 teams besides the catalogue's (0 to %2, default 0); "
            "the same N always gives the same teams.")
            .arg(generatedTeamsPerDivision)
            .arg(maxGeneratedDivisions),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption generatedOnlyOption(
        QStringLiteral("generated-only"),
        QStringLiteral("Leave the catalogue's own teams out: only the generated divisions."));
    const QCommandLineOption writeCatalogueOption(
        QStringLiteral("write-catalogue"),
        QStringLiteral("Write the catalogue served (with the generated divisions) as divisions.cds and "
                       "teams.cds into the folder DIR, then exit."),
        QStringLiteral("DIR"));
    const QCommandLineOption stepsOption(
        QStringLiteral("steps-per-week"),
        QStringLiteral("Training steps of the talent projection a player takes in a week (1 to %1, default "
                       "2).")
            .arg(maxStepsPerWeek),
        QStringLiteral("N"), QStringLiteral("2"));
    const QCommandLineOption noiseOption(
        QStringLiteral("training-noise"),
        QStringLiteral("Chance in percent that a player trains one step more or one fewer in a week (0 to "
                       "100, default 10)."),
        QStringLiteral("PERCENT"), QStringLiteral("10"));
    const QCommandLineOption printLevelsOption(
        QStringLiteral("print-levels"),
        QStringLiteral("Print the steps per week and every team's school and coach levels, then exit."));
    parser.addOptions({portOption, maintenanceOption, failOption, sqlOption, weekOption, latencyOption,
                       divisionsOption, generatedOnlyOption, writeCatalogueOption, stepsOption, noiseOption,
                       printLevelsOption});
    parser.process(app);

    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535)
        return failStartup(QStringLiteral("bad port '%1'").arg(parser.value(portOption)));

    DemoServerOptions options;
    options.maintenance = parser.isSet(maintenanceOption);
    for (const QString &id : parser.values(failOption)) {
        const int team = id.toInt(&ok);
        if (!ok)
            return failStartup(QStringLiteral("bad team identifier '%1'").arg(id));
        options.failTeams.insert(team);
    }

    options.week = parser.value(weekOption).toInt(&ok);
    if (!ok || options.week < 0 || options.week > maxDemoWeek)
        return failStartup(QStringLiteral("bad week '%1'").arg(parser.value(weekOption)));
    options.latencyMilliseconds = parser.value(latencyOption).toInt(&ok);
    if (!ok || options.latencyMilliseconds < 0 || options.latencyMilliseconds > maxLatencyMilliseconds)
        return failStartup(QStringLiteral("bad latency '%1'").arg(parser.value(latencyOption)));

    if (const QString wrong = readTrainingOptions(parser, stepsOption, noiseOption, options.training);
        !wrong.isEmpty())
        return failStartup(wrong);
    const int divisions = parser.value(divisionsOption).toInt(&ok);
    if (!ok || divisions < 0 || divisions > maxGeneratedDivisions)
        return failStartup(QStringLiteral("bad number of divisions '%1'").arg(parser.value(divisionsOption)));

    DemoCatalogue catalogue;
    try {
        catalogue = makeDemoCatalogue(parser.value(sqlOption), divisions, parser.isSet(generatedOnlyOption));
        if (parser.isSet(writeCatalogueOption)) {
            writeCatalogueFiles(catalogue, parser.value(writeCatalogueOption));
            std::printf(
                "%d divisions, %d teams written to %s\n", static_cast<int>(catalogue.divisions().size()),
                static_cast<int>(catalogue.teams().size()), qPrintable(parser.value(writeCatalogueOption)));
            return 0;
        }
    } catch (const DemoCatalogueError &e) {
        return failStartup(QString::fromUtf8(e.what()));
    }

    if (parser.isSet(printLevelsOption)) {
        printLevels(catalogue, options.training);
        return 0;
    }

    DemoRosterServer server(std::move(catalogue), options);
    if (!server.listen(static_cast<quint16>(port)))
        return failStartup(
            QStringLiteral("cannot listen on 127.0.0.1:%1: %2").arg(port).arg(server.errorString()));
    std::printf("listening on 127.0.0.1:%u\n", static_cast<unsigned>(server.port()));
    std::fflush(stdout);
    return app.exec();
}
