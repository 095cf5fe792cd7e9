#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_table.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;

// The division and team selectors over the catalogue files of the working folder.
class CatalogueSelectors {
public:
    // Rows of the catalogue left out because their identifier is no number go to `reportSkipped`.
    CatalogueSelectors(QComboBox *divisions, QComboBox *teams,
                       std::function<void(const QString &)> reportSkipped);

    // Fills the division selector from divisions.cds, with no division chosen, and keeps teams.cds
    // for the team selector. Throws AppError when a file cannot be read.
    void load();
    // Refills the team selector with the chosen division's teams, in the user's language order, none
    // chosen.
    void showTeamsOfChosenDivision();

    // The team whose entry is chosen and whose name the box shows; nothing when no team is chosen.
    std::optional<int32_t> chosenTeam() const;
    int teamCount() const;
    int32_t teamIdAt(int index) const;
    QString teamNameAt(int index) const;
    QString chosenDivisionName() const;
    // The chosen division's identifier, 0 when none is chosen.
    int32_t chosenDivisionId() const;
    // The chosen division's teams in catalogue order; nothing when no division is chosen or the teams
    // cannot be read. Rows left out, and a table that fails, were reported when the team selector filled.
    std::vector<CatalogueEntry> teamsOfChosenDivision();
    // Every team of every division the selector lists, by name in the user's language's order; nothing
    // when the teams cannot be read.
    std::vector<CatalogueEntry> allTeams();

private:
    QComboBox *m_divisions;
    QComboBox *m_teams;
    void report(const std::vector<std::string> &skipped) const;

    std::function<void(const QString &)> m_reportSkipped;
    CatalogueTable m_teamsTable;
};
