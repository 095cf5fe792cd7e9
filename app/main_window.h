#pragma once

#include "retrieval/roster_exchange.h"
#include "retrieval/team_records.h"
#include "view/column_sort.h"

#include <QMainWindow>
#include <cstdint>
#include <exception>
#include <memory>

struct ShownTable;
class CatalogueSelectors;
class ProjectionPage;
class SummaryLabels;
class QMenu;
class QTreeWidget;
struct PageReading;
class TForm2;
class TForm3;
namespace Ui {
class TForm1;
}

// What fetching one team came to. A team not read says why, for the list a division run ends with.
struct TeamFetch {
    bool read = false;
    QString whyNot;
    // A cell that did not convert; the rows up to it are on view, the snapshot has none of them.
    std::exception_ptr badCell;
    // The reply was not a roster page at all.
    bool foreignPage = false;
};

// The main window: team choice, the fetched team's summary and lists, history browsing, the
// projection page and the byte counters. It wires controls to the pieces that hold the rules.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window; until then the defaults apply.
    void setAboutDialog(TForm2 *about) { m_about = about; }
    void setSettingsDialog(TForm3 *settings) { m_settings = settings; }
    void setExchangeTimeouts(const ExchangeTimeouts &timeouts) { m_timeouts = timeouts; }

    // Fetches one team's page and shows it, telling the user of any failure; true when it was read.
    bool fetchTeam(int32_t teamId, PageKind kind);
    // Appends the team on view, with the list of the open tab, to the file.
    void saveTeamOnView(const QString &fileName);

    const TeamHistory &history() const { return m_history; }
    int64_t sessionBytes() const { return m_sessionBytes; }

private:
    void wireCommands();
    void onFetchClicked();
    void onHistoryStep(bool &allowChange);
    void onTalentListMenu(const QPoint &pos);
    void onProjectionChosen();
    void runDivision();

    TeamFetch fetchAndShow(int32_t teamId, PageKind kind);
    TeamFetch takeReading(int32_t teamId, PageKind kind, const PageReading &reading);
    void showSnapshot(const CTeam &team);
    void countBytes(int64_t lastPage, int64_t added);
    QTreeWidget *listOfOpenTab() const;
    ShownTable teamTableOnView() const;

    std::unique_ptr<Ui::TForm1> m_ui;
    std::unique_ptr<SummaryLabels> m_summary;
    std::unique_ptr<CatalogueSelectors> m_selectors;
    ProjectionPage *m_projection = nullptr;
    QMenu *m_talentMenu = nullptr;
    TeamHistory m_history;
    SortState m_sort;
    ExchangeTimeouts m_timeouts;
    int64_t m_sessionBytes = 0;
    TForm2 *m_about = nullptr;
    TForm3 *m_settings = nullptr;
};
