// The main window's growth side: the own team from the settings, and the projection of a player with the
// steps a week and his team's levels the history gives.
#include "analysis/projection_page.h"
#include "analysis/talent_projection.h"
#include "app/main_window.h"
#include "catalogue/catalogue_selectors.h"
#include "history/growth_history.h"
#include "history/history_keeper.h"
#include "history/history_page.h"
#include "settings/settings_dialog.h"
#include "text/code_page.h"
#include "ui_main_window.h"
#include "view/roster_lists.h"
#include "view/text_table_model.h"
#include "widgets/messages.h"

void MainWindow::wireOwnTeam(SettingsDialog *settings)
{
    if (!settings)
        return;
    settings->setTeamChoices([this] {
        std::vector<std::pair<QString, int32_t>> choices;
        for (const CatalogueEntry &team : m_main->selectors().allTeams())
            choices.emplace_back(fromCp1251(team.name), team.id);
        return choices;
    });
    connect(settings, &SettingsDialog::ownTeamChanged, this, &MainWindow::setOwnTeam);
    setOwnTeam(settings->ownTeam());
}

void MainWindow::onProjectionChosen()
{
    const int row = currentChosenRow(m_controls.talentList);
    if (row < 0)
        return;
    // Name, country, position, age, mastery, talent: the cells as the list shows them.
    const std::vector<std::string> &cells = m_main->talentRows().row(row);
    const auto cell = [&](size_t i) { return i < cells.size() ? cells[i] : std::string(); };
    ProjectedPlayer player{m_main->summaryOnView().name, cell(0), cell(4), cell(5), teamProductOnView(),
                           m_main->pageDayOnView()};
    if (m_projection->showFor(player))
        messages().information(noGrowthCaption(), noGrowthText());
}

std::optional<int> MainWindow::teamProductOnView() const
{
    if (!m_keeper->isOpen())
        return std::nullopt;
    return sureTeamProduct(m_keeper->store(), m_main->teamOnView(), m_ownTeam,
                           m_ui->historyPage->trainingRate());
}

void MainWindow::setOwnTeam(const OwnTeam &own)
{
    const bool changed = !(own == m_ownTeam);
    m_ownTeam = own;
    if (!changed)
        return;
    m_projection->setLevels(own.schoolLevel, own.coachLevel);
    m_ui->historyPage->setOwnTeam(own);
}

