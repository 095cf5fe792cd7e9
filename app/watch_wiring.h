#pragma once

#include "board/watch_check.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class BoardPage;
class QComboBox;
class QTabWidget;
class SettingsDialog;

// The window's side of the watch list. The board's check asks the Settings dialog, which keeps the list
// in the settings, and the dialog names the divisions as the choice panel does. At start, which watched
// divisions are due is worked out off the window's thread and offered on the board, whose tab is marked
// while an offer stands; taking an offer chooses that division in the choice panel, as the user would,
// and refreshes it.
class WatchWiring : public QObject {
    Q_OBJECT
public:
    struct Controls {
        BoardPage *board = nullptr;
        QComboBox *divisionBox = nullptr;
        QTabWidget *tabs = nullptr;
    };

    WatchWiring(const Controls &controls, QObject *parent);
    ~WatchWiring() override;

    void setSettingsDialog(SettingsDialog *settings);
    // Starts the check over the history file at the path; nothing when no division is watched.
    void offerDueRefreshes(const QString &historyPath);

private:
    bool isWatched(int32_t divisionId) const;
    void offer(const std::vector<DueDivision> &due);
    void onOfferTaken(int32_t divisionId);
    void markBoardTab();

    Controls m_controls;
    QPointer<SettingsDialog> m_settings;
    std::unique_ptr<WatchCheck> m_check;
};
