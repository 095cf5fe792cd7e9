#pragma once

#include <QObject>

class QSocketNotifier;

// SIGINT and SIGTERM turned into a Qt signal. The handler only writes the signal's number into a pipe;
// the event loop reads it and tells stopRequested(), so nothing but that write happens in the handler.
// One object for the process; the handlers are in place while it lives.
class StopSignals : public QObject {
    Q_OBJECT
public:
    StopSignals();
    ~StopSignals() override;
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    // The signal that asked for the stop, 0 while none did.
    int received() const { return m_received; }
    // Ends the process by the signal received, as if it had not been caught, so the parent sees why.
    // Returns only when no signal was received.
    void endByReceivedSignal() const;

Q_SIGNALS:
    // Told once, at the first signal.
    void stopRequested();

private:
    void onPipeReadable();

    QSocketNotifier *m_notifier = nullptr;
    int m_received = 0;
};
