#include "cli/progress_line.h"

#include <QCoreApplication>
#include <unistd.h>

ProgressLine::ProgressLine(std::FILE *terminal)
    : m_terminal(terminal), m_onTerminal(::isatty(::fileno(terminal)) == 1)
{
}

void ProgressLine::start(int total)
{
    m_total = total;
    m_clock.start();
}

void ProgressLine::update(int done, int failed, const QString &note)
{
    if (!m_onTerminal)
        return;
    QString text = QCoreApplication::translate("ProgressLine", "%1 из %2").arg(done).arg(m_total);
    if (failed > 0)
        text += QCoreApplication::translate("ProgressLine", ", не получено %1").arg(failed);
    if (done > 0 && done < m_total) {
        const qint64 left = m_clock.elapsed() * (m_total - done) / done / 1000;
        text += QCoreApplication::translate("ProgressLine", ", осталось ≈ %1").arg(durationText(left));
    }
    if (!note.isEmpty())
        text += QStringLiteral(", ") + note;
    show(text);
}

void ProgressLine::clear()
{
    if (!m_dirty)
        return;
    std::fputs("\r\x1b[K", m_terminal);
    std::fflush(m_terminal);
    m_dirty = false;
}

void ProgressLine::show(const QString &text)
{
    // Carriage return, the text, then clear to the end of the line: a shorter text leaves nothing behind.
    const QByteArray line = "\r" + text.toLocal8Bit() + "\x1b[K";
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), m_terminal);
    std::fflush(m_terminal);
    m_dirty = true;
}

QString durationText(qint64 seconds)
{
    const qint64 hours = seconds / 3600;
    const QString minutesAndSeconds =
        QStringLiteral("%1:%2")
            .arg(hours > 0 ? (seconds / 60) % 60 : seconds / 60, hours > 0 ? 2 : 1, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QString::number(hours) + QLatin1Char(':') + minutesAndSeconds : minutesAndSeconds;
}
