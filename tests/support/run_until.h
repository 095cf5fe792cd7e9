#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <functional>

// Lets the event loop run until `done` holds or `ms` have passed; true when it holds. Requests,
// servers and windows all live on the test's thread, so this is how a test waits for them.
inline bool runUntil(const std::function<bool()> &done, int ms = 20000)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 20);
    }
    return true;
}
