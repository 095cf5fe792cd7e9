#include "app/watch_wiring.h"

#include "board/board_page.h"
#include "settings/settings_dialog.h"
#include "widgets/error_guard.h"

#include <QComboBox>
#include <QDir>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

namespace {

// The catalogue's name of a division as the choice panel lists it; empty when it is not there.
QString divisionNameIn(const QComboBox *box, int32_t divisionId)
{
    const int index = box ? box->findData(divisionId) : -1;
    return index < 0 ? QString() : box->itemText(index);
}

} // namespace

WatchWiring::WatchWiring(const Controls &controls, QObject *parent) : QObject(parent), m_controls(controls)
{
    m_controls.board->setWatchList({[this](int32_t id) { return isWatched(id); },
                                    [this](int32_t id, bool watched) {
                                        if (m_settings)
                                            m_settings->setDivisionWatched(id, watched);
                                    }});
    connect(m_controls.board, &BoardPage::offeredRefreshTaken, this,
            [this](int32_t divisionId) { runGuarded([&] { onOfferTaken(divisionId); }); });
    connect(m_controls.board, &BoardPage::refreshOffersChanged, this, &WatchWiring::markBoardTab);
}

WatchWiring::~WatchWiring() = default;

void WatchWiring::setSettingsDialog(SettingsDialog *settings)
{
    m_settings = settings;
    // The dialog may outlive the window, and with it the choice panel.
    if (settings)
        settings->setDivisionNamer([box = QPointer<QComboBox>(m_controls.divisionBox)](int32_t id) {
            return divisionNameIn(box, id);
        });
    m_controls.board->showWatchState();
}

bool WatchWiring::isWatched(int32_t divisionId) const
{
    if (!m_settings)
        return false;
    const std::vector<int32_t> ids = m_settings->watchOptions().divisionIds;
    return std::find(ids.begin(), ids.end(), divisionId) != ids.end();
}

void WatchWiring::offerDueRefreshes(const QString &historyPath)
{
    const WatchOptions options = m_settings ? m_settings->watchOptions() : WatchOptions{};
    if (historyPath.isEmpty() || options.divisionIds.empty())
        return;
    // The catalogue the choice panel was filled from, wherever the working folder goes later.
    m_check = std::make_unique<WatchCheck>(
        historyPath, QDir::current().absoluteFilePath(QStringLiteral("teams.cds")), options);
    connect(m_check.get(), &WatchCheck::finished, this,
            [this](const std::vector<DueDivision> &due) { runGuarded([&] { offer(due); }); });
    m_check->start();
}

void WatchWiring::offer(const std::vector<DueDivision> &due)
{
    std::vector<BoardPage::DueOffer> offers;
    for (const DueDivision &division : due) {
        const QString name = divisionNameIn(m_controls.divisionBox, division.divisionId);
        if (!name.isEmpty()) // only a division the choice panel can choose can be refreshed
            offers.push_back({division, name});
    }
    m_controls.board->offerRefresh(std::move(offers));
}

void WatchWiring::onOfferTaken(int32_t divisionId)
{
    const int index = m_controls.divisionBox->findData(divisionId);
    if (index < 0)
        return;
    // Chosen as a click would choose it: the team box and the board follow the division.
    m_controls.divisionBox->setCurrentIndex(index);
    Q_EMIT m_controls.divisionBox->activated(index);
    m_controls.tabs->setCurrentWidget(m_controls.board->parentWidget());
    m_controls.board->startRefresh();
}

void WatchWiring::markBoardTab()
{
    const int tab = m_controls.tabs->indexOf(m_controls.board->parentWidget());
    const bool offered = m_controls.board->hasRefreshOffer();
    m_controls.tabs->setTabIcon(
        tab, offered ? m_controls.tabs->style()->standardIcon(QStyle::SP_BrowserReload) : QIcon());
    m_controls.tabs->setTabToolTip(tab, offered ? tr("Пора обновить отслеживаемый дивизион") : QString());
}
