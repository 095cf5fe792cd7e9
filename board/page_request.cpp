#include "board/page_request.h"

#include <QNetworkProxy>
#include <QTcpSocket>

PageRequest::PageRequest(const ExchangeTimeouts &timeouts, QObject *parent)
    : QObject(parent), m_timeouts(timeouts), m_socket(std::make_unique<QTcpSocket>())
{
    m_socket->setProxy(QNetworkProxy::NoProxy);
    for (QTimer *timer : {&m_connectTimer, &m_idleTimer, &m_totalTimer}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &PageRequest::onTimedOut);
    }
    connect(m_socket.get(), &QTcpSocket::connected, this, &PageRequest::onConnected);
    connect(m_socket.get(), &QTcpSocket::readyRead, this, &PageRequest::onReadyRead);
    connect(m_socket.get(), &QTcpSocket::disconnected, this, &PageRequest::onClosed);
    connect(m_socket.get(), &QTcpSocket::errorOccurred, this, &PageRequest::onClosed);
}

PageRequest::~PageRequest() { abort(); }

void PageRequest::start(const ServerAddress &to, const std::string &request)
{
    m_request = request;
    if (to.host.empty() || to.port == 0) {
        // Told from the event loop, like every other ending, so the caller is never re-entered.
        QTimer::singleShot(0, this, [this] {
            m_reader.finish();
            end();
        });
        return;
    }
    m_connectTimer.start(m_timeouts.connectMs);
    m_totalTimer.start(m_timeouts.totalMs);
    m_socket->connectToHost(QString::fromLatin1(to.host.data(), static_cast<qsizetype>(to.host.size())),
                            to.port);
}

void PageRequest::abort()
{
    m_ended = true;
    for (QTimer *timer : {&m_connectTimer, &m_idleTimer, &m_totalTimer})
        timer->stop();
    m_socket->disconnect(this);
    m_socket->abort();
}

void PageRequest::onConnected()
{
    m_connected = true;
    m_connectTimer.stop();
    m_idleTimer.start(m_timeouts.replyIdleMs);
    m_socket->write(m_request.data(), static_cast<qint64>(m_request.size()));
}

void PageRequest::onReadyRead()
{
    if (m_ended)
        return;
    feedAvailable(*m_socket, m_reader);
    // The rest of a failed reply would be dropped anyway.
    if (m_reader.finished() || m_reader.knownToFail())
        end();
    else
        m_idleTimer.start(m_timeouts.replyIdleMs);
}

void PageRequest::onClosed()
{
    if (m_ended)
        return;
    feedAvailable(*m_socket, m_reader);
    // No connection at all is no reply.
    if (m_connected)
        endOfConnection(*m_socket, m_reader);
    else
        m_reader.finish();
    end();
}

void PageRequest::onTimedOut()
{
    if (m_ended)
        return;
    m_timedOut = true;
    m_reader.abandon();
    end();
}

void PageRequest::end()
{
    if (m_ended)
        return;
    abort();
    Q_EMIT finished();
}
