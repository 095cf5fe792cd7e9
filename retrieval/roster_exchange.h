#pragma once

#include "retrieval/reply_reader.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <cstdint>
#include <memory>
#include <string>

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

// The socket rules every exchange shares, waiting or driven by signals.
// Feeds the reply what the socket holds, until the reply has come to its end.
void feedAvailable(QTcpSocket &socket, ReplyReader &reply);
// The connection is gone: a peer that closed has ended the data; any other error breaks the reply off.
void endOfConnection(const QTcpSocket &socket, ReplyReader &reply);

// One request on a connection of its own. The wait runs a local event loop that excludes user input,
// so the window repaints but nothing re-enters.
class RosterExchange {
public:
    explicit RosterExchange(ExchangeTimeouts timeouts = {}, ReplyReader::Limits limits = {});
    ~RosterExchange();

    // Connects, sends the request bytes and reads the reply. True when the reply succeeded.
    bool run(const std::string &host, uint16_t port, const std::string &request);

    const ReplyReader &reply() const { return m_reader; }
    // TimedOut when a wait for a reply still needed ran out (connecting, silence, the whole exchange's
    // limit); Incomplete when a 2xx body broke off before its length or its last chunk.
    ExchangeOutcome outcome() const;

    // After a failure: when the reply asked to keep the connection open and it still is, reads and
    // drops what it delivers until it closes (bounded). Returns the number of bytes dropped.
    size_t drainRest();

private:
    // Time charged to the exchange. It runs only inside run() and drainRest(), so whatever the caller
    // does between the two (a message box) is not charged.
    class SpentTime {
    public:
        void start();
        void stop();
        int64_t ms() const;

    private:
        QElapsedTimer m_running;
        int64_t m_spent = 0;
    };

    enum class Wake { Ready, Closed, TimedOut };
    Wake waitForSocket(int timeoutMs);
    bool connectTo(const std::string &host, uint16_t port);
    bool readReply();
    int totalLeftMs() const;
    // What is left for dropping the rest of a failed reply, its body and the drain together.
    int drainLeftMs() const;

    ExchangeTimeouts m_timeouts;
    ReplyReader m_reader;
    std::unique_ptr<QTcpSocket> m_socket;
    SpentTime m_total;
    SpentTime m_draining;
    // A wait for a reply that was still needed ran out.
    bool m_timedOut = false;
};
