// The seeding tool against the demo server: the history it writes holds the server's own pages.
#include "history/history_store.h"
#include "tools/history_seed/history_seed.h"

#include "support/demo_server_process.h"
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

std::string pageFromServer(quint16 port, int32_t team, PageKind kind)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    socket.waitForConnected(5000);
    const QByteArray target = "/xml/school/roster.php?id=" + QByteArray::number(team) +
                              (kind == PageKind::Abilities ? "&act=abilities" : "");
    socket.write("POST " + target + " HTTP/1.0\r\nContent-Length: 0\r\n\r\n");
    QByteArray reply;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(5000))
        reply += socket.readAll();
    reply += socket.readAll();
    return reply.mid(reply.indexOf("\r\n\r\n") + 4).toStdString();
}

} // namespace

// The history the seeding tool writes from the server's catalogue files holds the very pages the server
// serves for the same week and training.
TEST(DemoHistorySeed, HoldsThePagesTheServerServesForTheSameWeekAndTraining)
{
    QTemporaryDir dir;
    const QStringList served =
        QStringLiteral("--generated-only --divisions 1 --steps-per-week 4 --training-noise 30").split(u' ');
    QProcess writer;
    writer.start(DemoServerProcess::program(),
                 served + QStringList{QStringLiteral("--write-catalogue"), dir.path()});
    ASSERT_TRUE(writer.waitForFinished(10000));
    ASSERT_EQ(writer.exitCode(), 0);

    const DemoCatalogue catalogue = DemoCatalogue::fromCatalogueFiles(dir.path());
    HistoryStore store;
    ASSERT_TRUE(store.open(dir.filePath(QStringLiteral("history.db"))).ok);
    SeedOptions options(3, 5);
    options.training = {4, 30};
    const SeedReport report = seedHistory(store, catalogue, options);
    ASSERT_TRUE(report.failure.isEmpty()) << report.failure.toStdString();
    EXPECT_EQ(report.pages, 16 * 3 * 2);

    DemoServerProcess server(served + QStringList{QStringLiteral("--week"), QStringLiteral("7")});
    for (const int32_t team : {catalogue.teams().front().teamId, catalogue.teams().back().teamId}) {
        const std::vector<StoredFetch> fetches = store.fetchesOf(team); // the newest first
        ASSERT_EQ(fetches.size(), 6u);
        for (size_t f = 0; f < 2; ++f) {
            const std::optional<RawPage> stored = store.rawPage(fetches[f].id);
            ASSERT_TRUE(stored);
            EXPECT_EQ(stored->bytes, pageFromServer(server.port(), team, stored->kind)) << team;
        }
    }
}
