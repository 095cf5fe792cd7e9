#include "tools/demo_server/demo_server_process.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <stdexcept>

QString DemoServerProcess::program()
{
    return QFileInfo(QCoreApplication::applicationDirPath() +
                     QStringLiteral("/../tools/demo_server/brindlemark-demo-server"))
        .absoluteFilePath();
}

DemoServerProcess::DemoServerProcess(const QStringList &options)
{
    const QString program = DemoServerProcess::program();
    if (!QFileInfo(program).isExecutable())
        throw std::runtime_error("demo server not found at " + program.toStdString());
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(program, QStringList{QStringLiteral("--port"), QStringLiteral("0")} + options);
    if (!m_process.waitForStarted(10000))
        throw std::runtime_error("demo server did not start: " + m_process.errorString().toStdString());
    while (!m_process.canReadLine())
        if (!m_process.waitForReadyRead(10000))
            throw std::runtime_error("demo server said nothing: " +
                                     QString::fromLocal8Bit(m_process.readAllStandardError()).toStdString());
    // "listening on 127.0.0.1:PORT"
    const QByteArray line = m_process.readLine().trimmed();
    const QByteArray prefix = "listening on 127.0.0.1:";
    bool ok = false;
    const uint port = line.startsWith(prefix) ? line.mid(prefix.size()).toUInt(&ok) : 0;
    if (!ok || port == 0 || port > 65535)
        throw std::runtime_error("unexpected first line from the demo server: " + line.toStdString());
    m_port = static_cast<uint16_t>(port);
}

DemoServerProcess::~DemoServerProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QByteArray DemoServerProcess::nextLogLine()
{
    while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
    }
    return m_process.readLine().trimmed();
}
