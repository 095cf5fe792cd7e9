#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <cstdint>

// The demo roster server of this build, run as a child process on a free loopback port for as long as
// the object lives.
class DemoServerProcess {
public:
    // The server beside the calling program's folder in the build tree (build/X/.. /tools/demo_server).
    static QString program();

    // Starts it with the extra options (e.g. --maintenance). Throws std::runtime_error when the server
    // cannot be found or does not say where it listens.
    explicit DemoServerProcess(const QStringList &options = {});
    ~DemoServerProcess();
    DemoServerProcess(const DemoServerProcess &) = delete;
    DemoServerProcess &operator=(const DemoServerProcess &) = delete;

    uint16_t port() const { return m_port; }
    // The next line the server prints (one per request), waiting up to 5 s for it.
    QByteArray nextLogLine();

private:
    QProcess m_process;
    uint16_t m_port = 0;
};
