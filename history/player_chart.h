#pragma once

#include "history/player_chart_plan.h"

#include <QChartView>
#include <map>

class QLineSeries;

// A player's talent and mastery over time, each on an axis of its own that fits it, and the dashed path
// his talent takes from the last fetch at the growth seen so far. A point under the mouse tells its
// date and value. Numbers follow the interface's locale.
class PlayerChart : public QChartView {
    Q_OBJECT
public:
    explicit PlayerChart(QWidget *parent = nullptr);

    // `name` is the player's, shown as it is.
    void showPlayer(const QString &name, const PlayerChartPlan &plan);
    // An empty chart: no player, no axes.
    void clear();

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void replaceChart(QChart *chart);
    // The date and value of the point nearest the mouse, a few pixels at most; empty when none is.
    QString pointTextAt(const QPoint &viewportPos) const;

    // How each series on view tells its points: its name and the decimals of its values.
    struct PointTelling {
        QString label;
        int decimals = 2;
    };
    std::map<QLineSeries *, PointTelling> m_told;
};
