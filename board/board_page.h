#pragma once

#include "board/board_filter.h"
#include "board/board_sources.h"
#include "board/watch_check.h"
#include "catalogue/catalogue.h"
#include "retrieval/fetch_queue.h"

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class BoardLoader;
class BoardModel;
class HistoryKeeper;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QToolButton;

// The «Дивизион» page: every youth player of the chosen division's teams from their latest stored pages,
// filtered and sorted as the user asks, a refresh of the whole division a few pages at once while the
// window stays usable, and the rows on view saved as CSV.
class BoardPage : public QWidget {
    Q_OBJECT
public:
    // What the page asks of the window, each at the moment of use.
    struct Sources {
        HistoryKeeper *keeper = nullptr;
        std::function<ProxyChoice()> proxy;
        // Whether the pages read go into the history, as the settings say.
        std::function<bool()> keepPages;
    };
    // Whether a division is watched, and marking it so, as the window asks the settings.
    struct WatchList {
        std::function<bool(int32_t divisionId)> isWatched;
        std::function<void(int32_t divisionId, bool watched)> setWatched;
    };
    // A due division as the offer names it.
    struct DueOffer {
        DueDivision due;
        QString name;
    };

    explicit BoardPage(QWidget *parent = nullptr);
    ~BoardPage() override;

    void setSources(Sources sources) { m_sources = std::move(sources); }
    void setWatchList(WatchList list);
    void setExchangeTimeouts(const ExchangeTimeouts &timeouts) { m_timeouts = timeouts; }
    // The game's steps a week, from the own team: the «Ш×Т» column reads each team's levels with them.
    void setTrainingRate(const RateEstimate &estimate);
    // Shows a division: its teams in catalogue order, each from its latest pages. A hidden board only
    // takes the teams; it fills when shown.
    void showDivision(int32_t divisionId, std::vector<CatalogueEntry> teams);
    // The window closes: the requests under way end and no other starts; what arrived is kept.
    void endRefresh();
    // Starts refreshing the division on view, as «Обновить» does; nothing while a refresh is under way.
    void startRefresh() { onRefreshClicked(); }
    // Offers, on a line above the board, to refresh watched divisions that are due, one at a time in
    // the order given. Nothing starts until the user takes the offer.
    void offerRefresh(std::vector<DueOffer> offers);
    bool hasRefreshOffer() const { return !m_offers.empty(); }
    // Shows whether the division on view is watched, after the list changed elsewhere (the Settings).
    void showWatchState();

Q_SIGNALS:
    // Bytes a refresh received, counted as a single fetch counts them.
    void bytesCounted(int64_t lastPage, int64_t added);
    // Something the user must be told: the history could not be read or written.
    void problem(const QString &text);
    // The user took the offer to refresh this watched division: the window chooses it, then refreshes.
    void offeredRefreshTaken(int32_t divisionId);
    // The offers were taken or dismissed, or new ones came.
    void refreshOffersChanged();

protected:
    // The page reads the history afresh each time it comes into view.
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void wire();
    void fill();
    void showTable(std::shared_ptr<const BoardTable> table);
    QString historyPath() const;
    void showRows();
    void fitNameColumns();
    void showPositions();
    BoardFilter filterOnView() const;
    void onHeaderClicked(int column);
    void onRefreshClicked();
    void onStopClicked();
    void onPageFetched(const PageJob &job, const FetchResult &result);
    void onPageTaken(const PageJob &job, const QString &whyNot);
    void holdWhileLoaderBusy(int change);
    void onPagesTaken(int notKept, const QString &why);
    void showRefreshState();
    // "Гамма (сервер не ответил вовремя)" for every team the last refresh left out, in catalogue order.
    QStringList notUpdatedTeams() const;
    void showFailures();
    void onCsvClicked();
    void buildWatchControls();
    void onWatchToggled(bool watched);
    void showOffer();
    void onOfferTaken();
    void onOfferDismissed();

    QComboBox *m_position = nullptr;
    QSpinBox *m_maxAge = nullptr;
    QDoubleSpinBox *m_minTalent = nullptr;
    QLineEdit *m_search = nullptr;
    QCheckBox *m_best = nullptr;
    QCheckBox *m_growing = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QPushButton *m_stopButton = nullptr;
    QPushButton *m_csvButton = nullptr;
    QCheckBox *m_watch = nullptr;
    QFrame *m_offerBar = nullptr;
    QLabel *m_offerText = nullptr;
    QPushButton *m_takeOffer = nullptr;
    QToolButton *m_dismissOffer = nullptr;
    QProgressBar *m_progress = nullptr;
    QTableView *m_view = nullptr;
    QLabel *m_count = nullptr;
    QLabel *m_status = nullptr;
    // The teams left out and why, one click from the one-line status, over the list rather than under it.
    QToolButton *m_failuresButton = nullptr;
    QFrame *m_failuresPopup = nullptr;
    QPlainTextEdit *m_failuresText = nullptr;
    BoardModel *m_model = nullptr;
    BoardLoader *m_loader = nullptr;

    Sources m_sources;
    WatchList m_watchList;
    ExchangeTimeouts m_timeouts;
    int32_t m_division = 0;
    std::vector<CatalogueEntry> m_teams;
    std::shared_ptr<const BoardTable> m_table;
    BoardSort m_sort;

    // The last refresh, which belongs to the division it started with.
    std::unique_ptr<FetchQueue> m_refresh;
    // The loader has pages of the last refresh still to read and keep.
    bool m_taking = false;
    int m_inLoader = 0; // pages handed to the loader and not yet taken
    int32_t m_refreshDivision = 0;
    std::vector<CatalogueEntry> m_refreshTeams;
    std::map<int32_t, QStringList> m_failures; // why a team's page did not arrive
    // Watched divisions offered for a refresh, the one on offer first.
    std::vector<DueOffer> m_offers;
};
