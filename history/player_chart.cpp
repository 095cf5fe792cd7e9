#include "history/player_chart.h"

#include "text/interface_language.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QHelpEvent>
#include <QLineF>
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
    m_told.clear();
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
    m_told = {{talent, {talent->name(), 3}}, {mastery, {mastery->name(), 2}}};
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
        // The date of 9 even when it falls past the axis: how far off it is, at this growth.
        path->setName(
            plan.path->nineAt
                ? tr("Прогноз: 9 к %1").arg(plan.path->nineAt->toLocalTime().toString(u"dd.MM.yyyy"))
                : tr("Прогноз"));
        path->append(timeOnAxis(plan.path->from), plan.path->fromTalent);
        path->append(timeOnAxis(plan.path->to), plan.path->toTalent);
        chart->addSeries(path);
        QPen dashed(talent->color(), 2, Qt::DashLine);
        path->setPen(dashed);
        path->attachAxis(dates);
        path->attachAxis(talentAxis);
        m_told[path] = {tr("Прогноз"), 3};
    }
    replaceChart(chart);
}

bool PlayerChart::viewportEvent(QEvent *event)
{
    // The scene would answer a tooltip event by hiding any tip, its items having none: the points' tips
    // are ours to show here, on a rest of the mouse as any widget's.
    if (event->type() != QEvent::ToolTip)
        return QChartView::viewportEvent(event);
    const auto *help = static_cast<const QHelpEvent *>(event);
    const QString text = pointTextAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, this);
    return true;
}

QString PlayerChart::pointTextAt(const QPoint &viewportPos) const
{
    const QPointF mouse = chart()->mapFromScene(mapToScene(viewportPos));
    constexpr double nearEnough = 8; // pixels
    double nearest = nearEnough;
    QString text;
    for (const auto &[series, told] : m_told) {
        for (const QPointF &point : series->points()) {
            const double distance = QLineF(chart()->mapToPosition(point, series), mouse).length();
            if (distance >= nearest)
                continue;
            nearest = distance;
            const QDateTime time = QDateTime::fromMSecsSinceEpoch(std::llround(point.x()));
            text = QStringLiteral("%1\n%2: %3")
                       .arg(time.toString(u"dd.MM.yyyy HH:mm"), told.label,
                            interfaceLocale().toString(point.y(), 'f', told.decimals));
        }
    }
    return text;
}

void PlayerChart::replaceChart(QChart *chart)
{
    QChart *previous = this->chart();
    setChart(chart);
    delete previous;
}
