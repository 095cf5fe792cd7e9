#pragma once

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

    // The store the page reads; nothing is shown without one.
    void setStore(HistoryStore *store);
    // Reads the teams again, keeping the chosen team when it is still there.
    void refresh();
    // Chooses the team and draws the player's development.
    void showPlayer(int32_t teamId, const std::string &name, const std::string &country);
    // A line above the lists, such as what start-up dropped from the history; empty hides it.
    void setNotice(const QString &text);

Q_SIGNALS:
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
};
