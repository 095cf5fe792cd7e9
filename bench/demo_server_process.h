#pragma once

#include <QProcess>
#include <cstdint>

// The demo roster server of this build, run as a child process on a free loopback port for as long as
// the object lives.
class DemoServerProcess {
public:
    // Throws std::runtime_error when the server cannot be found or does not say where it listens.
    DemoServerProcess();
    ~DemoServerProcess();
    DemoServerProcess(const DemoServerProcess &) = delete;
    DemoServerProcess &operator=(const DemoServerProcess &) = delete;

    uint16_t port() const { return m_port; }

private:
    QProcess m_process;
    uint16_t m_port = 0;
};
