#include "app/main_window.h"
#include "retrieval/page_reader.h"
#include "retrieval/page_request.h"
#include "retrieval/roster_request.h"
#include "settings/settings_dialog.h"
#include "support/demo_server_process.h"
#include "support/main_controls.h"
#include "support/message_recorder.h"
#include "support/run_until.h"
#include "support/working_folder.h"
#include "text/code_page.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>

#include "export/division_file_name.h"

namespace {

// One block of an export file: the team name line and the player names of its rows.
struct Block {
    QString teamLine;
    QStringList players;
};

std::vector<Block> blocksOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const QStringList lines = fromCp1251(bytes.toStdString()).split(QStringLiteral("\r\n"));
    std::vector<Block> blocks;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] != QStringLiteral(" ") || !(i == 0 || lines[i - 1].startsWith(QLatin1Char('*'))))
            continue;
        Block block{lines[i + 1], {}};
        qsizetype row = i + 2;
        while (row < lines.size() && !lines[row].startsWith(QStringLiteral("Имя")))
            ++row;
        for (++row; row < lines.size() && lines[row] != QStringLiteral(" "); ++row)
            block.players << lines[row].left(23).remove(QRegularExpression(QStringLiteral("_+$")));
        blocks.push_back(block);
    }
    return blocks;
}

// The player names the server's page of a team holds, read the program's own way.
QStringList playersOnServer(quint16 port, int32_t teamId)
{
    PageRequest exchange{ExchangeTimeouts{}};
    bool ended = false;
    QObject::connect(&exchange, &PageRequest::finished, [&] { ended = true; });
    exchange.start("127.0.0.1", port, buildRosterRequest({"127.0.0.1", port}, teamId, "", false));
    if (!runUntil([&] { return ended; }) || exchange.outcome() != ExchangeOutcome::Succeeded)
        return {};
    QStringList names;
    for (const RawRow &row : readPage(exchange.reply().body(), PageKind::Talent).rows)
        names << fromCp1251(row.cells[0]).left(23);
    return names;
}

class DemoEndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::make_unique<WorkingFolder>();
        for (const char *file : {"divisions.cds", "teams.cds"})
            ASSERT_TRUE(QFile::copy(buildPath((std::string("demo-data/") + file).c_str()),
                                    m_folder->filePath(QString::fromLatin1(file))));
    }
    void TearDown() override
    {
        ui.reset();
        form.reset();
        qunsetenv("BRINDLEMARK_SERVER");
        m_folder.reset();
    }

    void start(const QStringList &serverOptions = {})
    {
        server = std::make_unique<DemoServerProcess>(serverOptions);
        ASSERT_NE(server->port(), 0) << "the demo server did not start: "
                                     << DemoServerProcess::program().toStdString();
        qputenv("BRINDLEMARK_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(server->port()));
        form = std::make_unique<MainWindow>();
        ui = std::make_unique<MainControls>(form.get());
        ASSERT_TRUE(recorder.boxes.empty());
    }

    void chooseDivision(const QString &name)
    {
        const int index = ui->ComboBox1->findText(name);
        ASSERT_GE(index, 0);
        ui->ComboBox1->setCurrentIndex(index);
        Q_EMIT ui->ComboBox1->activated(index);
    }

    std::vector<Block> runDivision(const QString &name)
    {
        chooseDivision(name);
        ui->Cdivision->setChecked(true);
        ui->Button1->click();
        EXPECT_TRUE(runUntil([this] { return !form->isFetching(); }));
        return blocksOf(divisionFileName(QDate::currentDate(), QLocale::system(), name));
    }

    MessageRecorder recorder;
    std::unique_ptr<DemoServerProcess> server;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<MainControls> ui;

private:
    std::unique_ptr<WorkingFolder> m_folder;
};

} // namespace

TEST_F(DemoEndToEnd, SixteenTeamDivisionMatchesWhatTheServerGenerated)
{
    start();
    const std::vector<Block> blocks = runDivision(QStringLiteral("Высшая лига"));
    EXPECT_TRUE(recorder.boxes.empty());
    ASSERT_EQ(blocks.size(), 16u);
    ASSERT_EQ(ui->ComboBox2->count(), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(blocks[static_cast<size_t>(i)].teamLine,
                  ui->ComboBox2->itemText(i) + QStringLiteral(" Высшая лига"));
        EXPECT_EQ(blocks[static_cast<size_t>(i)].players,
                  playersOnServer(server->port(), ui->ComboBox2->itemData(i).toInt()))
            << ui->ComboBox2->itemText(i).toStdString();
    }
    EXPECT_EQ(form->snapshots().count(), 16);
}

TEST_F(DemoEndToEnd, TwelveTeamDivisionWritesTwelveBlocks)
{
    start();
    const std::vector<Block> blocks = runDivision(QStringLiteral("Вторая лига Б"));
    EXPECT_TRUE(recorder.boxes.empty());
    EXPECT_EQ(blocks.size(), 12u);
    EXPECT_FALSE(ui->ProgressBar1->isVisible());
}

TEST_F(DemoEndToEnd, MaintenanceShowsItsBoxAndWritesNothing)
{
    start({QStringLiteral("--maintenance")});
    chooseDivision(QStringLiteral("Высшая лига"));
    ui->ComboBox2->setCurrentIndex(0);
    ui->Button1->click();
    ASSERT_TRUE(runUntil([this] { return !form->isFetching(); }));
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption, QStringLiteral("Ахтунг"));
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("На сайте проводится обновление данных."));
    EXPECT_EQ(form->snapshots().count(), 0);
}

// Two weeks of one team through the window: both pages go into the history file, the History page
// lists them, compares them and shows the older one on the main page without a request.
TEST_F(DemoEndToEnd, TwoWeeksKeptComparedAndShownAgain)
{
    SettingsDialog settings;
    const QString historyFile = QDir::current().filePath(QStringLiteral("history.db"));
    for (const char *week : {"0", "3"}) {
        start({QStringLiteral("--week"), QString::fromLatin1(week)});
        form->setSettingsDialog(&settings);
        form->openHistory(historyFile);
        chooseDivision(QStringLiteral("Высшая лига"));
        ui->ComboBox2->setCurrentIndex(0);
        ui->Button1->click();
        ASSERT_TRUE(runUntil([this] { return !form->isFetching(); }));
        ASSERT_TRUE(recorder.boxes.empty());
    }
    auto *teams = controlOf<QTreeView>(form.get(), "historyTeams");
    auto *fetches = controlOf<QTreeView>(form.get(), "historyFetches");
    auto *changes = controlOf<QTreeView>(form.get(), "historyChanges");
    controlOf<QTabWidget>(form.get(), "PageControl2")->setCurrentIndex(2);
    ASSERT_EQ(rowsIn(teams), 1);
    EXPECT_EQ(cellOf(teams, 0, 0), ui->ComboBox2->itemText(0));
    EXPECT_EQ(cellOf(teams, 0, 2), QStringLiteral("2"));
    chooseRow(teams, 0);
    ASSERT_EQ(rowsIn(fetches), 2);
    addToChoice(fetches, 0);
    addToChoice(fetches, 1);
    controlOf<QPushButton>(form.get(), "historyCompareButton")->click();
    ASSERT_TRUE(recorder.boxes.empty());
    ASSERT_GT(rowsIn(changes), 0); // three weeks of training show
    EXPECT_EQ(changes->model()->columnCount(), 4);

    const QStringList weekThree = [&] {
        QStringList names;
        for (int i = 0; i < rowsIn(ui->ListView1); ++i)
            names << cellOf(ui->ListView1, i, 5);
        return names;
    }();
    const int64_t bytesBefore = form->sessionBytes();
    fetches->clearSelection();
    addToChoice(fetches, 1); // the older fetch
    controlOf<QPushButton>(form.get(), "historyShowButton")->click();
    EXPECT_EQ(controlOf<QTabWidget>(form.get(), "PageControl2")->currentIndex(), 0);
    QStringList weekZero;
    for (int i = 0; i < rowsIn(ui->ListView1); ++i)
        weekZero << cellOf(ui->ListView1, i, 5);
    EXPECT_NE(weekZero, weekThree);
    EXPECT_EQ(form->sessionBytes(), bytesBefore); // shown from the file, not fetched

    // The re-read runs on a thread of its own; its closing box says it is over.
    controlOf<QAction>(form.get(), "rereadHistoryAction")->trigger();
    QElapsedTimer waited;
    waited.start();
    while (recorder.boxes.empty() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Перечитано страниц: 2, не прочитано: 0."));
}
