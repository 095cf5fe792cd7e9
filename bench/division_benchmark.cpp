// A whole-division run as the user starts it: the real main window, offscreen, fetching 16 teams from
// the demo server and appending each to the division's export file.
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
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <stdexcept>

namespace {

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
            ui.Cdivision->setChecked(true);
            (talent ? ui.RadioTal : ui.RadioSkill)->setChecked(true);
            ui.ComboBox1->clear();
            ui.ComboBox1->addItem(division.name, division.id);
            ui.ComboBox1->setCurrentIndex(0);
            ui.ComboBox2->clear();
            for (const DemoTeam *team : demoCatalogue().divisionTeams(division.id))
                ui.ComboBox2->addItem(team->name, team->teamId);

            QElapsedTimer timer;
            timer.start();
            ui.Button1->click();
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
