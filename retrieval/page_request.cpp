#include "retrieval/page_request.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <algorithm>

PageRequest::PageRequest(const ExchangeTimeouts &timeouts, ReplyReader::Limits limits, QObject *parent)
    : QObject(parent), m_timeouts(timeouts), m_reader(limits), m_socket(std::make_unique<QTcpSocket>())
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
    for (QTimer *timer : {&m_connectTimer, &m_waitTimer, &m_totalTimer})
        timer->setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, &PageRequest::onWaitOver);
    connect(&m_waitTimer, &QTimer::timeout, this, &PageRequest::onWaitOver);
    connect(&m_totalTimer, &QTimer::timeout, this, &PageRequest::onTotalOver);
    connect(m_socket.get(), &QTcpSocket::connected, this, &PageRequest::onConnected);
    connect(m_socket.get(), &QTcpSocket::readyRead, this, &PageRequest::onReadyRead);
    connect(m_socket.get(), &QTcpSocket::disconnected, this, &PageRequest::onClosed);
    connect(m_socket.get(), &QTcpSocket::errorOccurred, this, &PageRequest::onClosed);
}

PageRequest::~PageRequest() { abort(); }

void PageRequest::start(const std::string &host, uint16_t port, const std::string &request)
{
    m_request = request;
    if (host.empty() || port == 0) {
        // Told from the event loop, like every other ending, so the caller is never re-entered.
        QTimer::singleShot(0, this, [this] {
            m_reader.finish();
            end();
        });
        return;
    }
    m_connectTimer.start(m_timeouts.connectMs);
    m_totalTimer.start(m_timeouts.totalMs);
    m_socket->connectToHost(QString::fromLatin1(host.data(), static_cast<qsizetype>(host.size())), port);
}

void PageRequest::abort()
{
    m_ended = true;
    for (QTimer *timer : {&m_connectTimer, &m_waitTimer, &m_totalTimer})
        timer->stop();
    m_socket->disconnect(this);
    m_socket->abort();
}

void PageRequest::onConnected()
{
    m_connected = true;
    m_connectTimer.stop();
    m_waitTimer.start(m_timeouts.replyIdleMs);
    m_socket->write(m_request.data(), static_cast<qint64>(m_request.size()));
}

int PageRequest::dropLeftMs()
{
    if (!m_dropping.isValid())
        m_dropping.start();
    return static_cast<int>(std::max<int64_t>(m_timeouts.drainTotalMs - m_dropping.elapsed(), 0));
}

void PageRequest::onReadyRead()
{
    if (m_ended)
        return;
    if (m_draining) {
        m_drained += static_cast<size_t>(m_socket->readAll().size());
        const int left = std::min(m_timeouts.drainPieceMs, dropLeftMs());
        if (left <= 0)
            end();
        else
            m_waitTimer.start(left);
        return;
    }
    feedAvailable(*m_socket, m_reader);
    readReply();
}

// Where the reply stands after new bytes: whole, failed and being dropped, or still wanted.
void PageRequest::readReply()
{
    if (m_reader.finished()) {
        if (m_reader.succeeded())
            end();
        else
            startDrain();
        return;
    }
    if (!m_reader.knownToFail()) {
        m_waitTimer.start(m_timeouts.replyIdleMs);
        return;
    }
    const int left = std::min(m_timeouts.failedBodyPieceMs, dropLeftMs());
    if (left <= 0)
        startDrain();
    else
        m_waitTimer.start(left);
}

void PageRequest::startDrain()
{
    // Only a reply that asked to keep its connection has anything after it worth reading.
    if (!m_reader.headersComplete() || !m_reader.keepAlive()) {
        end();
        return;
    }
    m_draining = true;
    m_drained += m_reader.surplus();
    m_drained += static_cast<size_t>(m_socket->readAll().size());
    const int left = std::min(m_timeouts.drainPieceMs, dropLeftMs());
    if (left <= 0 || m_socket->state() != QAbstractSocket::ConnectedState)
        end();
    else
        m_waitTimer.start(left);
}

void PageRequest::onClosed()
{
    if (m_ended)
        return;
    if (m_draining) {
        m_drained += static_cast<size_t>(m_socket->readAll().size());
        end();
        return;
    }
    feedAvailable(*m_socket, m_reader);
    // No connection at all is no reply.
    if (m_connected)
        endOfConnection(*m_socket, m_reader);
    else
        m_reader.finish();
    if (m_reader.succeeded())
        end();
    else
        startDrain();
}

void PageRequest::onWaitOver()
{
    if (m_ended)
        return;
    // A failed reply fails as what it is; the drain simply gives up.
    if (m_draining) {
        end();
        return;
    }
    if (m_reader.knownToFail()) {
        startDrain();
        return;
    }
    m_timedOut = true;
    m_reader.abandon();
    end();
}

void PageRequest::onTotalOver()
{
    if (m_ended)
        return;
    if (!m_draining && !m_reader.knownToFail()) {
        m_timedOut = true;
        m_reader.abandon();
    }
    end();
}

void PageRequest::end()
{
    if (m_ended)
        return;
    abort();
    Q_EMIT finished();
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
    // Qt reads a reset as the peer closing, so a body without a length is judged by its page as well.
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
