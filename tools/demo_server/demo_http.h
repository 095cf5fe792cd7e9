#pragma once

#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_squad.h"

#include <QByteArray>
#include <QSet>
#include <cstdint>
#include <string>

// One HTTP/1.0 request as the program (or a proxy in front of us) sends it.
struct DemoRequest {
    QByteArray method;
    QByteArray target; // origin form "/path?query" or absolute form "http://host:port/path?query"
    QByteArray body;
};

enum class DemoRequestState { Incomplete, Complete, Malformed };

// Reads the request line, the headers and Content-Length body bytes from what has arrived so far.
// Incomplete: wait for more bytes. Malformed: answer 400 and close.
DemoRequestState parseDemoRequest(const QByteArray &received, DemoRequest &request);

struct DemoServerOptions {
    bool maintenance = false;
    QSet<int32_t> failTeams;
    int week = 0;                // rosters as they stand this many weeks on
    DemoTraining training;       // how the youth trained in those weeks
    int latencyMilliseconds = 0; // wait before each reply, as a slow site would
};

struct DemoReply {
    int status = 200;
    QByteArray reason = "OK";
    std::string body;    // windows-1251 page
    QByteArray idText;   // the id of the query as sent, "-" when there was none
    QByteArray pageKind; // talent, abilities, not-found, maintenance or error
};

// Decides the answer: maintenance page for everything while --maintenance is on, 404 outside the roster
// path, 405 for other methods than POST, 500 for a --fail-team identifier, the "not found" page for an
// identifier the catalogue does not hold, and otherwise the team's talent or abilities page for its squad
// in `squads` (made for the options' week and training).
DemoReply answerDemoRequest(const DemoRequest &request, const DemoCatalogue &catalogue,
                            const DemoServerOptions &options, DemoWeekSquads &squads);

// Status line, Content-Type, Content-Length, Connection: close, empty line, body.
QByteArray serializeDemoReply(const DemoReply &reply);

// One line for the server's log: "id=5680 page=talent status=200 bytes=31234".
QByteArray demoLogLine(const DemoReply &reply);

// The bad-request reply for a request that could not be read.
DemoReply badRequestReply();
