#include "history/player_chart.h"

#include "widgets/language.h"

#include <QChart>
#include <QCursor>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

qreal timeOnAxis(const QDateTime &time) { return static_cast<qreal>(time.toMSecsSinceEpoch()); }

QValueAxis *valueAxis(const QString &title, const ValueRange &range, const QColor &colour)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setTitleBrush(colour); // which line the axis belongs to, at a glance
    axis->setRange(range.low, range.high);
    axis->setLabelFormat(QStringLiteral("%.2f"));
    return axis;
}

} // namespace

PlayerChart::PlayerChart(QWidget *parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("playerChart"));
    setRenderHint(QPainter::Antialiasing);
}

void PlayerChart::clear()
{
    auto *chart = new QChart;
    chart->legend()->hide();
    replaceChart(chart);
}

void PlayerChart::showPlayer(const QString &name, const PlayerChartPlan &plan)
{
    auto *chart = new QChart;
    // A chart's title is markup: a name from a page is escaped, so it shows as it is and loads nothing.
    chart->setTitle(name.toHtmlEscaped());
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setLocalizeNumbers(true);
    chart->setLocale(interfaceLocale());
    auto *talent = new QLineSeries;
    auto *mastery = new QLineSeries;
    talent->setName(tr("Талант"));
    mastery->setName(tr("Мастерство"));
    for (QLineSeries *series : {talent, mastery})
        series->setPointsVisible(true);
    for (const SeriesPoint &point : plan.points) {
        talent->append(timeOnAxis(point.fetchedAt), point.talent);
        mastery->append(timeOnAxis(point.fetchedAt), point.mastery);
    }
    chart->addSeries(talent);
    chart->addSeries(mastery);
    tellPointsOf(talent, talent->name(), 3);
    tellPointsOf(mastery, mastery->name(), 2);
    if (plan.points.empty()) {
        replaceChart(chart);
        return;
    }

    auto *dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("dd.MM"));
    dates->setTickCount(5);
    dates->setRange(plan.firstDate.toLocalTime(), plan.lastDate.toLocalTime());
    chart->addAxis(dates, Qt::AlignBottom);
    QValueAxis *talentAxis = valueAxis(tr("Талант"), plan.talent, talent->color());
    chart->addAxis(talentAxis, Qt::AlignLeft);
    QValueAxis *masteryAxis = valueAxis(tr("Мастерство"), plan.mastery, mastery->color());
    chart->addAxis(masteryAxis, Qt::AlignRight);
    talent->attachAxis(dates);
    talent->attachAxis(talentAxis);
    mastery->attachAxis(dates);
    mastery->attachAxis(masteryAxis);

    if (plan.path) {
        auto *path = new QLineSeries;
        path->setName(plan.path->reachesNine
                          ? tr("Прогноз: 9 к %1").arg(plan.path->to.toLocalTime().toString(u"dd.MM.yyyy"))
                          : tr("Прогноз"));
        path->append(timeOnAxis(plan.path->from), plan.path->fromTalent);
        path->append(timeOnAxis(plan.path->to), plan.path->toTalent);
        chart->addSeries(path);
        QPen dashed(talent->color(), 2, Qt::DashLine);
        path->setPen(dashed);
        path->attachAxis(dates);
        path->attachAxis(talentAxis);
        tellPointsOf(path, tr("Прогноз"), 3);
    }
    replaceChart(chart);
}

void PlayerChart::tellPointsOf(const QLineSeries *series, const QString &label, int decimals)
{
    connect(series, &QLineSeries::hovered, this, [this, series, label, decimals](const QPointF &at, bool on) {
        if (on)
            tellPoint(series, label, at, decimals);
        else
            QToolTip::hideText();
    });
}

void PlayerChart::tellPoint(const QLineSeries *series, const QString &label, const QPointF &near,
                            int decimals)
{
    // The line is hovered anywhere along it; the point told is the fetch nearest in time.
    const QList<QPointF> points = series->points();
    if (points.isEmpty())
        return;
    const QPointF point =
        *std::min_element(points.begin(), points.end(), [&](const QPointF &a, const QPointF &b) {
            return std::abs(a.x() - near.x()) < std::abs(b.x() - near.x());
        });
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(std::llround(point.x()));
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1\n%2: %3")
                           .arg(time.toString(u"dd.MM.yyyy HH:mm"), label,
                                interfaceLocale().toString(point.y(), 'f', decimals)),
                       this);
}

void PlayerChart::replaceChart(QChart *chart)
{
    QChart *previous = this->chart();
    setChart(chart);
    delete previous;
}
