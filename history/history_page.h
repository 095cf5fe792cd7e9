#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

class HistoryStore;
class QChartView;
class QPushButton;
class QTreeWidget;

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

Q_SIGNALS:
    // The user asked to see this stored fetch on the main page.
    void showFetchRequested(int64_t fetchId);
    void problem(const QString &text);

private:
    void showFetchesOfChosenTeam();
    void compareChosenFetches();
    void chartChosenChange();
    void chartPlayer(int32_t teamId, const std::string &name, const std::string &country);
    int32_t chosenTeam() const;
    void guarded(const std::function<void()> &step);

    HistoryStore *m_store = nullptr;
    QTreeWidget *m_teams;
    QTreeWidget *m_fetches;
    QTreeWidget *m_changes;
    QPushButton *m_show;
    QPushButton *m_compare;
    QChartView *m_chart;
};
