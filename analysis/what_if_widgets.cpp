#include "analysis/what_if_widgets.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineSeries>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr double talentLimit = 9.0;

QTableWidgetItem *cell(QTableWidget *grid, int row, int column)
{
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        // The cells are read and clicked, never edited or selected.
        item->setFlags(Qt::ItemIsEnabled);
        grid->setItem(row, column, item);
    }
    return item;
}

// A tick step of 1, 2 or 5 times a power of ten that puts at most `maxTicks` ticks on the span.
double tickStep(double span, int maxTicks)
{
    if (!std::isfinite(span))
        return 1;
    double step = 1;
    for (;;) {
        for (const double factor : {1.0, 2.0, 5.0})
            if (span / (step * factor) <= maxTicks - 1)
                return step * factor;
        step *= 10;
    }
}

void setRange(QValueAxis *axis, double low, double high, int maxTicks)
{
    axis->setRange(low, high);
    axis->setTickAnchor(0);
    axis->setTickInterval(tickStep(high - low, maxTicks));
}

} // namespace

void setUpWhatIfGrid(QTableWidget *grid)
{
    grid->setRowCount(3);
    grid->setColumnCount(3);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (QHeaderView *header : {grid->horizontalHeader(), grid->verticalHeader()})
        header->setSectionsClickable(false);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            cell(grid, row, column);
}

void showWhatIfSteps(QTableWidget *grid, const WhatIfSteps &steps)
{
    for (size_t school = 0; school < 3; ++school)
        for (size_t coach = 0; coach < 3; ++coach) {
            const std::optional<int> count = steps[school][coach];
            cell(grid, static_cast<int>(school), static_cast<int>(coach))
                ->setText(count ? QString::number(*count) : QStringLiteral("—"));
        }
}

void markLevels(QTableWidget *grid, std::optional<int> schoolLevel, std::optional<int> coachLevel,
                std::optional<int> teamProduct)
{
    const QPalette palette = grid->palette();
    QColor teamTint = palette.highlight().color();
    teamTint.setAlpha(70);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) {
            QTableWidgetItem *item = cell(grid, row, column);
            const bool marked = schoolLevel == row + 1 && coachLevel == column + 1;
            const bool team = teamProduct == (row + 1) * (column + 1);
            QFont font = grid->font();
            font.setBold(marked || team);
            item->setFont(font);
            item->setBackground(marked ? palette.highlight() : team ? QBrush(teamTint) : QBrush());
            item->setForeground(marked ? palette.highlightedText() : QBrush());
            item->setToolTip(
                team ? QCoreApplication::translate("WhatIfGrid", "Уровни команды по росту её игроков")
                     : QString());
        }
}

TalentChart::TalentChart(QChartView *view)
    : m_talent(new QLineSeries), m_limit(new QLineSeries), m_steps(new QValueAxis), m_values(new QValueAxis)
{
    // The view's own chart: one set in its place would leave this one to leak.
    QChart *chart = view->chart();
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 4, 4, 0));
    chart->addSeries(m_talent);
    chart->addSeries(m_limit);
    chart->addAxis(m_steps, Qt::AlignBottom);
    chart->addAxis(m_values, Qt::AlignLeft);
    for (QLineSeries *series : {m_talent, m_limit}) {
        series->attachAxis(m_steps);
        series->attachAxis(m_values);
    }
    m_talent->setPen(QPen(view->palette().color(QPalette::Highlight), 2));
    m_limit->setPen(QPen(Qt::red, 1, Qt::DashLine));
    for (QValueAxis *axis : {m_steps, m_values}) {
        axis->setLabelsFont(view->font());
        axis->setLabelFormat(QStringLiteral("%d"));
        axis->setTickType(QValueAxis::TicksDynamic);
    }
    view->setRenderHint(QPainter::Antialiasing);
    show({});
}

void TalentChart::show(const std::vector<double> &talents)
{
    QList<QPointF> points;
    for (size_t step = 0; step < talents.size(); ++step)
        points.append(QPointF(static_cast<double>(step + 1), talents[step]));
    m_talent->replace(points);
    const double lastStep = std::max(2.0, static_cast<double>(talents.size()));
    m_limit->replace({QPointF(1, talentLimit), QPointF(lastStep, talentLimit)});
    setRange(m_steps, 1, lastStep, 6);
    // Whole numbers around the curve, with room above the limit so its line stays in sight.
    double low = 0;
    double high = talentLimit + 1;
    if (!talents.empty()) {
        low = std::floor(std::min(*std::min_element(talents.begin(), talents.end()), talentLimit));
        high = std::max(high, std::ceil(*std::max_element(talents.begin(), talents.end())));
    }
    setRange(m_values, low, high, 6);
}
