#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdio>

// One line of progress on stderr, rewritten in place: only when stderr is a terminal, so a pipe or a
// journal gets nothing but results and messages.
class ProgressLine {
public:
    explicit ProgressLine(std::FILE *terminal = stderr);

    bool shown() const { return m_onTerminal; }
    // Starts the clock the time left is measured by.
    void start(int total);
    // "12 из 32, не получено 1, осталось ≈ 0:40"; the time left once a few are done. A `note` of the
    // caller's ("2,1 стр./с") follows.
    void update(int done, int failed, const QString &note = {});
    // Clears the line, so a message that follows starts at the left edge.
    void clear();

private:
    void show(const QString &text);

    std::FILE *m_terminal;
    bool m_onTerminal;
    bool m_dirty = false;
    int m_total = 0;
    QElapsedTimer m_clock;
};

// "1:05" or "1:02:05" for a number of seconds.
QString durationText(qint64 seconds);
