#include "cli/stop_signals.h"

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Read end [0] and write end [1]; -1 while no StopSignals lives.
std::array<int, 2> stopPipe{-1, -1};

constexpr std::array<int, 2> stopSignals{SIGINT, SIGTERM};

extern "C" void onStopSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request: the byte may be dropped.
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
    errno = savedErrno;
}

void setHandler(int signalNumber, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signalNumber, &action, nullptr);
}

} // namespace

StopSignals::StopSignals()
{
    if (::pipe2(stopPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return; // no pipe, no clean stop: the signals keep their default and end the process
    m_notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::onPipeReadable);
    for (const int signalNumber : stopSignals)
        setHandler(signalNumber, onStopSignal);
}

StopSignals::~StopSignals()
{
    if (m_notifier == nullptr)
        return;
    for (const int signalNumber : stopSignals)
        setHandler(signalNumber, SIG_DFL);
    ::close(stopPipe[0]);
    ::close(stopPipe[1]);
    stopPipe = {-1, -1};
}

void StopSignals::onPipeReadable()
{
    unsigned char byte = 0;
    while (::read(stopPipe[0], &byte, 1) == 1) {
        if (m_received != 0)
            continue;
        m_received = byte;
        Q_EMIT stopRequested();
    }
}

void StopSignals::endByReceivedSignal() const
{
    if (m_received == 0)
        return;
    setHandler(m_received, SIG_DFL);
    ::raise(m_received);
}
