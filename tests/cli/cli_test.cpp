#include "app/main_window.h"
#include "catalogue/catalogue.h"
#include "export/division_file_name.h"
#include "settings/settings_dialog.h"
#include "support/demo_server_process.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"
#include "support/run_until.h"
#include "support/temp_settings.h"
#include "support/working_folder.h"
#include "text/code_page.h"

#include <QDate>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

// brindlemark-cli as a user runs it: the real program, a child process, against the demo server, with the
// sample catalogue in its working folder and settings and history of its own.

namespace {

const QString topDivision = QStringLiteral("Высшая лига");

struct CliOutcome {
    bool bySignal = false;
    int exitCode = -1;
    QByteArray out;
    QString err;
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        for (const char *file : {"divisions.cds", "teams.cds"})
            ASSERT_TRUE(QFile::copy(buildPath((std::string("demo-data/") + file).c_str()),
                                    m_folder.filePath(QString::fromLatin1(file))));
    }
    void TearDown() override
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("BRINDLEMARK_SERVER");
    }

    void startServer(const QStringList &options = {})
    {
        m_server = std::make_unique<DemoServerProcess>(options);
        qputenv("BRINDLEMARK_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(m_server->port()));
    }

    void startCli(QProcess &process, const QStringList &arguments) const
    {
        process.setWorkingDirectory(m_folder.path());
        process.start(buildPath("cli/brindlemark-cli"), arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    static CliOutcome ended(QProcess &process)
    {
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::CrashExit, process.exitCode(),
                process.readAllStandardOutput(), QString::fromLocal8Bit(process.readAllStandardError())};
    }

    CliOutcome cli(const QStringList &arguments) const
    {
        QProcess process;
        startCli(process, arguments);
        return ended(process);
    }

    QJsonArray json(const QStringList &arguments) const
    {
        const CliOutcome outcome =
            cli(arguments + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
        EXPECT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
        return QJsonDocument::fromJson(outcome.out).array();
    }

    int32_t firstTeamOfTopDivision() const
    {
        CatalogueTable teams;
        teams.loadFromFile(m_folder.filePath(QStringLiteral("teams.cds")).toStdString());
        return readTeamsOfDivision(teams, 1).at(0).id;
    }

    QString inFolder(const char *name) const { return m_folder.filePath(QString::fromLatin1(name)); }

    TempSettingsDir m_settings;
    std::unique_ptr<DemoServerProcess> m_server;

private:
    WorkingFolder m_folder;
    QTemporaryDir m_data;
};

} // namespace

TEST_F(CommandLine, ExitCodesSayWhatCameOfTheRun)
{
    const QString top = topDivision;
    const QString failing = QString::number(firstTeamOfTopDivision());
    struct Case {
        QStringList serverOptions;
        QStringList arguments;
        int exitCode;
    };
    const std::vector<Case> cases{
        {{}, {QStringLiteral("fetch"), QStringLiteral("--team")}, 2},
        {{}, {QStringLiteral("fetch"), QStringLiteral("--team"), QStringLiteral("12x")}, 2},
        {{}, {QStringLiteral("fetch"), QStringLiteral("--division"), top, QStringLiteral("--bogus")}, 2},
        {{},
         {QStringLiteral("fetch"), QStringLiteral("--division"), top, QStringLiteral("--kind"),
          QStringLiteral("all")},
         2},
        {{}, {QStringLiteral("search"), QStringLiteral("--talent-min"), QStringLiteral("high")}, 2},
        {{}, {QStringLiteral("refetch")}, 2},
        {{QStringLiteral("--maintenance")}, {QStringLiteral("fetch"), QStringLiteral("--division"), top}, 3},
        {{QStringLiteral("--fail-team"), failing},
         {QStringLiteral("fetch"), QStringLiteral("--division"), top, QStringLiteral("--kind"),
          QStringLiteral("talent")},
         1},
        {{}, {QStringLiteral("fetch"), QStringLiteral("--team"), failing}, 0},
    };
    for (const Case &c : cases) {
        startServer(c.serverOptions);
        const CliOutcome outcome = cli(c.arguments);
        const std::string what = c.arguments.join(u' ').toStdString();
        EXPECT_FALSE(outcome.bySignal) << what;
        EXPECT_EQ(outcome.exitCode, c.exitCode) << what << "\n" << outcome.err.toStdString();
        EXPECT_TRUE(outcome.out.isEmpty()) << what; // fetching prints nothing but messages, on stderr
        EXPECT_EQ(outcome.err.isEmpty(), c.exitCode == 0) << what << "\n" << outcome.err.toStdString();
    }
    // The one that fails answers a run of its own: 15 of the 16 teams were kept, and the one alone too.
    const QJsonArray teams = json({QStringLiteral("history"), QStringLiteral("teams")});
    EXPECT_EQ(teams.size(), 16);
}

// The window's division run and the command line's, on the same settings, write the same bytes: the
// talent run, then the abilities run into the same file, as one session of the window does.
TEST_F(CommandLine, TextFileEqualsTheWindowsDivisionFile)
{
    m_settings.writeIni("[StrKey]\nseparator=#\nSaveID=1\nSaveManager=1\nSaveMoney=1\nSaveCoSP=0\n");
    startServer();
    MessageRecorder recorder;
    SettingsDialog dialog;
    MainWindow window;
    window.setSettingsDialog(&dialog);
    const MainControls ui(&window);
    ui.ComboBox1->setCurrentIndex(ui.ComboBox1->findText(topDivision));
    Q_EMIT ui.ComboBox1->activated(ui.ComboBox1->currentIndex());
    ui.Cdivision->setChecked(true);
    for (QRadioButton *kind : {ui.RadioTal, ui.RadioSkill}) {
        kind->setChecked(true);
        ui.Button1->click();
        ASSERT_TRUE(runUntil([&] { return !window.isFetching(); }));
    }
    ASSERT_TRUE(recorder.boxes.empty());
    const QByteArray windowFile =
        fileBytes(divisionFileName(QDate::currentDate(), QLocale::system(), topDivision));
    ASSERT_FALSE(windowFile.isEmpty());

    const CliOutcome outcome = cli({QStringLiteral("fetch"), QStringLiteral("--division"), topDivision,
                                    QStringLiteral("--text"), QStringLiteral("cli.txt")});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    EXPECT_EQ(fileBytes(inFolder("cli.txt")), windowFile);
}

// Ctrl+C in the middle of a run: the program ends by the signal, the pages that arrived are in the
// history, and the text file holds whole blocks, the first ones of the run that was not stopped.
TEST_F(CommandLine, StopKeepsWhatArrivedAndLeavesWholeBlocks)
{
    startServer({QStringLiteral("--latency"), QStringLiteral("300")});
    QProcess process;
    startCli(process, {QStringLiteral("fetch"), QStringLiteral("--division"), topDivision,
                       QStringLiteral("--text"), QStringLiteral("stopped.txt")});
    ASSERT_TRUE(runUntil([&] { return !fileBytes(inFolder("stopped.txt")).isEmpty(); }));
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    const CliOutcome stopped = ended(process);
    EXPECT_TRUE(stopped.bySignal);
    const QJsonArray kept = json({QStringLiteral("history"), QStringLiteral("teams")});
    EXPECT_GE(kept.size(), 1);
    EXPECT_LT(kept.size(), 16);

    startServer();
    ASSERT_EQ(
        cli({QStringLiteral("fetch"), QStringLiteral("--division"), topDivision, QStringLiteral("--kind"),
             QStringLiteral("talent"), QStringLiteral("--text"), QStringLiteral("whole.txt")})
            .exitCode,
        0);
    const QByteArray part = fileBytes(inFolder("stopped.txt"));
    const QByteArray whole = fileBytes(inFolder("whole.txt"));
    ASSERT_LT(part.size(), whole.size());
    EXPECT_TRUE(whole.startsWith(part));
    EXPECT_TRUE(whole.mid(part.size()).startsWith(whole.left(3))) << "the stop tore a block";
}

// The search's options reach the history's search: what it finds is what filtering every stored
// player by hand finds, and a name in another case finds its player.
TEST_F(CommandLine, SearchFiltersWhatWasFetched)
{
    startServer();
    ASSERT_EQ(cli({QStringLiteral("fetch"), QStringLiteral("--division"), topDivision,
                   QStringLiteral("--kind"), QStringLiteral("talent")})
                  .exitCode,
              0);
    const QJsonArray everyone = json({QStringLiteral("search")});
    ASSERT_GT(everyone.size(), 100);
    QStringList expected;
    for (const auto &player : everyone) {
        const QJsonObject p = player.toObject();
        if (p[QStringLiteral("position")] == QStringLiteral("Gk") && p[QStringLiteral("age")].toInt() <= 16 &&
            p[QStringLiteral("talent")].toDouble() >= 4.5 && p[QStringLiteral("mastery")].toDouble() >= 15)
            expected << p[QStringLiteral("name")].toString();
    }
    ASSERT_FALSE(expected.isEmpty());
    QStringList found;
    for (const auto &player :
         json({QStringLiteral("search"), QStringLiteral("--position"), QStringLiteral("Gk"),
               QStringLiteral("--age-max"), QStringLiteral("16"), QStringLiteral("--talent-min"),
               QStringLiteral("4,5"), QStringLiteral("--mastery-min"), QStringLiteral("15"),
               QStringLiteral("--division"), QStringLiteral("1")}))
        found << player.toObject()[QStringLiteral("name")].toString();
    expected.sort();
    found.sort();
    EXPECT_EQ(found, expected);

    const QString name = everyone.at(0).toObject()[QStringLiteral("name")].toString();
    const QJsonArray byName = json({QStringLiteral("search"), QStringLiteral("--name"), name.toLower()});
    ASSERT_FALSE(byName.isEmpty());
    EXPECT_EQ(byName.at(0).toObject()[QStringLiteral("name")].toString(), name);
    EXPECT_TRUE(
        json({QStringLiteral("search"), QStringLiteral("--division"), QStringLiteral("2")}).isEmpty());
}

// The watch fetches a watched division once; the next run finds it fresh and asks for nothing.
TEST_F(CommandLine, WatchFetchesOnlyTheDivisionsThatAreDue)
{
    m_settings.writeIni("[Watch]\nDivisions=\"1\"\nIntervalDays=7\nPages=talent\n");
    startServer();
    for (int run = 0; run < 2; ++run) {
        const CliOutcome outcome = cli({QStringLiteral("watch")});
        ASSERT_EQ(outcome.exitCode, 0) << outcome.err.toStdString();
    }
    const QJsonArray teams = json({QStringLiteral("history"), QStringLiteral("teams")});
    ASSERT_EQ(teams.size(), 16);
    for (const auto &team : teams)
        EXPECT_EQ(team.toObject()[QStringLiteral("fetches")].toInt(), 1);
}

// The systemd user units as the package installs them pass systemd's own check. The service names
// /usr/bin/brindlemark-cli, which exists only once the package is installed: the checked copy names this
// build's program instead, and is otherwise the file itself.
TEST(WatchUnits, PassSystemdVerify)
{
    const QString analyze = QStandardPaths::findExecutable(QStringLiteral("systemd-analyze"));
    if (analyze.isEmpty())
        GTEST_SKIP() << "systemd-analyze is not installed";
    QTemporaryDir units;
    QTemporaryDir runtime; // made 0700, as systemd wants its runtime folder
    const QString packaging = QStringLiteral(BRINDLEMARK_PACKAGING_DIR);
    ASSERT_TRUE(QFile::copy(packaging + QStringLiteral("/brindlemark-watch.timer"),
                            units.filePath(QStringLiteral("brindlemark-watch.timer"))));
    QByteArray service = fileBytes(packaging + QStringLiteral("/brindlemark-watch.service"));
    ASSERT_TRUE(service.contains("ExecStart=/usr/bin/brindlemark-cli watch\n"));
    service.replace("/usr/bin/brindlemark-cli", QFile::encodeName(buildPath("cli/brindlemark-cli")));
    QFile copy(units.filePath(QStringLiteral("brindlemark-watch.service")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(service);
    copy.close();

    QProcess verify;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    // Our folder first, then the user units systemd ships (the trailing colon), for timers.target.
    environment.insert(QStringLiteral("SYSTEMD_UNIT_PATH"), units.path() + QLatin1Char(':'));
    verify.setProcessEnvironment(environment);
    verify.start(analyze, {QStringLiteral("--user"), QStringLiteral("verify"), QStringLiteral("--man=no"),
                           units.filePath(QStringLiteral("brindlemark-watch.service")),
                           units.filePath(QStringLiteral("brindlemark-watch.timer"))});
    ASSERT_TRUE(verify.waitForFinished(30000));
    EXPECT_EQ(verify.exitCode(), 0);
    EXPECT_EQ(verify.readAllStandardError(), QByteArray());
}
