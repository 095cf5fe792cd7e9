#pragma once

#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_http.h"

#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// Answers each connection's single request on the loopback address, then closes it, the way the game's
// roster server does for HTTP/1.0, after the options' latency when one is set. One line per answered
// request goes to standard output as the reply leaves.
class DemoRosterServer : public QObject {
    Q_OBJECT
public:
    DemoRosterServer(DemoCatalogue catalogue, DemoServerOptions options, QObject *parent = nullptr);

    // Listens on 127.0.0.1; port 0 picks a free one. Returns false with the reason in errorString().
    bool listen(quint16 port);
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

private:
    void accept();
    void serve(QTcpSocket *socket);

    DemoCatalogue m_catalogue;
    DemoServerOptions m_options;
    DemoWeekSquads m_squads;
    QTcpServer m_server;
};
