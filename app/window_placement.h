#pragma once

#include <QByteArray>
#include <QObject>
#include <map>

class QSplitter;
class QWidget;

// Where the user left the main window: its size, place and splitters, kept in the settings' [Window]
// section. It restores them as it is made and writes, when the window closes, only what the user moved
// since: a window nobody touched leaves the settings file as it was.
class WindowPlacement : public QObject {
    Q_OBJECT
public:
    // Restores the window (before it is shown) and every splitter in it that has an object name.
    explicit WindowPlacement(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void restore();
    void save() const;

    QWidget *m_window;
    // The geometry once the window was first shown: a window placed by the desktop alone is no move.
    QByteArray m_shownGeometry;
    bool m_shown = false;
    std::map<QString, QSplitter *> m_splitters;
    std::map<QString, bool> m_splitterMoved;
};
