#include "view/summary_labels.h"

#include "text/code_page.h"

#include <QLabel>

namespace {

std::array<std::string *, 12> fieldsOf(TeamSummary &s)
{
    return {&s.name,     &s.id,    &s.manager, &s.rank,      &s.city,  &s.stadium,
            &s.division, &s.money, &s.players, &s.additions, &s.power, &s.spectatorRating};
}

} // namespace

SummaryLabels::SummaryLabels(const std::array<QLabel *, 12> &labels) : m_labels(labels)
{
    for (QLabel *label : m_labels)
        label->setTextFormat(Qt::PlainText);
}

void SummaryLabels::show(const TeamSummary &summary)
{
    TeamSummary copy = summary;
    const auto fields = fieldsOf(copy);
    for (size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setText(fromCp1251(*fields[i]));
}
