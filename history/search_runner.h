#pragma once

#include "history/search_results.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>

// Searches the history on a thread of its own, with a connection of its own to the file, so the window
// stays usable while every stored week of a large history is searched. Searches run in the order asked;
// one overtaken by a later search before it starts is skipped, and only the last one asked is told.
class SearchRunner : public QObject {
    Q_OBJECT
public:
    explicit SearchRunner(QObject *parent = nullptr);
    // Lets the search under way end first.
    ~SearchRunner() override;
    SearchRunner(const SearchRunner &) = delete;
    SearchRunner &operator=(const SearchRunner &) = delete;

    // Searches the history file at the path; found() or failed() follows, through the event loop.
    void search(const QString &historyPath, const PlayerSearch &search);
    bool isSearching() const { return m_asked != m_told; }

Q_SIGNALS:
    void found(std::shared_ptr<const SearchResults> results);
    // The history could not be read; why, for the user.
    void failed(const QString &why);

private:
    class Work;

    void tell(uint64_t serial, const std::function<void()> &emitIt);

    std::shared_ptr<std::atomic<uint64_t>> m_latest = std::make_shared<std::atomic<uint64_t>>(0);
    uint64_t m_asked = 0;
    uint64_t m_told = 0;
    QThread m_thread;
    Work *m_work;
};
