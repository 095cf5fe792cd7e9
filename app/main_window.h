#pragma once

#include "app/main_page.h"

#include <QMainWindow>
#include <memory>

class HistoryKeeper;
class ProjectionPage;
class QMenu;
class TForm2;
class TForm3;

// The main window: its menus and tabs, each tab's piece wired to its controls (the main page, the
// projection, the history, the division board), and the two dialogs.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window; until then the defaults apply.
    void setAboutDialog(TForm2 *about) { m_about = about; }
    void setSettingsDialog(TForm3 *settings);
    void setExchangeTimeouts(const ExchangeTimeouts &timeouts);
    // Opens the fetch history at the path and drops what the settings say is too old. Without this
    // call nothing is kept.
    void openHistory(const QString &path);

    // Fetches one team's page and shows it, telling the user of any failure; true when it was read.
    bool fetchTeam(int32_t teamId, PageKind kind) { return m_main->fetchTeam(teamId, kind); }
    // Appends the team on view, with the list of the open tab, to the file.
    void saveTeamOnView(const QString &fileName) { m_main->saveTeamOnView(fileName); }
    const TeamHistory &history() const { return m_main->history(); }
    int64_t sessionBytes() const { return m_main->sessionBytes(); }

protected:
    // Closing ends the division board's refresh: its requests end, what arrived is kept.
    void closeEvent(QCloseEvent *event) override;

private:
    void wireCommands();
    void onTopTabChanged();
    void wireBoard();
    void onTalentListMenu(const QPoint &pos);
    void onProjectionChosen();
    void onDevelopmentChosen();
    void onRereadHistory();
    void showStoredFetch(int64_t fetchId);

    std::unique_ptr<Ui::TForm1> m_ui;
    MainPage *m_main = nullptr;
    ProjectionPage *m_projection = nullptr;
    std::unique_ptr<HistoryKeeper> m_keeper;
    QMenu *m_talentMenu = nullptr;
    TForm2 *m_about = nullptr;
    TForm3 *m_settings = nullptr;
};
