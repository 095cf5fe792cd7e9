#pragma once

#include "history/player_chart_plan.h"

#include <QChartView>

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

private:
    void replaceChart(QChart *chart);
    // The tooltip of the point under the mouse: its date and value, `decimals` after the separator.
    void tellPointsOf(const QLineSeries *series, const QString &label, int decimals);
    void tellPoint(const QLineSeries *series, const QString &label, const QPointF &near, int decimals);
};
