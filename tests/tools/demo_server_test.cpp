// The demo roster server and the sample catalogue, driven as the demo uses them: the real server binary on
// the loopback address and the catalogue files the build made. The pages are checked with a small reader
// that applies the program's cut rules literally, so a page that reads here reads in the program.
#include "analysis/talent_projection.h"
#include "catalogue/catalogue.h"
#include "text/code_page.h"
#include "text/markers.h"
#include "text/numbers.h"

#include "support/cut_rule_reader.h"
#include "support/demo_server_process.h"
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

const std::string body = "auth_name=qbm&auth_pass=wexpalcorn&";

std::string cp(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

// A decimal cell as the program reads it: every "." becomes "," first.
long double readCell(std::string cell)
{
    std::replace(cell.begin(), cell.end(), '.', ',');
    return readDecimal(cell);
}

bool hasDecimals(const std::string &cell, size_t decimals)
{
    const size_t dot = cell.find('.');
    return dot != std::string::npos && dot > 0 && cell.size() - dot - 1 == decimals &&
           cell.find_first_not_of("0123456789.") == std::string::npos;
}

int occurrences(const std::string &text, const std::string &marker)
{
    int count = 0;
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1))
        ++count;
    return count;
}

// ---- the server process and the wire ----

struct Reply {
    std::string statusLine;
    std::map<std::string, std::string> headers;
    std::string body;
};

std::string rawExchange(quint16 port, const std::vector<std::string> &pieces)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(5000))
        return {};
    for (const std::string &piece : pieces) {
        socket.write(piece.data(), static_cast<qint64>(piece.size()));
        socket.waitForBytesWritten(5000);
        socket.waitForReadyRead(50); // let the server see this piece on its own
    }
    QByteArray received;
    while (socket.state() == QAbstractSocket::ConnectedState && socket.waitForReadyRead(5000))
        received += socket.readAll();
    received += socket.readAll();
    return received.toStdString();
}

std::string requestBytes(const std::string &target)
{
    return "POST " + target +
           " HTTP/1.0\r\nConnection: keep-alive\r\nContent-Type: "
           "application/x-www-form-urlencoded\r\nContent-Length: " +
           std::to_string(body.size()) +
           "\r\nHost: 127.0.0.1\r\nAccept: text/html, */*\r\nUser-Agent: Mozilla/3.0 (compatible; Indy "
           "Library)\r\n\r\n" +
           body;
}

Reply parseReply(const std::string &raw)
{
    Reply reply;
    const size_t headEnd = raw.find("\r\n\r\n");
    if (headEnd == std::string::npos)
        return reply;
    const std::string head = raw.substr(0, headEnd);
    reply.body = raw.substr(headEnd + 4);
    size_t lineStart = 0;
    for (bool first = true; lineStart <= head.size(); first = false) {
        size_t lineEnd = head.find("\r\n", lineStart);
        if (lineEnd == std::string::npos)
            lineEnd = head.size();
        const std::string line = head.substr(lineStart, lineEnd - lineStart);
        if (first) {
            reply.statusLine = line;
        } else {
            const size_t colon = line.find(": ");
            if (colon != std::string::npos)
                reply.headers[line.substr(0, colon)] = line.substr(colon + 2);
        }
        lineStart = lineEnd + 2;
    }
    return reply;
}

Reply fetch(quint16 port, const std::string &target)
{
    return parseReply(rawExchange(port, {requestBytes(target)}));
}

std::string rosterTarget(int32_t teamId, bool abilities)
{
    return "/xml/school/roster.php?id=" + std::to_string(teamId) + (abilities ? "&act=abilities" : "");
}

// ---- the catalogue files the build made ----

struct CatalogueTeam {
    std::string name; // windows-1251
    int32_t divId;
    int32_t teamId;
};

struct Catalogue {
    std::vector<std::pair<std::string, int32_t>> divisions;
    std::vector<CatalogueTeam> teams;
    int divisionTables = 0;
    int teamTables = 0;
    std::vector<std::string> teamColumns;
};

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

Database openDatabase(const QString &path)
{
    sqlite3 *db = nullptr;
    const QByteArray name = path.toUtf8();
    if (sqlite3_open_v2(name.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        db = nullptr;
    }
    return Database(db, &sqlite3_close);
}

template <class Row> void forEachRow(sqlite3 *db, const char *sql, Row row)
{
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
        return;
    while (sqlite3_step(statement) == SQLITE_ROW)
        row(statement);
    sqlite3_finalize(statement);
}

std::string textColumn(sqlite3_stmt *statement, int column)
{
    const auto *text = sqlite3_column_text(statement, column);
    return toCp1251(QString::fromUtf8(reinterpret_cast<const char *>(text)));
}

bool readCatalogue(Catalogue &catalogue)
{
    const Database divisions = openDatabase(buildPath("demo-data/divisions.cds"));
    const Database teams = openDatabase(buildPath("demo-data/teams.cds"));
    if (!divisions || !teams)
        return false;
    const char *countTables = "SELECT count(*) FROM sqlite_master WHERE type = 'table'";
    forEachRow(divisions.get(), countTables,
               [&](sqlite3_stmt *s) { catalogue.divisionTables = sqlite3_column_int(s, 0); });
    forEachRow(teams.get(), countTables,
               [&](sqlite3_stmt *s) { catalogue.teamTables = sqlite3_column_int(s, 0); });
    forEachRow(teams.get(), "SELECT name FROM pragma_table_info('teams') ORDER BY cid",
               [&](sqlite3_stmt *s) { catalogue.teamColumns.push_back(textColumn(s, 0)); });
    forEachRow(divisions.get(), "SELECT * FROM divisions ORDER BY rowid", [&](sqlite3_stmt *s) {
        catalogue.divisions.emplace_back(textColumn(s, 0), sqlite3_column_int(s, 1));
    });
    forEachRow(teams.get(), "SELECT * FROM teams ORDER BY rowid", [&](sqlite3_stmt *s) {
        catalogue.teams.push_back({textColumn(s, 0), sqlite3_column_int(s, 1), sqlite3_column_int(s, 2)});
    });
    return !catalogue.divisions.empty();
}

class DemoServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo::exists(DemoServerProcess::program()))
            FAIL() << "demo server not built: " << DemoServerProcess::program().toStdString();
    }
};

class DemoCatalogueTest : public DemoServerTest {
protected:
    void SetUp() override
    {
        DemoServerTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(readCatalogue(catalogue)) << "sample catalogue not built (no sqlite3 shell?)";
    }
    Catalogue catalogue;
};

constexpr int32_t knownTeam = 5680; // "Металлург Лесногорск" of the sample catalogue
constexpr int32_t otherTeam = 4390; // "Заря"

} // namespace

TEST_F(DemoServerTest, PrintsItsPortAndAnswersBothRequestForms)
{
    DemoServerProcess server;
    ASSERT_NE(server.port(), 0);
    const std::string port = std::to_string(server.port());
    const std::string targets[] = {
        rosterTarget(knownTeam, false),
        rosterTarget(knownTeam, true),
        "http://127.0.0.1:80" + rosterTarget(knownTeam, false),
        "http://127.0.0.1:" + port + rosterTarget(knownTeam, true),
    };
    for (const std::string &target : targets) {
        Reply reply = fetch(server.port(), target);
        EXPECT_EQ(reply.statusLine, "HTTP/1.0 200 OK") << target;
        EXPECT_EQ(reply.headers["Content-Type"], "text/html; charset=windows-1251") << target;
        EXPECT_EQ(reply.headers["Content-Length"], std::to_string(reply.body.size())) << target;
        EXPECT_NE(reply.body.find(cp("Металлург Лесногорск")), std::string::npos) << target;
        EXPECT_GT(occurrences(reply.body, "info.php?id="), 0) << target;
    }
}

TEST_F(DemoServerTest, FailurePagesAndStatuses)
{
    DemoServerProcess server({QStringLiteral("--fail-team"), QString::number(otherTeam)});
    ASSERT_NE(server.port(), 0);

    for (const char *target : {"/xml/school/roster.php?id=999999", "/xml/school/roster.php?id=abc",
                               "/xml/school/roster.php?act=abilities"}) {
        const Reply notFound = fetch(server.port(), target);
        EXPECT_EQ(notFound.statusLine, "HTTP/1.0 200 OK") << target;
        EXPECT_NE(notFound.body.find(cp("Команда не найдена")), std::string::npos) << target;
        EXPECT_EQ(notFound.body.find("info.php?id="), std::string::npos) << target;
    }

    EXPECT_EQ(fetch(server.port(), rosterTarget(otherTeam, false)).statusLine,
              "HTTP/1.0 500 Internal Server Error");
    EXPECT_EQ(fetch(server.port(), rosterTarget(otherTeam, true)).statusLine,
              "HTTP/1.0 500 Internal Server Error");
    EXPECT_EQ(fetch(server.port(), rosterTarget(knownTeam, false)).statusLine, "HTTP/1.0 200 OK");
    EXPECT_EQ(fetch(server.port(), "/index.php?id=" + std::to_string(knownTeam)).statusLine,
              "HTTP/1.0 404 Not Found");
    EXPECT_EQ(parseReply(rawExchange(server.port(), {"GARBAGE\r\n\r\n"})).statusLine,
              "HTTP/1.0 400 Bad Request");
}

TEST_F(DemoServerTest, MaintenanceAnswersEveryTeam)
{
    DemoServerProcess server({QStringLiteral("--maintenance")});
    ASSERT_NE(server.port(), 0);
    for (int32_t id : {knownTeam, otherTeam, 999999}) {
        const Reply reply = fetch(server.port(), rosterTarget(id, false));
        EXPECT_EQ(reply.statusLine, "HTTP/1.0 200 OK");
        EXPECT_NE(reply.body.find(cp("На сайте проводится обновление данных")), std::string::npos) << id;
        EXPECT_EQ(reply.body.find(cp("Команда не найдена")), std::string::npos) << id;
    }
}

TEST_F(DemoServerTest, RequestArrivingInPiecesIsAnsweredOnceComplete)
{
    DemoServerProcess server;
    ASSERT_NE(server.port(), 0);
    const std::string whole = requestBytes(rosterTarget(knownTeam, true));
    const size_t headEnd = whole.find("\r\n\r\n");
    const Reply pieces =
        parseReply(rawExchange(server.port(), {whole.substr(0, 7), whole.substr(7, headEnd - 5),
                                               whole.substr(headEnd + 2, 10), whole.substr(headEnd + 12)}));
    const Reply once = fetch(server.port(), rosterTarget(knownTeam, true));
    EXPECT_EQ(pieces.statusLine, "HTTP/1.0 200 OK");
    EXPECT_EQ(pieces.body, once.body);
}

TEST_F(DemoServerTest, LogsOneLinePerRequest)
{
    DemoServerProcess server({QStringLiteral("--fail-team"), QString::number(otherTeam)});
    ASSERT_NE(server.port(), 0);
    const Reply talent = fetch(server.port(), rosterTarget(knownTeam, false));
    EXPECT_EQ(server.nextLogLine().toStdString(),
              "id=" + std::to_string(knownTeam) +
                  " page=talent status=200 bytes=" + std::to_string(talent.body.size()));
    const Reply abilities = fetch(server.port(), "http://127.0.0.1:80" + rosterTarget(knownTeam, true));
    EXPECT_EQ(server.nextLogLine().toStdString(),
              "id=" + std::to_string(knownTeam) +
                  " page=abilities status=200 bytes=" + std::to_string(abilities.body.size()));
    fetch(server.port(), rosterTarget(otherTeam, false));
    EXPECT_TRUE(server.nextLogLine().startsWith(
        QByteArray("id=" + QByteArray::number(otherTeam) + " page=error status=500")));
    fetch(server.port(), rosterTarget(999999, false));
    EXPECT_TRUE(server.nextLogLine().startsWith("id=999999 page=not-found status=200"));
}

TEST_F(DemoServerTest, PagesAreTheSameBytesEveryTimeAndInEveryRun)
{
    std::string first[2];
    {
        DemoServerProcess server;
        ASSERT_NE(server.port(), 0);
        for (int kind = 0; kind < 2; ++kind) {
            first[kind] = fetch(server.port(), rosterTarget(knownTeam, kind == 1)).body;
            EXPECT_EQ(fetch(server.port(), rosterTarget(knownTeam, kind == 1)).body, first[kind]);
        }
    }
    DemoServerProcess again;
    ASSERT_NE(again.port(), 0);
    for (int kind = 0; kind < 2; ++kind)
        EXPECT_EQ(fetch(again.port(), rosterTarget(knownTeam, kind == 1)).body, first[kind]);
    EXPECT_NE(fetch(again.port(), rosterTarget(otherTeam, false)).body, first[0]);
}

TEST_F(DemoServerTest, SameWeekGivesTheSameBytesAndWeekZeroIsToday)
{
    const auto pagesOf = [](const QStringList &options) {
        DemoServerProcess server(options);
        return std::vector<std::string>{fetch(server.port(), rosterTarget(knownTeam, false)).body,
                                        fetch(server.port(), rosterTarget(knownTeam, true)).body};
    };
    const std::vector<std::string> today = pagesOf({});
    EXPECT_EQ(pagesOf({QStringLiteral("--week"), QStringLiteral("0")}), today);
    const std::vector<std::string> later = pagesOf({QStringLiteral("--week"), QStringLiteral("7")});
    EXPECT_EQ(pagesOf({QStringLiteral("--week"), QStringLiteral("7")}), later);
    EXPECT_NE(later[0], today[0]);
    EXPECT_NE(later[1], today[1]);
}

// Week after week the players train and nobody loses what he has; some leave, newcomers arrive.
TEST_F(DemoServerTest, RostersMoveOnFromWeekToWeek)
{
    using Players = std::map<std::string, std::pair<long double, long double>>; // name -> mastery, talent
    std::vector<Players> weeks;
    for (int week = 0; week <= 8; ++week) {
        DemoServerProcess server({QStringLiteral("--week"), QString::number(week)});
        PageReader reader{fetch(server.port(), rosterTarget(knownTeam, false)).body};
        reader.summary();
        Players players;
        for (const std::vector<std::string> &row : reader.rows(true))
            players[row[0]] = {readCell(row[4]), readCell(row[5])};
        ASSERT_GE(players.size(), 8u) << week;
        weeks.push_back(players);
    }
    bool arrived = false, left = false;
    for (size_t w = 1; w < weeks.size(); ++w) {
        bool grew = false;
        for (const auto &[name, now] : weeks[w]) {
            const auto before = weeks[w - 1].find(name);
            if (before == weeks[w - 1].end()) {
                arrived = true;
                continue;
            }
            EXPECT_GE(now.first, before->second.first) << w << ' ' << name;
            EXPECT_GE(now.second, before->second.second) << w << ' ' << name;
            grew = grew || now.first > before->second.first || now.second > before->second.second;
        }
        EXPECT_TRUE(grew) << w;
        for (const auto &[name, before] : weeks[w - 1])
            left = left || !weeks[w].count(name);
    }
    EXPECT_TRUE(arrived);
    EXPECT_TRUE(left);
}

TEST_F(DemoServerTest, LatencyStillAnswersAndSurvivesAClientThatHangsUp)
{
    DemoServerProcess plain;
    DemoServerProcess slow({QStringLiteral("--latency"), QStringLiteral("150")});
    ASSERT_NE(slow.port(), 0);

    QTcpSocket impatient;
    impatient.connectToHost(QStringLiteral("127.0.0.1"), slow.port());
    ASSERT_TRUE(impatient.waitForConnected(5000));
    const std::string request = requestBytes(rosterTarget(knownTeam, false));
    impatient.write(request.data(), static_cast<qint64>(request.size()));
    impatient.waitForBytesWritten(5000);
    impatient.abort(); // its reply is still pending on the server

    for (const bool abilities : {false, true}) {
        const Reply reply = fetch(slow.port(), rosterTarget(knownTeam, abilities));
        EXPECT_EQ(reply.statusLine, "HTTP/1.0 200 OK");
        EXPECT_EQ(reply.body, fetch(plain.port(), rosterTarget(knownTeam, abilities)).body);
    }
}

TEST_F(DemoServerTest, RefusesABadWeekOrLatency)
{
    const QStringList bad[] = {
        {QStringLiteral("--week"), QStringLiteral("-1")},
        {QStringLiteral("--week"), QStringLiteral("1001")},
        {QStringLiteral("--week"), QStringLiteral("next")},
        {QStringLiteral("--latency"), QStringLiteral("-5")},
        {QStringLiteral("--latency"), QStringLiteral("soon")},
        {QStringLiteral("--latency"), QStringLiteral("60001")},
    };
    for (const QStringList &options : bad) {
        QProcess process;
        process.start(DemoServerProcess::program(),
                      QStringList{QStringLiteral("--port"), QStringLiteral("0")} + options);
        ASSERT_TRUE(process.waitForFinished(5000)) << options.join(u' ').toStdString();
        EXPECT_EQ(process.exitCode(), 1) << options.join(u' ').toStdString();
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty()) << options.join(u' ').toStdString();
        EXPECT_FALSE(process.readAllStandardError().isEmpty()) << options.join(u' ').toStdString();
    }
}

TEST_F(DemoServerTest, TakesTeamsFromAnotherCatalogueSql)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto writeSql = [&dir](const char *name, const char *sql) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(sql);
        return file.fileName();
    };
    const QString good =
        writeSql("good.sql", "CREATE TABLE divisions(name TEXT, id INTEGER);\n"
                             "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);\n"
                             "/* columns named out of order, several rows at once */\n"
                             "INSERT INTO divisions(id, name) VALUES (7, 'Кубковая группа');\n"
                             "INSERT INTO teams VALUES ('Комета ''Юг''', 7, 77), -- quoted\n"
                             "  ('Ракета', 7, -78);\n");
    {
        DemoServerProcess server({QStringLiteral("--catalogue-sql"), good});
        ASSERT_NE(server.port(), 0);
        for (int32_t id : {77, -78}) {
            PageReader reader{fetch(server.port(), rosterTarget(id, false)).body};
            const Summary s = reader.summary();
            EXPECT_EQ(s.team, id == 77 ? cp("Комета 'Юг'") : cp("Ракета"));
            EXPECT_EQ(s.division, cp("Кубковая группа"));
        }
        EXPECT_NE(fetch(server.port(), rosterTarget(knownTeam, false)).body.find(cp("Команда не найдена")),
                  std::string::npos);
    }

    const QString broken[] = {
        writeSql("unknown_division.sql", "CREATE TABLE divisions(name TEXT, id INTEGER);\n"
                                         "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);\n"
                                         "INSERT INTO teams VALUES ('Ракета', 9, 1);\n"),
        writeSql("duplicate.sql", "CREATE TABLE divisions(name TEXT, id INTEGER);\n"
                                  "CREATE TABLE teams(name TEXT, divId INTEGER, teamId INTEGER);\n"
                                  "INSERT INTO divisions VALUES ('Лига', 1);\n"
                                  "INSERT INTO teams VALUES ('Ракета', 1, 5), ('Комета', 1, 5);\n"),
        writeSql("unterminated.sql", "CREATE TABLE divisions(name TEXT, id INTEGER);\n"
                                     "INSERT INTO divisions VALUES ('Лига, 1);\n"),
        dir.filePath(QStringLiteral("missing.sql")),
    };
    for (const QString &path : broken) {
        QProcess process;
        process.start(DemoServerProcess::program(), {QStringLiteral("--port"), QStringLiteral("0"),
                                                     QStringLiteral("--catalogue-sql"), path});
        ASSERT_TRUE(process.waitForFinished(5000)) << path.toStdString();
        EXPECT_EQ(process.exitCode(), 1) << path.toStdString();
        EXPECT_TRUE(process.readAllStandardOutput().isEmpty()) << path.toStdString();
        EXPECT_FALSE(process.readAllStandardError().isEmpty()) << path.toStdString();
    }
}

TEST_F(DemoCatalogueTest, FilesHoldOneTableEachWithDivisionsInConsecutiveRows)
{
    EXPECT_EQ(catalogue.divisionTables, 1);
    EXPECT_EQ(catalogue.teamTables, 1);
    EXPECT_EQ(catalogue.teamColumns, (std::vector<std::string>{"name", "divId", "teamId"}));

    std::map<int32_t, int> perDivision;
    std::set<int32_t> ids;
    std::set<int32_t> finished;
    int32_t current = catalogue.teams.empty() ? 0 : catalogue.teams.front().divId;
    bool someDivisionUnsorted = false;
    for (size_t i = 0; i < catalogue.teams.size(); ++i) {
        const CatalogueTeam &t = catalogue.teams[i];
        if (t.divId != current) {
            finished.insert(current);
            current = t.divId;
        }
        EXPECT_FALSE(finished.count(t.divId)) << "division " << t.divId << " is split";
        EXPECT_TRUE(ids.insert(t.teamId).second) << "duplicate team " << t.teamId;
        ++perDivision[t.divId];
        if (i > 0 && catalogue.teams[i - 1].divId == t.divId && catalogue.teams[i - 1].name > t.name)
            someDivisionUnsorted = true;
    }
    EXPECT_TRUE(someDivisionUnsorted) << "table order should not already be alphabetical";

    ASSERT_EQ(catalogue.divisions.size(), 4u);
    std::vector<int> sizes;
    for (const auto &[name, id] : catalogue.divisions)
        sizes.push_back(perDivision[id]);
    EXPECT_EQ(sizes, (std::vector<int>{16, 16, 16, 12}));
    EXPECT_EQ(catalogue.divisions.front().first, cp("Высшая лига"));
}

// Today's squads and those of a later week, past two turns of the season, read alike.
TEST_F(DemoCatalogueTest, EveryTeamsPagesReadByTheCutRules)
{
    std::map<int32_t, std::string> divisionNames;
    for (const auto &[name, id] : catalogue.divisions)
        divisionNames[id] = name;
    for (const int week : {0, 45}) {
        SCOPED_TRACE(week);
        DemoServerProcess server({QStringLiteral("--week"), QString::number(week)});
        ASSERT_NE(server.port(), 0);
        int withManager = 0, withoutManager = 0, foreign = 0, longPositions = 0;

        for (const CatalogueTeam &team : catalogue.teams) {
            SCOPED_TRACE(team.teamId);
            std::vector<std::vector<std::string>> rows[2];
            for (int kind = 0; kind < 2; ++kind) {
                const bool talentPage = kind == 0;
                const Reply reply = fetch(server.port(), rosterTarget(team.teamId, !talentPage));
                ASSERT_EQ(reply.statusLine, "HTTP/1.0 200 OK");
                const std::string &page = reply.body;
                EXPECT_GE(page.size(), 20u * 1024);
                EXPECT_LE(page.size(), 60u * 1024);
                EXPECT_EQ(page.find(cp("Команда не найдена")), std::string::npos);
                EXPECT_EQ(page.find(cp("На сайте проводится обновление данных")), std::string::npos);
                for (const char *marker :
                     {"name=\"Team\"", "name=\"ShortName\"", "name=\"City\"", "name=\"Stadium\"",
                      "name=champ&division=", "name=\"Money\"", "name=\"Players\"", "name=\"CoSP\"",
                      "name=\"Power11\"", "name=\"VisRat\""})
                    EXPECT_EQ(occurrences(page, marker), 1) << marker;
                EXPECT_LE(occurrences(page, "info.php?user="), 1);

                PageReader reader{page};
                const Summary s = reader.summary();
                EXPECT_EQ(s.team, team.name);
                EXPECT_EQ(s.division, divisionNames[team.divId]);
                EXPECT_EQ(s.id.size(), 3u);
                EXPECT_FALSE(s.city.empty());
                EXPECT_FALSE(s.stadium.empty());
                EXPECT_EQ(s.stadium.find('<'), std::string::npos);
                EXPECT_EQ(s.money.front(), '$');
                EXPECT_NO_THROW(readInteger(s.players));
                EXPECT_NE(s.players, "0");
                EXPECT_NO_THROW(readInteger(s.cosp));
                EXPECT_NO_THROW(readInteger(s.power));
                EXPECT_NO_THROW(readInteger(s.visRat));
                if (s.manager.empty()) {
                    EXPECT_EQ(occurrences(page, "info.php?user="), 0);
                    withoutManager += talentPage;
                } else {
                    EXPECT_NO_THROW(readInteger(s.rang));
                    withManager += talentPage;
                }

                rows[kind] = reader.rows(talentPage);
                EXPECT_GE(rows[kind].size(), 8u);
                EXPECT_LE(rows[kind].size(), 25u);
                EXPECT_EQ(occurrences(page, "info.php?id="), static_cast<int>(rows[kind].size()));
                const size_t position = talentPage ? 2 : 1;
                bool keeper = false;
                for (const std::vector<std::string> &row : rows[kind]) {
                    ASSERT_EQ(row.size(), talentPage ? 6u : 12u);
                    EXPECT_FALSE(row[0].empty());
                    const std::string &pos = row[position];
                    EXPECT_TRUE(pos.size() == 2 || pos.size() == 3) << pos;
                    keeper = keeper || pos == "Gk";
                    const int32_t age = readInteger(row[position + 1]);
                    EXPECT_GE(age, 15);
                    EXPECT_LE(age, 19);
                    EXPECT_TRUE(hasDecimals(row[position + 2], 2)) << row[position + 2];
                    EXPECT_GT(readCell(row[position + 2]), 0);
                    if (talentPage) {
                        EXPECT_TRUE(hasDecimals(row[5], 3)) << row[5];
                        const long double talent = readCell(row[5]);
                        EXPECT_GE(talent, 1);
                        EXPECT_LE(talent, 9);
                        foreign += row[1] != cp("Россия");
                        longPositions += pos.size() == 3;
                    } else {
                        for (size_t a = 4; a < 12; ++a) {
                            EXPECT_TRUE(hasDecimals(row[a], 2)) << row[a];
                            EXPECT_NO_THROW(readCell(row[a]));
                            if (pos != "Gk") {
                                EXPECT_GT(readCell(row[a]), 0);
                            }
                        }
                    }
                }
                EXPECT_TRUE(keeper) << "every squad has a goalkeeper";
            }

            // Both pages describe the same players in the same order.
            ASSERT_EQ(rows[0].size(), rows[1].size());
            for (size_t r = 0; r < rows[0].size(); ++r) {
                EXPECT_EQ(rows[0][r][0], rows[1][r][0]);
                EXPECT_EQ(rows[0][r][2], rows[1][r][1]);
                EXPECT_EQ(rows[0][r][3], rows[1][r][2]);
                EXPECT_EQ(rows[0][r][4], rows[1][r][3]);
            }
        }
        EXPECT_GT(withManager, 0);
        EXPECT_GT(withoutManager, 0);
        EXPECT_GT(foreign, 0);
        EXPECT_GT(longPositions, 0);
    }
}

namespace {

// The exit code of the server run with options that make it exit by itself.
int runServerToEnd(const QStringList &options, QByteArray *output = nullptr)
{
    QProcess process;
    process.start(DemoServerProcess::program(), options);
    if (!process.waitForFinished(10000))
        return -1;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitCode();
}

using CatalogueDivision = std::pair<CatalogueEntry, std::vector<CatalogueEntry>>;

// A folder's catalogue files as the program reads them.
std::vector<CatalogueDivision> programCatalogue(const QString &folder)
{
    CatalogueTable divisions;
    divisions.loadFromFile(toCp1251(folder + QStringLiteral("/divisions.cds")));
    CatalogueTable teams;
    teams.loadFromFile(toCp1251(folder + QStringLiteral("/teams.cds")));
    std::vector<CatalogueDivision> read;
    for (const CatalogueEntry &division : readDivisions(divisions))
        read.emplace_back(division, readTeamsOfDivision(teams, division.id));
    return read;
}

} // namespace

TEST_F(DemoServerTest, GeneratedDivisionsAreWrittenForTheProgramAndServed)
{
    QTemporaryDir three, five;
    for (const auto &[dir, count] : {std::pair{&three, 3}, std::pair{&five, 5}})
        ASSERT_EQ(runServerToEnd(QStringLiteral("--divisions %1 --write-catalogue").arg(count).split(u' ')
                                 << dir->path()),
                  0);
    const std::vector<CatalogueDivision> small = programCatalogue(three.path());
    const std::vector<CatalogueDivision> large = programCatalogue(five.path());
    ASSERT_EQ(small.size(), 4u + 3u);
    ASSERT_EQ(large.size(), 4u + 5u);
    // A larger count only adds divisions: the first ones keep their teams, names and identifiers.
    EXPECT_TRUE(std::equal(small.begin(), small.end(), large.begin()));

    std::set<int32_t> ids;
    std::set<std::string> names;
    for (size_t d = 0; d < large.size(); ++d) {
        const auto &[division, teams] = large[d];
        EXPECT_EQ(teams.size(), d < 3 ? 16u : (d == 3 ? 12u : 16u)) << division.id;
        for (const CatalogueEntry &team : teams) {
            EXPECT_TRUE(ids.insert(team.id).second) << team.id;
            EXPECT_TRUE(d < 4 || names.insert(team.name).second) << team.name;
        }
    }

    DemoServerProcess server({QStringLiteral("--divisions"), QStringLiteral("5")});
    const auto &[lastDivision, lastTeams] = large.back();
    PageReader reader{fetch(server.port(), rosterTarget(lastTeams.back().id, true)).body};
    const Summary summary = reader.summary();
    EXPECT_EQ(summary.team, lastTeams.back().name);
    EXPECT_EQ(summary.division, lastDivision.name);

    EXPECT_EQ(runServerToEnd({QStringLiteral("--divisions"), QStringLiteral("501")}), 1);
}

namespace {

// name -> mastery and talent cells of a talent page, with the program's "," separator.
std::map<std::string, std::pair<std::string, std::string>> talentCells(const std::string &page)
{
    std::map<std::string, std::pair<std::string, std::string>> players;
    PageReader reader{page};
    reader.summary();
    for (std::vector<std::string> row : reader.rows(true)) {
        std::replace(row[4].begin(), row[4].end(), '.', ',');
        std::replace(row[5].begin(), row[5].end(), '.', ',');
        players[row[0]] = {row[4], row[5]};
    }
    return players;
}

// The talent the projection table gives after `steps` steps, held at 9.
long double projectedTalent(const std::pair<std::string, std::string> &cells, int school, int coach,
                            size_t steps)
{
    if (readDecimal(cells.second) >= 9)
        return 9;
    const ProjectionResult table = projectTalent(
        cells.first, cells.second, [school] { return std::to_string(school); },
        [coach] { return std::to_string(coach); });
    if (table.rows.empty())
        return readDecimal(cells.second);
    return std::min(9.0L, readDecimal(table.rows[std::min(steps, table.rows.size()) - 1].score));
}

} // namespace

// Every player's talent moves from one week to the next by the projection table at his team's printed
// levels: exactly the steps per week without noise, now and then a step more or fewer with it.
TEST_F(DemoServerTest, YouthTrainByTheProjectionStepAtTheirTeamsLevels)
{
    QByteArray printed;
    ASSERT_EQ(runServerToEnd(QStringLiteral("--print-levels --steps-per-week 3").split(u' '), &printed), 0);
    const QList<QByteArray> lines = printed.split('\n');
    EXPECT_TRUE(lines[0].startsWith("steps per week: 3,"));
    std::map<int32_t, std::pair<int, int>> levels;
    for (const QByteArray &line : lines.mid(2)) {
        const QList<QByteArray> cells = line.split('\t');
        if (cells.size() == 6) {
            levels[cells[0].toInt()] = {cells[2].toInt(), cells[3].toInt()};
            EXPECT_EQ(cells[4].toInt(), cells[2].toInt() * cells[3].toInt()) << line.toStdString();
        }
    }
    ASSERT_EQ(levels.size(), 60u);

    const int32_t teams[] = {knownTeam, 2604, 2185}; // levels 1×1, 2×2 and 3×3
    const auto weekOf = [&teams](int week, const char *noise) {
        DemoServerProcess server(QStringLiteral("--steps-per-week 3 --training-noise %1 --week %2")
                                     .arg(QString::fromLatin1(noise))
                                     .arg(week)
                                     .split(u' '));
        std::vector<std::map<std::string, std::pair<std::string, std::string>>> squads;
        for (const int32_t team : teams)
            squads.push_back(talentCells(fetch(server.port(), rosterTarget(team, false)).body));
        return squads;
    };
    for (const char *noise : {"0", "40"}) {
        SCOPED_TRACE(noise);
        int exact = 0, offByAStep = 0;
        auto before = weekOf(0, noise);
        for (int week = 1; week <= 4; ++week) {
            const auto after = weekOf(week, noise);
            for (size_t t = 0; t < std::size(teams); ++t) {
                const auto [school, coach] = levels.at(teams[t]);
                for (const auto &[name, cells] : after[t]) {
                    const auto was = before[t].find(name);
                    if (was == before[t].end())
                        continue;
                    const long double talent = readDecimal(cells.second);
                    if (talent == projectedTalent(was->second, school, coach, 3))
                        ++exact;
                    else if (talent == projectedTalent(was->second, school, coach, 2) ||
                             talent == projectedTalent(was->second, school, coach, 4))
                        ++offByAStep;
                    else
                        ADD_FAILURE() << teams[t] << ' ' << name << " week " << week;
                }
            }
            before = after;
        }
        EXPECT_GT(exact, 50);
        if (noise == std::string("0"))
            EXPECT_EQ(offByAStep, 0);
        else
            EXPECT_GT(offByAStep, exact / 10);
    }
}
