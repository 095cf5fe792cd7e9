#include "bench/demo_server_process.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <stdexcept>

namespace {

// The bench lives in build/bench, the server in build/tools/demo_server.
QString serverProgram()
{
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../tools/demo_server/brindlemark-demo-server");
}

} // namespace

DemoServerProcess::DemoServerProcess()
{
    const QString program = serverProgram();
    if (!QFileInfo(program).isExecutable())
        throw std::runtime_error("demo server not found at " + program.toStdString());
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(program, {QStringLiteral("--port"), QStringLiteral("0")});
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
