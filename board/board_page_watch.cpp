// The board's side of the watch list: the check that marks the division on view as watched, and the
// line that offers to refresh watched divisions the history has not had for their interval.
#include "board/board_page.h"

#include "widgets/error_guard.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <utility>

void BoardPage::buildWatchControls()
{
    m_watch = new QCheckBox(tr("Следить за дивизионом"), this);
    m_watch->setObjectName(QStringLiteral("watchDivisionCheck"));
    m_watch->setToolTip(tr("Обновлять дивизион по расписанию (Настройки, «Расписание»)"));
    m_watch->setEnabled(false);
    m_offerBar = new QFrame(this);
    m_offerBar->setObjectName(QStringLiteral("watchOfferBar"));
    m_offerBar->setFrameShape(QFrame::StyledPanel);
    m_offerBar->setBackgroundRole(QPalette::ToolTipBase);
    m_offerBar->setAutoFillBackground(true);
    m_offerText = new QLabel(m_offerBar);
    m_offerText->setObjectName(QStringLiteral("watchOfferLabel"));
    m_offerText->setTextFormat(Qt::PlainText);
    m_offerText->setForegroundRole(QPalette::ToolTipText);
    m_takeOffer = new QPushButton(tr("Обновить"), m_offerBar);
    m_takeOffer->setObjectName(QStringLiteral("refreshWatchedButton"));
    m_dismissOffer = new QToolButton(m_offerBar);
    m_dismissOffer->setObjectName(QStringLiteral("dismissWatchOfferButton"));
    m_dismissOffer->setText(tr("Скрыть"));
    m_dismissOffer->setAutoRaise(true);
    auto *line = new QHBoxLayout(m_offerBar);
    line->setContentsMargins(6, 2, 2, 2);
    line->addWidget(m_offerText, 1);
    line->addWidget(m_takeOffer);
    line->addWidget(m_dismissOffer);
    m_offerBar->hide();

    connect(m_watch, &QCheckBox::toggled, this,
            [this](bool watched) { runGuarded([&] { onWatchToggled(watched); }); });
    connect(m_takeOffer, &QPushButton::clicked, this, [this] { runGuarded([this] { onOfferTaken(); }); });
    connect(m_dismissOffer, &QToolButton::clicked, this, &BoardPage::onOfferDismissed);
}

void BoardPage::setWatchList(WatchList list)
{
    m_watchList = std::move(list);
    showWatchState();
}

void BoardPage::showWatchState()
{
    const bool known = m_division != 0 && m_watchList.isWatched && m_watchList.setWatched;
    const QSignalBlocker quiet(m_watch);
    m_watch->setEnabled(known);
    m_watch->setChecked(known && m_watchList.isWatched(m_division));
}

void BoardPage::onWatchToggled(bool watched)
{
    // What the settings hold is shown again whatever happens, so a failed save does not look done.
    try {
        if (m_division != 0 && m_watchList.setWatched)
            m_watchList.setWatched(m_division, watched);
    } catch (...) {
        showWatchState();
        throw;
    }
    showWatchState();
}

void BoardPage::offerRefresh(std::vector<DueOffer> offers)
{
    m_offers = std::move(offers);
    showOffer();
}

void BoardPage::showOffer()
{
    m_offerBar->setVisible(!m_offers.empty());
    Q_EMIT refreshOffersChanged();
    if (m_offers.empty())
        return;
    const DueOffer &first = m_offers.front();
    QString text =
        first.due.daysSinceRefresh
            ? tr("Дивизион «%1» не обновлялся %2 дн.").arg(first.name).arg(*first.due.daysSinceRefresh)
            : tr("В истории есть не все страницы дивизиона «%1».").arg(first.name);
    if (m_offers.size() > 1)
        text += u' ' + tr("Ждут обновления ещё дивизионов: %1.").arg(m_offers.size() - 1);
    m_offerText->setText(text);
}

void BoardPage::onOfferTaken()
{
    if (m_offers.empty())
        return;
    const int32_t divisionId = m_offers.front().due.divisionId;
    m_offers.erase(m_offers.begin());
    showOffer();
    Q_EMIT offeredRefreshTaken(divisionId);
}

void BoardPage::onOfferDismissed()
{
    m_offers.clear();
    showOffer();
}
