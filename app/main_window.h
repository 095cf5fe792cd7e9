#pragma once

#include "analysis/growth_fit.h"
#include "app/main_page.h"

#include <QMainWindow>
#include <memory>

class HistoryKeeper;
class WatchWiring;
class ProjectionPage;
class AboutDialog;
class QMenu;
class SettingsDialog;
class QAction;
class QComboBox;
class QMenuBar;
class QTabWidget;
class QTreeView;
namespace Ui {
class MainWindow;
}

// The main window: its menus and tabs, each tab's piece wired to its controls (the main page, the
// projection, the history, the division board), and the two dialogs.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The dialogs are created after the main window; until then the defaults apply.
    void setAboutDialog(AboutDialog *about) { m_about = about; }
    void setSettingsDialog(SettingsDialog *settings);
    void setExchangeTimeouts(const ExchangeTimeouts &timeouts);
    // Opens the fetch history at the path and drops what the settings say is too old. Without this
    // call nothing is kept.
    void openHistory(const QString &path);
    // The user's own team and levels, from the settings: the projection's levels start from them and the
    // game's steps a week are read from the team's growth.
    void setOwnTeam(const OwnTeam &own);
    // Offers on the board to refresh the watched divisions the history has not had for their interval;
    // worked out off the window's thread, so the start does not wait for it.
    void offerDueRefreshes();

    // Starts fetching one team's page; it is shown, or its failure told, when it arrives.
    void fetchTeam(int32_t teamId, PageKind kind) { m_main->fetchTeam(teamId, kind); }
    // A single fetch or a division run is under way.
    bool isFetching() const { return m_main->isFetching(); }
    // Appends the team on view, with the list of the open tab, to the file.
    void saveTeamOnView(const QString &fileName) { m_main->saveTeamOnView(fileName); }
    const RunSnapshots &snapshots() const { return m_main->snapshots(); }
    int64_t sessionBytes() const { return m_main->sessionBytes(); }

protected:
    // Closing ends the division board's refresh (what arrived is kept) and any fetch of the main page
    // (what is under way is dropped).
    void closeEvent(QCloseEvent *event) override;
    // Esc that no control took stops a fetch or a division run under way.
    void keyPressEvent(QKeyEvent *event) override;

private:
    MainPageControls mainPageControls() const;
    void wireCommands();
    void onTopTabChanged();
    void wireBoard();
    void wireSearch();
    void onTalentListMenu(const QPoint &pos);
    void onProjectionChosen();
    void onDevelopmentChosen();
    std::optional<int> teamProductOnView() const;
    void wireOwnTeam(SettingsDialog *settings);
    void showDevelopment(int32_t teamId, const std::string &name, const std::string &country);
    void onRereadHistory();
    void showStoredFetch(int64_t fetchId);

    std::unique_ptr<Ui::MainWindow> m_ui;
    // The controls this code works, by what they are.
    struct Controls {
        QAction *exitAction = nullptr;
        QAction *settingsAction = nullptr;
        QAction *aboutAction = nullptr;
        QAction *projectionAction = nullptr;
        QMenuBar *mainMenu = nullptr;
        QTreeView *talentList = nullptr;
        QTabWidget *topTabs = nullptr;
        QTabWidget *listTabs = nullptr;
        QComboBox *divisionBox = nullptr;
    };
    Controls m_controls;
    MainPage *m_main = nullptr;
    ProjectionPage *m_projection = nullptr;
    OwnTeam m_ownTeam;
    WatchWiring *m_watch = nullptr;
    // Shared with the Settings dialog's count, which may outlive the window.
    std::shared_ptr<HistoryKeeper> m_keeper;
    QMenu *m_talentMenu = nullptr;
    AboutDialog *m_about = nullptr;
    SettingsDialog *m_settings = nullptr;
};
