#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

// A roster server stand-in on 127.0.0.1: records each request's bytes and answers with canned bytes.
// It runs on the test's own thread; the client's local event loop drives it.
class LoopbackServer : public QObject {
public:
    enum class Ending { Close, KeepOpen, Reset };

    LoopbackServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    quint16 port() const { return m_server.serverPort(); }

    // What to send once a whole request (headers and Content-Length body) has arrived.
    std::string reply;
    // Chooses the reply from the request instead, when set.
    std::function<std::string(const std::string &request)> replyFor;
    Ending ending = Ending::Close;
    bool answer = true;        // false: accept, read, never send anything
    int trickleIntervalMs = 0; // >0: send the reply one byte per interval
    // When set, how long each request waits before its reply, in milliseconds; below 0: no reply.
    std::function<int(const std::string &request)> delayFor;
    std::vector<std::string> requests;
    int connections = 0;

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++connections;
            socket->setParent(this);
            auto *buffer = new std::string;
            QObject::connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
            QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                const QByteArray bytes = socket->readAll();
                buffer->append(bytes.constData(), static_cast<size_t>(bytes.size()));
                if (requestComplete(*buffer)) {
                    requests.push_back(*buffer);
                    buffer->clear();
                    respond(socket, requests.back());
                }
            });
        }
    }

    static bool requestComplete(const std::string &bytes)
    {
        const size_t end = bytes.find("\r\n\r\n");
        if (end == std::string::npos)
            return false;
        size_t length = 0;
        const size_t at = bytes.find("Content-Length: ");
        if (at != std::string::npos && at < end)
            length = std::stoul(bytes.substr(at + 16));
        return bytes.size() >= end + 4 + length;
    }

    void respond(QTcpSocket *socket, const std::string &request)
    {
        if (!answer)
            return;
        const int delayMs = delayFor ? delayFor(request) : 0;
        if (delayMs < 0)
            return;
        if (delayMs > 0) {
            QTimer::singleShot(delayMs, socket, [this, socket, request] { send(socket, request); });
            return;
        }
        send(socket, request);
    }

    void send(QTcpSocket *socket, const std::string &request)
    {
        const std::string bytes = replyFor ? replyFor(request) : reply;
        if (trickleIntervalMs > 0) {
            auto *timer = new QTimer(socket);
            auto sent = std::make_shared<size_t>(0);
            QObject::connect(timer, &QTimer::timeout, socket, [this, socket, timer, bytes, sent] {
                if (*sent < bytes.size()) {
                    socket->write(bytes.data() + (*sent)++, 1);
                } else {
                    timer->stop();
                    finish(socket);
                }
            });
            timer->start(trickleIntervalMs);
            return;
        }
        socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
        finish(socket);
    }

    void finish(QTcpSocket *socket)
    {
        socket->flush();
        if (ending == Ending::Close)
            socket->disconnectFromHost();
        else if (ending == Ending::Reset) {
            socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            // Linger 0 turns the close into a reset.
            const int fd = static_cast<int>(socket->socketDescriptor());
            resetSocket(fd);
            socket->abort();
        }
    }

    static void resetSocket(int fd);

    QTcpServer m_server;
};
