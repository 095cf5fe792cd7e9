#pragma once

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

// Paths into the build tree, relative to the test binary.
inline QString buildPath(const char *relative)
{
    return QFileInfo(QCoreApplication::applicationDirPath() + QStringLiteral("/../") +
                     QString::fromUtf8(relative))
        .absoluteFilePath();
}

inline QString serverPath() { return buildPath("tools/demo_server/brindlemark-demo-server"); }

// The demo roster server as a child process on a free loopback port; stopped when destroyed.
class ServerProcess {
public:
    explicit ServerProcess(const QStringList &extra = {})
    {
        m_process.setProgram(serverPath());
        m_process.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0")} + extra);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
        }
        const QByteArray first = m_process.readLine().trimmed();
        const QByteArray prefix = "listening on 127.0.0.1:";
        if (first.startsWith(prefix))
            m_port = static_cast<quint16>(first.mid(prefix.size()).toUInt());
    }
    ~ServerProcess()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    quint16 port() const { return m_port; }

    QByteArray nextLogLine()
    {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
        }
        return m_process.readLine().trimmed();
    }

private:
    QProcess m_process;
    quint16 m_port = 0;
};
