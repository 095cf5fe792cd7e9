#pragma once

#include "analysis/growth_fit.h"
#include "history/fetch_comparison.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class HistoryStore;
class PlayerChart;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QThread;
class QTreeView;
class StoredTeamsModel;
class TextTableModel;

// The «История» page: every stored team, the chosen team's fetches, what changed between two of them
// and one player's talent and mastery over time. It reads the store; what it cannot do it tells through
// problem().
class HistoryPage : public QWidget {
    Q_OBJECT
public:
    explicit HistoryPage(QWidget *parent = nullptr);
    ~HistoryPage() override;

    // The store the page reads; nothing is shown without one.
    void setStore(HistoryStore *store);
    // Reads the teams again, keeping the chosen team when it is still there.
    void refresh();
    // Chooses the team and draws the player's development.
    void showPlayer(int32_t teamId, const std::string &name, const std::string &country);
    // A line above the lists, such as what start-up dropped from the history; empty hides it.
    void setNotice(const QString &text);
    // The user's own team and its levels: the game's steps a week are read from its growth.
    void setOwnTeam(const OwnTeam &own);
    // The steps a week last worked out (for the projection page).
    const RateEstimate &trainingRate() const { return m_rate; }

Q_SIGNALS:
    // The steps a week changed: another own team, or its pages were read again.
    void trainingRateChanged();
    // The user asked to see this stored fetch on the main page.
    void showFetchRequested(int64_t fetchId);
    void problem(const QString &text);

private:
    void showFetchesOfChosenTeam();
    void compareChosenFetches();
    void clearComparison();
    void chartChosenChange();
    void chartPlayer(int32_t teamId, const std::string &name, const std::string &country);
    int32_t chosenTeam() const;
    void chooseTeam(int32_t teamId);
    void guarded(const std::function<void()> &step);
    void estimateTrainingRate();
    void showTeamLevels(const std::vector<StoredPage> &pages);
    void checkAccuracy();

    HistoryStore *m_store = nullptr;
    StoredTeamsModel *m_teamRows;
    QSortFilterProxyModel *m_teamOrder;
    TextTableModel *m_fetchRows;
    TextTableModel *m_changeRows;
    // The time texts of the fetches listed, by fetch.
    std::map<int64_t, QString> m_fetchTimes;
    // The lines of the comparison on view and the team they belong to, for the chart.
    std::vector<FetchChange> m_changesShown;
    int32_t m_comparedTeam = 0;
    QTreeView *m_teams;
    QTreeView *m_fetches;
    QTreeView *m_changes;
    QPushButton *m_show;
    QPushButton *m_compare;
    QLabel *m_compared;
    QLabel *m_notice;
    PlayerChart *m_chart;
    OwnTeam m_own;
    RateEstimate m_rate;
    QLabel *m_rateLabel;
    QLabel *m_levelsLabel;
    TextTableModel *m_accuracyRows;
    QTreeView *m_accuracy;
    QPushButton *m_checkAccuracy;
    // The backtest runs here, on a connection of its own; the page waits for it only when it goes.
    QThread *m_accuracyRun = nullptr;
};
