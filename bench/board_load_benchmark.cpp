// A board refresh under load: 16 teams whose talent and abilities pages run to about 4 MB each (thousands
// of youth players a page), served on loopback from a thread of their own. What counts is how long the
// window's thread went without answering (a timer that should fire every few milliseconds), the whole
// refresh's time and the memory it took.
#include "bench/bench_support.h"
#include "board/board_page.h"
#include "history/history_keeper.h"
#include "tests/support/main_controls.h"
#include "text/code_page.h"
#include "tools/roster_page_writer/roster_page_writer.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <stdexcept>
#include <sys/resource.h>

namespace {

constexpr size_t pageBytes = size_t{4} * 1000 * 1000;
constexpr int teamCount = 16;

std::string bigPage(PageKind kind)
{
    RosterSummary summary;
    summary.teamId = 1;
    summary.team = toCp1251(QStringLiteral("Металлург"));
    summary.shortName = "MET";
    summary.manager = toCp1251(QStringLiteral("Петров"));
    summary.rank = "3";
    summary.city = toCp1251(QStringLiteral("Лесногорск"));
    summary.stadium = toCp1251(QStringLiteral("Арена"));
    summary.division = toCp1251(QStringLiteral("Высшая лига"));
    summary.money = "1 500 000";
    summary.players = "25";
    summary.additions = "3";
    summary.power = "1234";
    summary.spectatorRating = "7,5";
    const char *positions[] = {"Gk", "Df", "Cm", "Fw"};
    std::vector<RosterPlayer> players;
    size_t bytes = 0;
    for (int i = 0; bytes < pageBytes; ++i) {
        RosterPlayer p;
        p.number = 1000 + i;
        p.name = toCp1251(QStringLiteral("Игрок %1").arg(i));
        p.country = toCp1251(QStringLiteral("Россия"));
        p.position = positions[i % 4];
        p.age = std::to_string(14 + i % 5);
        p.mastery = std::to_string(10 + i % 30) + ".5";
        p.talent = std::to_string(1 + i % 8) + ".25";
        for (int a = 0; a < 8; ++a)
            p.abilities.push_back(std::to_string(10 + (i + a) % 20) + ".5");
        p.keeperSkills = p.abilities;
        bytes += rosterRow(p, i, kind).size();
        players.push_back(std::move(p));
    }
    return minimalRosterPage(summary, players, kind);
}

std::string reply(const std::string &body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

// Serves the two big pages on 127.0.0.1 from its own thread: the talent page, or the abilities page for
// a request asking for it.
class PageServerThread : public QThread {
public:
    PageServerThread()
        : m_talent(reply(bigPage(PageKind::Talent))), m_abilities(reply(bigPage(PageKind::Abilities)))
    {
        start();
        m_ready.acquire();
    }
    ~PageServerThread() override
    {
        quit();
        wait();
    }
    PageServerThread(const PageServerThread &) = delete;
    PageServerThread &operator=(const PageServerThread &) = delete;

    quint16 port() const { return m_port; }
    size_t talentBytes() const { return m_talent.size(); }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost, 0);
        m_port = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket *socket = server.nextPendingConnection())
                serve(socket);
        });
        m_ready.release();
        exec();
    }

private:
    void serve(QTcpSocket *socket)
    {
        auto request = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            request->append(socket->readAll());
            const qsizetype end = request->indexOf("\r\n\r\n");
            // The form fields follow the headers; they are short, so their arrival is the whole request.
            if (end < 0 || !request->contains("auth_pass"))
                return;
            const std::string &page = request->contains("act=abilities") ? m_abilities : m_talent;
            socket->write(page.data(), static_cast<qint64>(page.size()));
            socket->disconnectFromHost();
        });
    }

    std::string m_talent;
    std::string m_abilities;
    QSemaphore m_ready;
    quint16 m_port = 0;
};

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_BoardRefreshOfLargePages(benchmark::State &state)
{
    static std::string failure; // the library keeps a pointer to the message
    try {
        PageServerThread server;
        qputenv("BRINDLEMARK_SERVER", "127.0.0.1:" + QByteArray::number(server.port()));
        QTemporaryDir dir;
        HistoryKeeper keeper;
        keeper.open(dir.filePath(QStringLiteral("history.db")));
        SilentMessages boxes;
        const long peakBefore = peakKilobytes();
        double longestStallMs = 0;
        for (auto _ : state) {
            BoardPage page;
            page.setSources({&keeper, {}, [] { return true; }});
            page.setExchangeTimeouts({10000, 30000, 30000, 60000, 90000});
            std::vector<CatalogueEntry> teams;
            for (int i = 0; i < teamCount; ++i)
                teams.push_back({toCp1251(QStringLiteral("Команда %1").arg(i + 1)), 100 + i});
            page.resize(900, 500);
            page.show();
            page.showDivision(7, teams);
            auto *refresh = controlOf<QPushButton>(&page, "boardRefreshButton");

            // The window's pulse: a timer due every 5 ms; the widest gap between two beats is the
            // longest the window did not answer.
            QElapsedTimer sinceBeat;
            QTimer pulse;
            pulse.setTimerType(Qt::PreciseTimer);
            QObject::connect(&pulse, &QTimer::timeout, [&] {
                longestStallMs =
                    std::max(longestStallMs, static_cast<double>(sinceBeat.nsecsElapsed()) / 1e6);
                sinceBeat.restart();
            });
            QElapsedTimer total;
            total.start();
            sinceBeat.start();
            pulse.start(5);
            refresh->click();
            while (!refresh->isEnabled() && total.elapsed() < 600000) {
                QEventLoop loop;
                QTimer::singleShot(5, &loop, &QEventLoop::quit);
                loop.exec();
            }
            pulse.stop();
            state.SetIterationTime(static_cast<double>(total.nsecsElapsed()) / 1e9);
            const QString status = controlOf<QLabel>(&page, "boardStatusLabel")->text();
            if (!status.isEmpty())
                throw std::runtime_error(status.toStdString());
        }
        qunsetenv("BRINDLEMARK_SERVER");
        if (!boxes.first.isEmpty())
            throw std::runtime_error(boxes.first.toStdString());
        state.counters["pages"] = teamCount * 2;
        state.counters["page_mb"] = static_cast<double>(server.talentBytes()) / 1e6;
        state.counters["longest_stall_ms"] = longestStallMs;
        state.counters["peak_growth_mb"] = static_cast<double>(peakKilobytes() - peakBefore) / 1024;
    } catch (const std::exception &e) {
        qunsetenv("BRINDLEMARK_SERVER");
        failure = e.what();
        state.SkipWithError(failure.c_str());
    }
}
BENCHMARK(BM_BoardRefreshOfLargePages)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
