#pragma once

#include "analysis/what_if.h"

#include <optional>
#include <vector>

class QChartView;
class QLineSeries;
class QTableWidget;
class QValueAxis;

// The what-if grid: school levels down, coach levels across, steps to talent 9 in the cells.

// Captions and look; the cells stay blank until a player is projected.
void setUpWhatIfGrid(QTableWidget *grid);
// The steps, or "—" where the talent does not get to 9.
void showWhatIfSteps(QTableWidget *grid, const WhatIfSteps &steps);
// Marks the cell of the two levels; no cell is marked when either level is missing. The cells whose
// levels make the team's product, as its players' growth gives it, are tinted.
void markLevels(QTableWidget *grid, std::optional<int> schoolLevel, std::optional<int> coachLevel,
                std::optional<int> teamProduct = std::nullopt);

// The talent after each step as a line, with the limit 9 drawn across.
class TalentChart {
public:
    explicit TalentChart(QChartView *view);

    // An empty curve clears the chart.
    void show(const std::vector<double> &talents);

private:
    QLineSeries *m_talent;
    QLineSeries *m_limit;
    QValueAxis *m_steps;
    QValueAxis *m_values;
};
