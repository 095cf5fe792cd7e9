#pragma once

#include "retrieval/reply_reader.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

class QTcpSocket;

// How long one exchange may wait; every wait is bounded.
struct ExchangeTimeouts {
    int connectMs = 15000;        // name lookup and connection
    int replyIdleMs = 30000;      // silence while the reply is still needed
    int failedBodyPieceMs = 2000; // each piece of a failed reply's body, which is dropped anyway
    int drainPieceMs = 2000;      // each piece left on a kept-alive connection after a failure
    int drainTotalMs = 5000;      // the rest of a failed reply's body and that drain, in all
    int totalMs = 90000;          // the whole exchange: connect, send, reply and drain together
};

// How an exchange ended.
enum class ExchangeOutcome {
    Succeeded,  // a whole 2xx reply without a Location header
    Failed,     // no connection, an error status, a malformed or refused reply
    TimedOut,   // a wait or the whole exchange ran past its limit
    Incomplete, // the body ended before its announced length or last chunk
};

// How a reply read so far ends: TimedOut when a wait for it ran out (`timedOut`), Incomplete when a 2xx
// body broke off before its length or its last chunk.
ExchangeOutcome exchangeOutcome(const ReplyReader &reply, bool timedOut);

// One roster request on a connection of its own, driven by its socket's signals in the running event
// loop: it never waits itself, so any number run side by side while the window takes input. Every wait
// is bounded: connecting, the reply's silence and the whole exchange. The rest of a failed reply, and
// what a kept-alive connection still delivers after it, is read and dropped within one allowance, and
// counted (drained()).
class PageRequest : public QObject {
    Q_OBJECT
public:
    explicit PageRequest(const ExchangeTimeouts &timeouts, ReplyReader::Limits limits = {},
                         QObject *parent = nullptr);
    ~PageRequest() override;

    // Connects and sends the request; finished() follows, never from inside this call. An empty host or
    // port 0 ends it as a reply that never came.
    void start(const std::string &host, uint16_t port, const std::string &request);
    // Ends the exchange at once; finished() does not follow.
    void abort();

    const ReplyReader &reply() const { return m_reader; }
    ReplyReader &reply() { return m_reader; }
    ExchangeOutcome outcome() const { return exchangeOutcome(m_reader, m_timedOut); }
    // The bytes dropped after a failed reply on a connection it asked to keep open, its surplus included.
    size_t drained() const { return m_drained; }

Q_SIGNALS:
    void finished();

private:
    void onConnected();
    void onReadyRead();
    void onClosed();
    void onWaitOver();
    void onTotalOver();
    void readReply();
    void startDrain();
    int dropLeftMs();
    void end();

    ExchangeTimeouts m_timeouts;
    ReplyReader m_reader;
    std::unique_ptr<QTcpSocket> m_socket;
    std::string m_request;
    QTimer m_connectTimer;
    QTimer m_waitTimer; // the reply's silence, or one piece of what is dropped
    QTimer m_totalTimer;
    // Runs from the moment the reply is known to fail: its rest and the drain share one allowance.
    QElapsedTimer m_dropping;
    size_t m_drained = 0;
    bool m_connected = false;
    bool m_draining = false;
    bool m_timedOut = false;
    bool m_ended = false;
};

// The socket rules every exchange shares.
// Feeds the reply what the socket holds, until the reply has come to its end.
void feedAvailable(QTcpSocket &socket, ReplyReader &reply);
// The connection is gone: a peer that closed has ended the data; any other error breaks the reply off.
void endOfConnection(const QTcpSocket &socket, ReplyReader &reply);
