#include "retrieval/roster_exchange.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkProxy>
#include <QTimer>

RosterExchange::RosterExchange(ExchangeTimeouts timeouts, ReplyReader::Limits limits)
    : m_timeouts(timeouts), m_reader(limits), m_socket(std::make_unique<QTcpSocket>())
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
}

RosterExchange::~RosterExchange() { m_socket->abort(); }

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
    if (host.empty() || port == 0) {
        m_reader.finish();
        return false;
    }
    m_socket->connectToHost(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())), port);
    QElapsedTimer connecting;
    connecting.start();
    while (m_socket->state() != QAbstractSocket::ConnectedState) {
        const int left = m_timeouts.connectMs - static_cast<int>(connecting.elapsed());
        if (m_socket->state() == QAbstractSocket::UnconnectedState || left <= 0 ||
            waitForSocket(left) == Wake::TimedOut) {
            m_socket->abort();
            m_reader.finish();
            return false;
        }
    }
    m_socket->write(request.data(), static_cast<qint64>(request.size()));
    return readReply();
}

bool RosterExchange::readReply()
{
    while (!m_reader.finished()) {
        if (m_socket->bytesAvailable() > 0) {
            const QByteArray piece = m_socket->readAll();
            m_reader.feed(std::string_view(piece.constData(), static_cast<size_t>(piece.size())));
            continue;
        }
        if (m_socket->state() != QAbstractSocket::ConnectedState) {
            // A peer that closed has ended the data; a reset or any other error is a failure.
            if (m_socket->error() == QAbstractSocket::RemoteHostClosedError ||
                m_socket->error() == QAbstractSocket::UnknownSocketError)
                m_reader.finish();
            else
                m_reader.abandon();
            break;
        }
        const bool failedReply = m_reader.knownToFail();
        const Wake wake = waitForSocket(failedReply ? m_timeouts.failedBodyPieceMs : m_timeouts.replyIdleMs);
        if (wake == Wake::TimedOut) {
            if (failedReply)
                break; // the rest of a failed reply is not worth waiting for
            m_reader.abandon();
        }
    }
    return m_reader.succeeded();
}

ExchangeOutcome RosterExchange::outcome() const
{
    return m_reader.succeeded() ? ExchangeOutcome::Succeeded : ExchangeOutcome::Failed;
}

size_t RosterExchange::drainRest()
{
    if (!m_reader.headersComplete() || !m_reader.keepAlive())
        return 0;
    size_t drained = m_reader.surplus();
    QElapsedTimer total;
    total.start();
    while (true) {
        if (m_socket->bytesAvailable() > 0) {
            drained += static_cast<size_t>(m_socket->readAll().size());
            continue;
        }
        const int left = m_timeouts.drainTotalMs - static_cast<int>(total.elapsed());
        if (m_socket->state() != QAbstractSocket::ConnectedState || left <= 0)
            break;
        if (waitForSocket(std::min(left, m_timeouts.drainPieceMs)) == Wake::TimedOut)
            break;
    }
    return drained;
}
