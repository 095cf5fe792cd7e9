#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QChartView;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TalentChart;

// The controls of the "Расчет Т1" page.
struct ProjectionControls {
    QTreeWidget *table = nullptr;
    QLabel *teamCaption = nullptr;
    QLabel *playerCaption = nullptr;
    QLabel *masteryCaption = nullptr;
    QLabel *talentCaption = nullptr;
    QLineEdit *schoolLevelEdit = nullptr;
    QLineEdit *coachLevelEdit = nullptr;
    QTableWidget *whatIfGrid = nullptr;
    QChartView *talentChart = nullptr;
};

// The projection page: keeps the two level edits to levels, fills the table for a chosen player and
// shows beside it the steps under every pair of levels and the talent curve. A click on a cell of the
// grid takes its levels and projects the same player again.
class ProjectionPage : public QObject {
    Q_OBJECT
public:
    ProjectionPage(const ProjectionControls &controls, QObject *parent);
    ~ProjectionPage() override;

    // Fills the table for a row of the talent list (name, country, position, age, mastery, talent).
    // A conversion failure throws after the rows made before it are shown. Returns true when the table
    // stopped because the talent does not grow, which the caller tells the user.
    bool showFor(const QString &teamName, const QTreeWidgetItem &talentRow);
    // Projects the player last shown again with the levels now in the edits; the same promises.
    bool projectAgain();

Q_SIGNALS:
    // A click on the grid put its levels into the edits for the player shown.
    void levelsChosenFromGrid();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool projectPlayer();
    void takeLevelsOf(int row, int column);
    void markLevelsInGrid();

    ProjectionControls m_controls;
    std::unique_ptr<TalentChart> m_chart;
    // The player last projected, kept apart from the talent list, which a fetch may refill.
    QString m_teamName;
    std::unique_ptr<QTreeWidgetItem> m_player;
};
