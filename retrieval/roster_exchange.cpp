#include "retrieval/roster_exchange.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QTimer>
#include <algorithm>

namespace {

// Runs a clock for the length of a scope, on every way out of it.
template <class Clock> class Charging {
public:
    explicit Charging(Clock &clock) : m_clock(clock) { m_clock.start(); }
    ~Charging() { m_clock.stop(); }
    Charging(const Charging &) = delete;
    Charging &operator=(const Charging &) = delete;

private:
    Clock &m_clock;
};

} // namespace

void RosterExchange::SpentTime::start()
{
    if (!m_running.isValid())
        m_running.start();
}

void RosterExchange::SpentTime::stop()
{
    if (m_running.isValid()) {
        m_spent += m_running.elapsed();
        m_running.invalidate();
    }
}

int64_t RosterExchange::SpentTime::ms() const
{
    return m_spent + (m_running.isValid() ? m_running.elapsed() : 0);
}

RosterExchange::RosterExchange(ExchangeTimeouts timeouts, ReplyReader::Limits limits)
    : m_timeouts(timeouts), m_reader(limits), m_socket(std::make_unique<QTcpSocket>())
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
}

RosterExchange::~RosterExchange() { m_socket->abort(); }

int RosterExchange::totalLeftMs() const
{
    return static_cast<int>(std::max<int64_t>(m_timeouts.totalMs - m_total.ms(), 0));
}

int RosterExchange::drainLeftMs() const
{
    const auto left = static_cast<int>(std::max<int64_t>(m_timeouts.drainTotalMs - m_draining.ms(), 0));
    return std::min(left, totalLeftMs());
}

RosterExchange::Wake RosterExchange::waitForSocket(int timeoutMs)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(m_socket.get(), &QTcpSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(m_socket.get(), &QTcpSocket::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(m_socket.get(), &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(m_socket.get(), &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (timedOut)
        return Wake::TimedOut;
    return m_socket->state() == QAbstractSocket::ConnectedState ? Wake::Ready : Wake::Closed;
}

bool RosterExchange::run(const std::string &host, uint16_t port, const std::string &request)
{
    const Charging charged(m_total);
    if (!connectTo(host, port)) {
        m_reader.finish();
        return false;
    }
    m_socket->write(request.data(), static_cast<qint64>(request.size()));
    return readReply();
}

bool RosterExchange::connectTo(const std::string &host, uint16_t port)
{
    if (host.empty() || port == 0)
        return false;
    m_socket->connectToHost(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())), port);
    QElapsedTimer connecting;
    connecting.start();
    while (m_socket->state() != QAbstractSocket::ConnectedState) {
        if (m_socket->state() == QAbstractSocket::UnconnectedState) {
            m_socket->abort();
            return false;
        }
        const int left =
            std::min(m_timeouts.connectMs - static_cast<int>(connecting.elapsed()), totalLeftMs());
        if (left <= 0 || waitForSocket(left) == Wake::TimedOut) {
            m_socket->abort();
            m_timedOut = true;
            return false;
        }
    }
    return true;
}

bool RosterExchange::readReply()
{
    while (!m_reader.finished()) {
        if (m_socket->bytesAvailable() > 0) {
            feedAvailable(*m_socket, m_reader);
            continue;
        }
        if (m_socket->state() != QAbstractSocket::ConnectedState) {
            endOfConnection(*m_socket, m_reader);
            break;
        }
        // The rest of a failed reply is dropped anyway: it shares the drain's allowance.
        const bool failedReply = m_reader.knownToFail();
        if (failedReply)
            m_draining.start();
        const int left = failedReply ? std::min(m_timeouts.failedBodyPieceMs, drainLeftMs())
                                     : std::min(m_timeouts.replyIdleMs, totalLeftMs());
        if (left <= 0 || waitForSocket(left) == Wake::TimedOut) {
            if (!failedReply) {
                m_reader.abandon();
                m_timedOut = true;
            }
            break;
        }
    }
    m_draining.stop();
    return m_reader.succeeded();
}

void feedAvailable(QTcpSocket &socket, ReplyReader &reply)
{
    while (socket.bytesAvailable() > 0 && !reply.finished()) {
        const QByteArray piece = socket.readAll();
        reply.feed(std::string_view(piece.constData(), static_cast<size_t>(piece.size())));
    }
}

void endOfConnection(const QTcpSocket &socket, ReplyReader &reply)
{
    const QAbstractSocket::SocketError error = socket.error();
    if (error == QAbstractSocket::RemoteHostClosedError || error == QAbstractSocket::UnknownSocketError)
        reply.finish();
    else
        reply.abandon();
}

ExchangeOutcome exchangeOutcome(const ReplyReader &reply, bool timedOut)
{
    if (reply.succeeded())
        return ExchangeOutcome::Succeeded;
    if (timedOut)
        return ExchangeOutcome::TimedOut;
    // A body cut short matters when it was the page; an error reply fails as what it is.
    if (reply.incomplete() && reply.isPageStatus())
        return ExchangeOutcome::Incomplete;
    return ExchangeOutcome::Failed;
}

ExchangeOutcome RosterExchange::outcome() const { return exchangeOutcome(m_reader, m_timedOut); }

size_t RosterExchange::drainRest()
{
    if (!m_reader.headersComplete() || !m_reader.keepAlive())
        return 0;
    const Charging charged(m_total);
    const Charging draining(m_draining);
    size_t drained = m_reader.surplus();
    while (true) {
        if (m_socket->bytesAvailable() > 0) {
            drained += static_cast<size_t>(m_socket->readAll().size());
            continue;
        }
        const int left = std::min(m_timeouts.drainPieceMs, drainLeftMs());
        if (m_socket->state() != QAbstractSocket::ConnectedState || left <= 0)
            break;
        if (waitForSocket(left) == Wake::TimedOut)
            break;
    }
    return drained;
}
