// A crawl as the user starts it: brindlemark-cli crawl --all --rate 0 over a catalogue of 240 teams, both
// pages of each, against the demo server answering every request after 150 ms. Four connections make
// the floor 480 / 4 × 150 ms = 18 s; the run stands beside it, start-up, reading and keeping included.
#include "catalogue/catalogue_builder.h"
#include "tools/demo_server/demo_server_process.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <stdexcept>
#include <string>

namespace {

constexpr int divisionCount = 15;
constexpr int teamsPerDivision = 16;
constexpr int latencyMs = 150;
constexpr int connections = 4;

std::string divisionsSql()
{
    std::string sql = "CREATE TABLE divisions(name TEXT, id INTEGER);\n";
    for (int d = 1; d <= divisionCount; ++d)
        sql += "INSERT INTO divisions VALUES ('Division " + std::to_string(d) + "', " + std::to_string(d) +
               ");\n";
    return sql;
}

std::string teamsSql()
{
    std::string sql = "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);\n";
    for (int d = 1; d <= divisionCount; ++d)
        for (int t = 0; t < teamsPerDivision; ++t)
            sql += "INSERT INTO teams VALUES ('Team " + std::to_string(d) + '-' + std::to_string(t) + "', " +
                   std::to_string(d) + ", " + std::to_string(1000 + d * 100 + t) + ");\n";
    return sql;
}

// The catalogue files in the working folder and the same rows for the server.
QString writeCatalogue(const QTemporaryDir &folder)
{
    buildDatabaseFromSql(divisionsSql(), folder.filePath(QStringLiteral("divisions.cds")));
    buildDatabaseFromSql(teamsSql(), folder.filePath(QStringLiteral("teams.cds")));
    QString serverSql = folder.filePath(QStringLiteral("catalogue.sql"));
    QFile file(serverSql);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the server's catalogue");
    file.write(QByteArray::fromStdString(divisionsSql() + teamsSql()));
    return serverSql;
}

// Runs the crawl into an empty history and returns its exit code; the event loop keeps reading the
// server's log meanwhile, so its pipe never fills.
int crawlOnce(const QTemporaryDir &folder, uint16_t port)
{
    const QTemporaryDir data;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), data.path());
    environment.insert(QStringLiteral("BRINDLEMARK_SERVER"), QStringLiteral("127.0.0.1:%1").arg(port));
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.setWorkingDirectory(folder.path());
    QEventLoop loop;
    QObject::connect(&cli, &QProcess::finished, &loop, &QEventLoop::quit);
    cli.start(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../cli/brindlemark-cli"),
        {QStringLiteral("crawl"), QStringLiteral("--all"), QStringLiteral("--rate"), QStringLiteral("0")});
    if (!cli.waitForStarted(10000))
        throw std::runtime_error("brindlemark-cli did not start");
    loop.exec();
    return cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

// NOLINTNEXTLINE(readability-identifier-naming): the benchmarks' own naming
void BM_CrawlAtLatency(benchmark::State &state)
{
    static std::string failure; // the library keeps a pointer to the message
    try {
        const QTemporaryDir folder;
        DemoServerProcess server({QStringLiteral("--latency"), QString::number(latencyMs),
                                  QStringLiteral("--catalogue-sql"), writeCatalogue(folder)});
        const int pages = divisionCount * teamsPerDivision * 2;
        const double floorSeconds = pages * latencyMs / 1000.0 / connections;
        double worst = 0;
        for (auto _ : state) {
            QElapsedTimer timer;
            timer.start();
            const int code = crawlOnce(folder, server.port());
            const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
            state.SetIterationTime(seconds);
            worst = std::max(worst, seconds);
            if (code != 0) {
                failure = "the crawl ended with " + std::to_string(code);
                state.SkipWithError(failure.c_str());
                break;
            }
        }
        state.counters["pages"] = pages;
        state.counters["floor_s"] = floorSeconds;
        state.counters["worst_to_floor"] = worst / floorSeconds;
    } catch (const std::exception &e) {
        failure = e.what();
        state.SkipWithError(failure.c_str());
    }
}
BENCHMARK(BM_CrawlAtLatency)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
