#include "catalogue/catalogue_selectors.h"

#include "catalogue/catalogue.h"
#include "text/app_error.h"
#include "text/code_page.h"

#include <QComboBox>
#include <QLocale>
#include <vector>

CatalogueSelectors::CatalogueSelectors(QComboBox *divisions, QComboBox *teams,
                                       std::function<void(const QString &)> reportSkipped)
    : m_divisions(divisions), m_teams(teams), m_reportSkipped(std::move(reportSkipped))
{
}

void CatalogueSelectors::report(const std::vector<std::string> &skipped) const
{
    QStringList lines;
    for (const std::string &line : skipped)
        lines << fromCp1251(line);
    if (!lines.isEmpty())
        m_reportSkipped(lines.join(QLatin1Char('\n')));
}

void CatalogueSelectors::load()
{
    CatalogueTable divisions;
    divisions.loadFromFile("divisions.cds");
    std::vector<std::string> skipped;
    for (const CatalogueEntry &division : readDivisions(divisions, &skipped))
        m_divisions->addItem(fromCp1251(division.name), division.id);
    // Adding to an empty box chooses its first entry; the user has chosen nothing yet.
    m_divisions->setCurrentIndex(-1);
    report(skipped);
    m_teamsTable.loadFromFile("teams.cds");
}

void CatalogueSelectors::showTeamsOfChosenDivision()
{
    m_teams->clear();
    m_teams->clearEditText();
    std::vector<std::string> skipped;
    const std::vector<CatalogueEntry> teams =
        inNameOrder(readTeamsOfDivision(m_teamsTable, chosenDivisionId(), &skipped), QLocale::system());
    for (const CatalogueEntry &team : teams)
        m_teams->addItem(fromCp1251(team.name), team.id);
    m_teams->setCurrentIndex(-1);
    m_teams->clearEditText();
    report(skipped);
}

std::optional<int32_t> CatalogueSelectors::chosenTeam() const
{
    const int index = m_teams->currentIndex();
    // Text typed into the box that names no entry chooses nothing.
    if (index < 0 || m_teams->itemText(index) != m_teams->currentText())
        return std::nullopt;
    return m_teams->itemData(index).toInt();
}

int CatalogueSelectors::teamCount() const { return m_teams->count(); }

int32_t CatalogueSelectors::teamIdAt(int index) const { return m_teams->itemData(index).toInt(); }

QString CatalogueSelectors::teamNameAt(int index) const { return m_teams->itemText(index); }

QString CatalogueSelectors::chosenDivisionName() const { return m_divisions->currentText(); }

int32_t CatalogueSelectors::chosenDivisionId() const
{
    return m_divisions->currentIndex() < 0 ? 0 : m_divisions->currentData().toInt();
}

std::vector<CatalogueEntry> CatalogueSelectors::allTeams()
{
    std::vector<CatalogueEntry> teams;
    try {
        for (int i = 0; i < m_divisions->count(); ++i) {
            std::vector<CatalogueEntry> division =
                readTeamsOfDivision(m_teamsTable, m_divisions->itemData(i).toInt());
            teams.insert(teams.end(), division.begin(), division.end());
        }
    } catch (const AppError &) {
        return {}; // told when the team selector filled
    }
    return inNameOrder(std::move(teams), QLocale::system());
}

std::vector<CatalogueEntry> CatalogueSelectors::teamsOfChosenDivision()
{
    if (m_divisions->currentIndex() < 0)
        return {};
    try {
        return readTeamsOfDivision(m_teamsTable, chosenDivisionId());
    } catch (const AppError &) {
        return {}; // the team selector, filled from the same table, has told why
    }
}
