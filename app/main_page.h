#pragma once

#include "retrieval/roster_exchange.h"
#include "retrieval/team_records.h"
#include "view/column_sort.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <exception>
#include <memory>

class CatalogueSelectors;
class HistoryKeeper;
class QTreeWidget;
class SummaryLabels;
class TForm3;
struct PageReading;
struct ShownTable;
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

// The «Main» tab: choosing a team, fetching it, showing it and the run's snapshots, the byte counters,
// sorting, and saving the team on view. It works the main window's controls.
class MainPage : public QObject {
    Q_OBJECT
public:
    MainPage(Ui::TForm1 &ui, QWidget *window);
    ~MainPage() override;

    void setSettingsDialog(TForm3 *settings) { m_settings = settings; }
    void setHistoryKeeper(HistoryKeeper *keeper) { m_keeper = keeper; }
    void setExchangeTimeouts(const ExchangeTimeouts &timeouts) { m_timeouts = timeouts; }

    // Fetches one team's page and shows it, telling the user of any failure; true when it was read.
    bool fetchTeam(int32_t teamId, PageKind kind);
    // Shows a page as if it had just been fetched, without a request.
    // A page from the fetch history is a snapshot of its own, told apart by its stored fetch.
    TeamFetch showPage(int32_t teamId, PageKind kind, const PageReading &reading, int64_t storedFetchId = 0);
    // Appends the team on view, with the list of the open tab, to the file.
    void saveTeamOnView(const QString &fileName);
    ShownTable teamTableOnView() const;
    QTreeWidget *listOfOpenTab() const;

    const TeamHistory &history() const { return m_history; }
    int64_t sessionBytes() const { return m_sessionBytes; }
    // The team identifier of the snapshot on view; 0 before the first.
    int32_t teamOnView() const { return m_teamOnView; }
    CatalogueSelectors &selectors() { return *m_selectors; }

    // Counts bytes received: the "last page" counter shows `lastPage`, the session counter grows by
    // `added`.
    void countBytes(int64_t lastPage, int64_t added);

private:
    void wire();
    void onFetchClicked();
    void runDivision();
    void onHistoryStep(bool &allowChange);
    // Appends the team on view to a text file the user picks; the chosen folder becomes the working one.
    void saveTeamAsText();
    TeamFetch fetchAndShow(int32_t teamId, PageKind kind);
    void showSnapshot(const CTeam &team);

    Ui::TForm1 &m_ui;
    QWidget *m_window;
    std::unique_ptr<SummaryLabels> m_summary;
    std::unique_ptr<CatalogueSelectors> m_selectors;
    TeamHistory m_history;
    SortState m_sort;
    ExchangeTimeouts m_timeouts;
    int64_t m_sessionBytes = 0;
    int32_t m_teamOnView = 0;
    TForm3 *m_settings = nullptr;
    HistoryKeeper *m_keeper = nullptr;
};
