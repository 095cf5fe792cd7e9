// A whole-division run as the user starts it: the real main window, offscreen, fetching 16 teams from
// the demo server and appending each to the division's export file. At a slow site's latency the run,
// four teams at once, stands beside the same 16 teams fetched and saved one after the other, and the
// window's answer to input during the run is measured.
#include "app/main_window.h"
#include "bench/bench_support.h"
#include "tests/support/main_controls.h"
#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_server_process.h"
#include "widgets/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace {

// Runs the event loop until the window has no fetch under way.
void waitForFetch(const MainWindow &form)
{
    while (form.isFetching())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void chooseDivision(const MainControls &ui, const DemoDivision &division, bool wholeDivision, bool talent)
{
    ui.Cdivision->setChecked(wholeDivision);
    (talent ? ui.RadioTal : ui.RadioSkill)->setChecked(true);
    ui.ComboBox1->clear();
    ui.ComboBox1->addItem(division.name, division.id);
    ui.ComboBox1->setCurrentIndex(0);
    ui.ComboBox2->clear();
    for (const DemoTeam *team : demoCatalogue().divisionTeams(division.id))
        ui.ComboBox2->addItem(team->name, team->teamId);
}

// Posts a key press to the window every 10 ms and keeps the longest wait before it was handled.
class InputProbe : public QObject {
public:
    explicit InputProbe(QWidget *window) : m_window(window)
    {
        window->installEventFilter(this);
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_posted.restart();
            m_waiting = true;
            QCoreApplication::postEvent(m_window,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier));
        });
        m_timer.start();
    }
    ~InputProbe() override { m_window->removeEventFilter(this); }
    double worstMs() const { return static_cast<double>(m_worstNs) / 1e6; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::KeyPress && m_waiting) {
            m_waiting = false;
            m_worstNs = std::max(m_worstNs, m_posted.nsecsElapsed());
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *m_window;
    QTimer m_timer;
    QElapsedTimer m_posted;
    bool m_waiting = false;
    qint64 m_worstNs = 0;
};

// A division of 16 teams at 150 ms a reply: the run as the window does it (`parallel`), or each team
// fetched and saved after the one before, as the run did before it fetched four at once.
void BM_DivisionRunAtLatency(benchmark::State &state, bool parallel)
{
    static std::string failure;
    try {
        const DemoDivision &division = sixteenTeamDivision();
        DemoServerProcess server({QStringLiteral("--latency"), QStringLiteral("150")});
        QTemporaryDir workDir;
        const QString previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        qputenv("BRINDLEMARK_SERVER", "127.0.0.1:" + QByteArray::number(server.port()));
        copySampleCatalogue(workDir.path());
        SilentMessages boxes;
        double worstInputMs = 0;
        for (auto _ : state) {
            MainWindow form;
            form.show();
            const MainControls ui(&form);
            QCoreApplication::processEvents();
            chooseDivision(ui, division, parallel, true);
            const InputProbe probe(&form);
            QElapsedTimer timer;
            timer.start();
            if (parallel) {
                ui.Button1->click();
                waitForFetch(form);
            } else {
                for (const DemoTeam *team : demoCatalogue().divisionTeams(division.id)) {
                    form.fetchTeam(team->teamId, PageKind::Talent);
                    waitForFetch(form);
                    form.saveTeamOnView(QStringLiteral("one-by-one.txt"));
                }
            }
            state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
            worstInputMs = std::max(worstInputMs, probe.worstMs());
            for (const QString &file : QDir::current().entryList({QStringLiteral("*.txt")}, QDir::Files))
                QFile::remove(file);
            if (boxes.count > 0) {
                failure = "the run showed a box: " + boxes.first.toStdString();
                state.SkipWithError(failure.c_str());
                break;
            }
        }
        QDir::setCurrent(previousDir);
        qunsetenv("BRINDLEMARK_SERVER");
        state.counters["worst_input_delay_ms"] = worstInputMs;
    } catch (const std::exception &e) {
        failure = e.what();
        state.SkipWithError(failure.c_str());
    }
}
BENCHMARK_CAPTURE(BM_DivisionRunAtLatency, four_at_once, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DivisionRunAtLatency, one_by_one, false)->UseManualTime()->Unit(benchmark::kMillisecond);

// One window per iteration, so every run fetches and reads all 16 pages; only the click is timed.
void BM_DivisionRun(benchmark::State &state, bool talent)
{
    static std::string failure; // the library keeps a pointer to the message
    try {
        const DemoDivision &division = sixteenTeamDivision();
        DemoServerProcess server;
        QTemporaryDir workDir;
        if (!workDir.isValid())
            throw std::runtime_error("no temporary folder");
        const QString previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        qputenv("BRINDLEMARK_SERVER", "127.0.0.1:" + QByteArray::number(server.port()));
        copySampleCatalogue(workDir.path());
        SilentMessages boxes;

        qint64 exportBytes = 0;
        LoopClock clock;
        for (auto _ : state) {
            MainWindow form;
            form.show();
            const MainControls ui(&form);
            QCoreApplication::processEvents();
            boxes.clear();
            chooseDivision(ui, division, true, talent);

            QElapsedTimer timer;
            timer.start();
            ui.Button1->click();
            waitForFetch(form);
            const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
            state.SetIterationTime(seconds);
            clock.add(seconds);

            const QStringList written = QDir::current().entryList({QStringLiteral("*.txt")}, QDir::Files);
            if (boxes.count > 0 || written.size() != 1) {
                failure = boxes.count > 0
                              ? "the run showed a box: " + boxes.first.toStdString()
                              : "expected one export file, found " + std::to_string(written.size());
                state.SkipWithError(failure.c_str());
                break;
            }
            exportBytes = QFileInfo(written.front()).size();
            QFile::remove(written.front());
        }
        QDir::setCurrent(previousDir);
        qunsetenv("BRINDLEMARK_SERVER");
        state.counters["teams"] = static_cast<double>(demoCatalogue().divisionTeams(division.id).size());
        state.counters["export_bytes"] = static_cast<double>(exportBytes);
        reportMemchrRatio(state, clock, pagesOf20Players().talent);
    } catch (const std::exception &e) {
        failure = e.what();
        state.SkipWithError(failure.c_str());
    }
}
BENCHMARK_CAPTURE(BM_DivisionRun, talent, true)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DivisionRun, abilities, false)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
