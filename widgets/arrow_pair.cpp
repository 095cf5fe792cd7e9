#include "widgets/arrow_pair.h"

#include <QHBoxLayout>
#include <QToolButton>

ArrowPair::ArrowPair(QWidget *parent)
    : QWidget(parent), m_left(new QToolButton(this)), m_right(new QToolButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *arrow : {m_left, m_right}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(arrow);
    }
    m_left->setArrowType(Qt::LeftArrow);
    m_right->setArrowType(Qt::RightArrow);
    connect(m_left, &QToolButton::clicked, this, [this] { click(-1); });
    connect(m_right, &QToolButton::clicked, this, [this] { click(+1); });
}

void ArrowPair::setPosition(int position) { m_position = std::clamp(position, m_minimum, m_maximum); }

void ArrowPair::setMaximum(int maximum)
{
    m_maximum = std::max(maximum, m_minimum);
    m_position = std::clamp(m_position, m_minimum, m_maximum);
}

void ArrowPair::click(int step)
{
    if (!isEnabled())
        return;
    bool allowChange = true;
    Q_EMIT changing(allowChange);
    if (!allowChange)
        return;
    int next = m_position + step;
    if (next > m_maximum)
        next = m_wrap ? m_minimum : m_maximum;
    else if (next < m_minimum)
        next = m_wrap ? m_maximum : m_minimum;
    m_position = next;
}
