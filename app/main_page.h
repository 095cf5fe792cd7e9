#pragma once

#include "board/division_run.h"
#include "retrieval/page_request.h"
#include "roster/team_records.h"
#include "view/column_sort.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <exception>
#include <map>
#include <memory>

class ArrowPair;
class PageFetcher;
class CatalogueSelectors;
class HistoryKeeper;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeView;
class SettingsDialog;
class SummaryLabels;
class TextTableModel;
struct FetchResult;
struct PageReading;
struct ShownTable;

// The controls of the «Main» tab, by what they are.
struct MainPageControls {
    QComboBox *divisionBox = nullptr;
    QComboBox *teamBox = nullptr;
    QRadioButton *talentChoice = nullptr;
    QCheckBox *wholeDivisionChoice = nullptr;
    QPushButton *fetchButton = nullptr;
    QPushButton *stopButton = nullptr; // shown only while a fetch or a division run is under way
    QTabWidget *listTabs = nullptr;    // page 0 the talent list, page 1 the abilities list
    QTreeView *talentList = nullptr;
    QTreeView *abilitiesList = nullptr;
    ArrowPair *snapshotArrows = nullptr;
    QLabel *lastPageBytes = nullptr;
    QLabel *sessionBytes = nullptr;
    QLabel *storedFetchLabel = nullptr; // «Из истории: ...» beside the team while a stored fetch is on view
    QProgressBar *divisionProgress = nullptr;
    // Team, ID, manager, rank, city, stadium, division, money, players, additions, strength, rating.
    std::array<QLabel *, 12> summaryValues{};
    QAction *saveTextAction = nullptr;
    QAction *saveCsvAction = nullptr;
    QAction *copyForumAction = nullptr;
};

// The «Main» tab: choosing a team, fetching it, showing it and the run's snapshots, the byte counters,
// sorting, and saving the team on view. The run's snapshots and the team on view are its data; the
// controls only show them.
class MainPage : public QObject {
    Q_OBJECT
public:
    MainPage(const MainPageControls &controls, QWidget *window);
    ~MainPage() override;

    void setSettingsDialog(SettingsDialog *settings) { m_settings = settings; }
    void setHistoryKeeper(HistoryKeeper *keeper) { m_keeper = keeper; }
    void setExchangeTimeouts(const ExchangeTimeouts &timeouts) { m_timeouts = timeouts; }

    // Starts fetching one team's page; it is shown when it arrives, any failure told then. The window
    // stays usable meanwhile; «Стоп» or Esc abandons it.
    void fetchTeam(int32_t teamId, PageKind kind);
    // A single fetch or a division run is under way.
    bool isFetching() const { return m_fetch || m_run; }
    // «Стоп»: a single fetch is abandoned untold; a division run ends, saying what it wrote.
    void stopFetching();
    // The window closes: whatever is under way ends untold.
    void abandonFetching();
    // Takes a page that arrived: counts its bytes, shows it, keeps it in the history. With `tell` the
    // user hears of any failure at once; a division run gathers them instead.
    TeamFetch takeFetch(int32_t teamId, PageKind kind, const FetchResult &fetched, bool tell);
    // Shows a page as if it had just been fetched, without a request.
    // A page from the fetch history is a snapshot of its own, told apart by its stored fetch, and says
    // when it was fetched.
    TeamFetch showPage(int32_t teamId, PageKind kind, const PageReading &reading, int64_t storedFetchId = 0,
                       const QDateTime &storedAt = {});
    // Tells the user why a page was not shown whole: a foreign page in a box, a bad cell thrown as the
    // conversion error for the guard to show.
    static void tellUnread(const TeamFetch &taken);
    // Appends the team on view, with the list of the open tab, to the file.
    void saveTeamOnView(const QString &fileName);
    ShownTable teamTableOnView() const;

    const RunSnapshots &snapshots() const { return m_snapshots; }
    int64_t sessionBytes() const { return m_sessionBytes; }
    // The summary the labels show and the team identifier of the snapshot on view (0 before the first).
    const TeamSummary &summaryOnView() const { return m_summaryOnView; }
    int32_t teamOnView() const { return m_teamOnView; }
    // The day of the page on view: a stored fetch's, else today.
    QDate pageDayOnView() const
    {
        return m_storedAtOnView.isValid() ? m_storedAtOnView.toLocalTime().date() : QDate::currentDate();
    }
    const TextTableModel &talentRows() const { return *m_talentRows; }
    CatalogueSelectors &selectors() { return *m_selectors; }

    // Counts bytes received: the "last page" counter shows `lastPage`, the session counter grows by
    // `added`.
    void countBytes(int64_t lastPage, int64_t added);

private:
    void wire();
    void onFetchClicked();
    void startDivisionRun();
    void onSingleFetched(int32_t teamId, PageKind kind, const FetchResult &fetched);
    void onRunFinished(const QString &message);
    void setFetching(bool fetching);
    void onSnapshotStep(bool &allowChange);
    // Appends the team on view to a text file the user picks; the chosen folder becomes the working one.
    void saveTeamAsText();
    void showSummary(const TeamSummary &summary);
    void showSnapshot(const TeamSnapshot &team);
    // «Из истории: ...» for a stored fetch on view, nothing for a live one.
    void showStoredTime(int64_t storedFetchId);
    TextTableModel &rowsOfOpenTab() const;
    PageKind kindOfOpenTab() const;

    MainPageControls m_controls;
    QWidget *m_window;
    TextTableModel *m_talentRows;
    TextTableModel *m_abilitiesRows;
    std::unique_ptr<SummaryLabels> m_summary;
    std::unique_ptr<CatalogueSelectors> m_selectors;
    RunSnapshots m_snapshots;
    TeamSummary m_summaryOnView;
    SortState m_sort;
    ExchangeTimeouts m_timeouts;
    int64_t m_sessionBytes = 0;
    int32_t m_teamOnView = 0;
    // When each stored fetch on view was made, by fetch.
    std::map<int64_t, QDateTime> m_storedTimes;
    QDateTime m_storedAtOnView; // invalid while the page on view is no stored fetch
    std::unique_ptr<PageFetcher> m_fetch;
    std::unique_ptr<DivisionRun> m_run;
    SettingsDialog *m_settings = nullptr;
    HistoryKeeper *m_keeper = nullptr;
};
