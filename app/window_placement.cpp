#include "app/window_placement.h"

#include "settings/settings_store.h"
#include "text/app_error.h"

#include <QEvent>
#include <QSplitter>
#include <QWidget>

namespace {

const QString geometryKey = QStringLiteral("Geometry");

} // namespace

WindowPlacement::WindowPlacement(QWidget *window) : QObject(window), m_window(window)
{
    for (QSplitter *splitter : window->findChildren<QSplitter *>()) {
        if (splitter->objectName().isEmpty())
            continue;
        m_splitters[splitter->objectName()] = splitter;
        connect(splitter, &QSplitter::splitterMoved, this,
                [this, name = splitter->objectName()] { m_splitterMoved[name] = true; });
    }
    restore();
    window->installEventFilter(this);
}

void WindowPlacement::restore()
{
    // A store that cannot be read gives the starting arrangement; its owner hears of it from Settings.
    const SettingsStore store;
    if (!store.readable())
        return;
    const QString section = SettingsStore::windowSection();
    if (const QByteArray geometry = store.readBytes(geometryKey, section); !geometry.isEmpty())
        m_window->restoreGeometry(geometry);
    for (const auto &[name, splitter] : m_splitters)
        if (const QByteArray state = store.readBytes(name, section); !state.isEmpty())
            splitter->restoreState(state);
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        m_shownGeometry = m_window->saveGeometry();
    } else if (watched == m_window && event->type() == QEvent::Close) {
        save();
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::save() const
{
    const QByteArray geometry = m_window->saveGeometry();
    const bool windowMoved = m_shown && geometry != m_shownGeometry;
    if (!windowMoved && m_splitterMoved.empty())
        return;
    // The program is closing: a window state that cannot be kept is not worth a message.
    try {
        SettingsStore store;
        const QString section = SettingsStore::windowSection();
        if (windowMoved)
            store.writeBytes(geometryKey, geometry, section);
        for (const auto &[name, moved] : m_splitterMoved)
            store.writeBytes(name, m_splitters.at(name)->saveState(), section);
        store.close();
    } catch (const AppError &) {
    }
}
