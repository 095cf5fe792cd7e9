// The division youth board: refreshing a 16-team division against the demo server with a slow site's
// latency, beside the classic one-page-at-a-time fetch of the same 32 pages; filling the board from a
// history; filtering and sorting what it shows.
#include "app/main_window.h"
#include "bench/bench_support.h"
#include "board/board_page.h"
#include "catalogue/catalogue_selectors.h"
#include "history/history_keeper.h"
#include "tests/support/main_controls.h"
#include "text/code_page.h"
#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_server_process.h"
#include "tools/history_seed/history_seed.h"
#include "widgets/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace {

constexpr int latencyMs = 150;

// The demo server with a slow site's latency and the main window in a folder holding the sample
// catalogue, the 16-team division chosen.
struct SlowSite {
    SlowSite() : server({QStringLiteral("--latency"), QString::number(latencyMs)})
    {
        previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        copySampleCatalogue(workDir.path());
        qputenv("BRINDLEMARK_SERVER", "127.0.0.1:" + QByteArray::number(server.port()));
    }
    ~SlowSite()
    {
        qunsetenv("BRINDLEMARK_SERVER");
        QDir::setCurrent(previousDir);
    }
    SlowSite(const SlowSite &) = delete;
    SlowSite &operator=(const SlowSite &) = delete;

    DemoServerProcess server;
    QTemporaryDir workDir;
    QString previousDir;
};

void chooseSixteenTeams(const MainControls &ui)
{
    const int index = ui.ComboBox1->findText(sixteenTeamDivision().name);
    if (index < 0)
        throw std::runtime_error("the window's catalogue lacks the 16-team division");
    ui.ComboBox1->setCurrentIndex(index);
    Q_EMIT ui.ComboBox1->activated(index);
}

// Seconds the window takes to fetch all 32 pages one after the other, as the main page does.
double sequentialSeconds(MainWindow &form)
{
    QElapsedTimer timer;
    timer.start();
    for (const DemoTeam *team : demoCatalogue().divisionTeams(sixteenTeamDivision().id))
        for (const PageKind kind : {PageKind::Talent, PageKind::Abilities}) {
            form.fetchTeam(team->teamId, kind);
            while (form.isFetching())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// Clicks «Обновить» and runs the event loop until the refresh is over; its seconds.
double refreshSeconds(MainWindow &form)
{
    auto *refresh = controlOf<QPushButton>(&form, "boardRefreshButton");
    QElapsedTimer timer;
    timer.start();
    refresh->click();
    while (!refresh->isEnabled() && timer.elapsed() < 30000) {
        QEventLoop loop;
        QTimer::singleShot(1, &loop, &QEventLoop::quit);
        loop.exec();
    }
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (!controlOf<QLabel>(&form, "boardStatusLabel")->text().isEmpty())
        throw std::runtime_error(controlOf<QLabel>(&form, "boardStatusLabel")->text().toStdString());
    return seconds;
}

void BM_BoardRefreshSixteenTeams(benchmark::State &state)
{
    static std::string failure; // the library keeps a pointer to the message
    try {
        SlowSite site;
        SilentMessages boxes;
        MainWindow form;
        const MainControls ui(&form);
        chooseSixteenTeams(ui);
        double parallel = 0;
        for (auto _ : state) {
            const double seconds = refreshSeconds(form);
            state.SetIterationTime(seconds);
            parallel += seconds;
        }
        parallel /= static_cast<double>(state.iterations());
        const double sequential = sequentialSeconds(form);
        if (!boxes.first.isEmpty())
            throw std::runtime_error(boxes.first.toStdString());
        state.counters["pages"] = 32;
        state.counters["latency_ms"] = latencyMs;
        state.counters["sequential_ms"] = sequential * 1000;
        state.counters["x_sequential"] = sequential / parallel;
    } catch (const std::exception &e) {
        failure = e.what();
        state.SkipWithError(failure.c_str());
    }
}
BENCHMARK(BM_BoardRefreshSixteenTeams)->UseManualTime()->Unit(benchmark::kMillisecond);

// Eight weeks of both pages of every demo team, written once for all the board's benchmarks.
const QString &seededHistory()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QString file = dir.filePath(QStringLiteral("history.db"));
        HistoryStore store;
        if (!store.open(file).ok)
            throw std::runtime_error("cannot open the history file");
        const SeedReport report = seedHistory(store, demoCatalogue(), {8, 0, {}});
        if (!report.failure.isEmpty())
            throw std::runtime_error(report.failure.toStdString());
        return file;
    }();
    return path;
}

// A board page over the seeded history, shown. Made for each benchmark: no widget may outlive the
// application.
struct SeededBoard {
    SeededBoard()
    {
        keeper.open(seededHistory());
        page.setSources({&keeper, {}, {}});
        for (const DemoTeam *team : demoCatalogue().divisionTeams(sixteenTeamDivision().id))
            teams.push_back({toCp1251(team->name), team->teamId});
        page.resize(490, 280);
        page.show();
        fill();
    }

    // Shows the division and waits for its rows, read and joined off the window's thread.
    void fill()
    {
        int resets = 0;
        const QMetaObject::Connection counting =
            QObject::connect(view()->model(), &QAbstractItemModel::modelReset, [&resets] { ++resets; });
        page.showDivision(sixteenTeamDivision().id, teams);
        while (resets == 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(counting);
    }

    QTableView *view() const { return page.findChild<QTableView *>(QStringLiteral("boardView")); }
    int shown() const { return view()->model()->rowCount(); }
    // The rows in sight drawn, as the user would see them.
    void paint() const
    {
        view()->viewport()->repaint();
        QCoreApplication::processEvents();
    }

    HistoryKeeper keeper;
    BoardPage page;
    std::vector<CatalogueEntry> teams;
};

void BM_BoardFillFromHistory(benchmark::State &state)
{
    SeededBoard board;
    for (auto _ : state) {
        board.fill();
        board.paint();
    }
    state.counters["players"] = board.shown();
}
BENCHMARK(BM_BoardFillFromHistory)->Unit(benchmark::kMillisecond);

// Each iteration clicks the next column's header, cycling through every column, and draws the rows.
void BM_BoardSortByEveryColumn(benchmark::State &state)
{
    SeededBoard board;
    QHeaderView *header = board.page.findChild<QTableView *>(QStringLiteral("boardView"))->horizontalHeader();
    int column = 0;
    for (auto _ : state) {
        Q_EMIT header->sectionClicked(column);
        board.paint();
        column = (column + 1) % static_cast<int>(boardColumnCount);
    }
    state.counters["players"] = board.shown();
}
BENCHMARK(BM_BoardSortByEveryColumn)->Unit(benchmark::kMillisecond);

// Typing into the search, one letter more or less each time, the board sorted by talent; each time the
// rows are drawn.
void BM_BoardFilterAsTyped(benchmark::State &state)
{
    SeededBoard board;
    auto *search = board.page.findChild<QLineEdit *>(QStringLiteral("boardSearchEdit"));
    Q_EMIT board.page.findChild<QTableView *>(QStringLiteral("boardView"))
        ->horizontalHeader()
        ->sectionClicked(6);
    const QStringList typed = {QStringLiteral("а"), QStringLiteral("ан"), QStringLiteral("ано"), QString()};
    size_t i = 0;
    for (auto _ : state) {
        search->setText(typed[static_cast<qsizetype>(i++ % static_cast<size_t>(typed.size()))]);
        board.paint();
    }
    search->clear();
    state.counters["players"] = board.shown();
}
BENCHMARK(BM_BoardFilterAsTyped)->Unit(benchmark::kMillisecond);

} // namespace
