#pragma once

#include "retrieval/reply_reader.h"
#include "retrieval/roster_exchange.h"
#include "retrieval/roster_request.h"

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

class QTcpSocket;

// One roster request on a connection of its own, driven by its socket's signals in the running event
// loop: it never waits itself, so any number run side by side while the window takes input. It keeps the
// limits of a single fetch: connecting, the reply's silence and the whole exchange. A failed reply is
// not read to its end: its connection is closed as soon as the reply is known to fail.
class PageRequest : public QObject {
    Q_OBJECT
public:
    explicit PageRequest(const ExchangeTimeouts &timeouts, QObject *parent = nullptr);
    ~PageRequest() override;

    // Connects and sends the request; finished() follows, never from inside this call.
    // An empty host or port 0 ends it as a reply that never came.
    void start(const ServerAddress &to, const std::string &request);
    // Ends the exchange at once; finished() does not follow.
    void abort();

    const ReplyReader &reply() const { return m_reader; }
    ExchangeOutcome outcome() const { return exchangeOutcome(m_reader, m_timedOut); }

Q_SIGNALS:
    void finished();

private:
    void onConnected();
    void onReadyRead();
    void onClosed();
    void onTimedOut();
    void end();

    ExchangeTimeouts m_timeouts;
    ReplyReader m_reader;
    std::unique_ptr<QTcpSocket> m_socket;
    std::string m_request;
    QTimer m_connectTimer;
    QTimer m_idleTimer;
    QTimer m_totalTimer;
    bool m_connected = false;
    bool m_timedOut = false;
    bool m_ended = false;
};
