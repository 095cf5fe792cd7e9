#pragma once

#include "history/history_store.h"

#include <QString>

// The history as the fetches use it: every page read goes in, and a failure to keep one is told once
// a run, so a full disk does not stop a division run with a box per team.
class HistoryKeeper {
public:
    // Opens the file. Returns what the user must be told (a broken file set aside, a file that cannot be
    // opened), or nothing.
    QString open(const QString &path);
    // The time before which fetches are older than `keepMonths` months (0 keeps all: nothing is).
    static QDateTime keepSince(int keepMonths, const QDateTime &now = QDateTime::currentDateTimeUtc());
    // What keeping `keepMonths` months would keep and drop; throws HistoryError.
    PruneCount prunable(int keepMonths) const;
    // Drops the fetches older than `keepMonths` months, each team's last of each kind spared; returns how
    // many went. Throws HistoryError.
    int prune(int keepMonths);
    bool isOpen() const { return m_store.isOpen(); }
    HistoryStore &store() { return m_store; }

    // Keeps one page a fetch read. Returns the message to show, once a run; nothing while the history
    // was never opened (a window without one, as in tests) or the page is not a whole roster page.
    QString keep(int32_t teamId, PageKind kind, const std::string &page, const PageReading &reading);

private:
    QString onceARun(const HistoryOutcome &outcome);

    HistoryStore m_store;
    bool m_opened = false;
    bool m_told = false;
};
