#include "tools/demo_server/roster_server.h"

#include <QTcpSocket>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// A client that connects and sends nothing must not hold its socket for ever.
constexpr int idleMilliseconds = 15000;

void logLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

DemoRosterServer::DemoRosterServer(DemoCatalogue catalogue, DemoServerOptions options, QObject *parent)
    : QObject(parent), m_catalogue(std::move(catalogue)), m_options(std::move(options)),
      m_squads(m_options.week, m_options.training)
{
    connect(&m_server, &QTcpServer::newConnection, this, &DemoRosterServer::accept);
}

bool DemoRosterServer::listen(quint16 port) { return m_server.listen(QHostAddress::LocalHost, port); }

void DemoRosterServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection())
        serve(socket);
}

void DemoRosterServer::serve(QTcpSocket *socket)
{
    auto received = std::make_shared<QByteArray>();
    auto *idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->start(idleMilliseconds);

    connect(idle, &QTimer::timeout, socket, [socket] { socket->abort(); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received, idle] {
        if (!idle->isActive())
            return; // answered already; ignore anything that follows
        received->append(socket->readAll());
        DemoRequest request;
        const DemoRequestState state = parseDemoRequest(*received, request);
        if (state == DemoRequestState::Incomplete)
            return;
        idle->stop();
        const DemoReply reply = state == DemoRequestState::Complete
                                    ? answerDemoRequest(request, m_catalogue, m_options, m_squads)
                                    : badRequestReply();
        const auto send = [socket, line = demoLogLine(reply), bytes = serializeDemoReply(reply)] {
            logLine(line);
            socket->write(bytes);
            socket->disconnectFromHost(); // after the pending bytes are written
        };
        // A timer, not a sleep: other connections are served while this one waits, and a client that
        // hangs up meanwhile takes the pending reply with its socket.
        if (m_options.latencyMilliseconds > 0)
            QTimer::singleShot(m_options.latencyMilliseconds, socket, send);
        else
            send();
    });
}
