#pragma once

#include "analysis/growth_fit.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QChartView;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTreeView;
class TalentChart;
class TextTableModel;

// The controls of the "Расчет Т1" page.
struct ProjectionControls {
    QTreeView *table = nullptr;
    QLabel *teamCaption = nullptr;
    QLabel *playerCaption = nullptr;
    QLabel *masteryCaption = nullptr;
    QLabel *talentCaption = nullptr;
    QLineEdit *schoolLevelEdit = nullptr;
    QLineEdit *coachLevelEdit = nullptr;
    QTableWidget *whatIfGrid = nullptr;
    QChartView *talentChart = nullptr;
    QLabel *weeksToNine = nullptr;
};

// The player a projection is for: the team's and the player's names, and the mastery and talent as the
// talent list shows them (windows-1251), which the table reads as its first cells.
struct ProjectedPlayer {
    std::string teamName;
    std::string name;
    std::string mastery;
    std::string talent;
    // The product of levels his team's growth gives, when the history is sure of it (never for the own
    // team, whose levels the user sets), and the day his page is of.
    std::optional<int> teamProduct;
    QDate pageDay;
};

// The projection page: keeps the two level edits to levels, fills the table for a chosen player and
// shows beside it the steps under every pair of levels and the talent curve. A click on a cell of the
// grid, Enter in a level edit or leaving one with a changed level projects the same player again, so the
// table, the chart and the grid always show one pair of levels.
class ProjectionPage : public QObject {
    Q_OBJECT
public:
    ProjectionPage(const ProjectionControls &controls, QObject *parent);
    ~ProjectionPage() override;

    // Fills the table for the player. A conversion failure throws after the rows made before it are
    // shown. Returns true when the table stopped because the talent does not grow, which the caller
    // tells the user.
    bool showFor(const ProjectedPlayer &player);
    // Projects the player last shown again with the levels now in the edits; the same promises.
    bool projectAgain();
    // The game's steps a week, for the weeks to 9.
    void setTrainingRate(const RateEstimate &estimate, bool ownTeamChosen);
    // The levels the edits start from: the own team's.
    void setLevels(int schoolLevel, int coachLevel);

Q_SIGNALS:
    // The levels changed (from the grid or an edit) while a player is shown: project again.
    void levelsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool projectPlayer();
    void takeLevelsOf(int row, int column);
    void onLevelEditFinished();
    void markLevelsInGrid();
    QString levelsInEdits() const;
    void showWeeksToNine();

    ProjectionControls m_controls;
    TextTableModel *m_steps;
    std::unique_ptr<TalentChart> m_chart;
    // The player last projected, kept apart from the talent list, which a fetch may refill.
    std::optional<ProjectedPlayer> m_player;
    QString m_projectedLevels;
    RateEstimate m_rate;
    bool m_ownTeamChosen = false;
};
