#pragma once

#include "roster/team_records.h"

#include <array>

class QLabel;

// The twelve value labels of a team's summary, in the summary's order. Page texts are shown as they
// are: a name with angle brackets shows its brackets.
class SummaryLabels {
public:
    explicit SummaryLabels(const std::array<QLabel *, 12> &labels);

    void show(const TeamSummary &summary);
    QLabel *teamName() const { return m_labels[0]; }

private:
    std::array<QLabel *, 12> m_labels;
};
