#pragma once

#include "catalogue/catalogue_table.h"

#include <QLocale>
#include <cstdint>
#include <string>
#include <vector>

// One selector entry: the shown name (windows-1251) and the identifier the entry carries.
struct CatalogueEntry {
    std::string name;
    int32_t id = 0;

    bool operator==(const CatalogueEntry &) const = default;
};

// Both readers find their columns by name: "name" and "id" for divisions, "name", "divId" and "teamId" for
// teams. A column the table does not name takes its usual place (0, 1, 2 in that order), or the first
// column no name took when that place is taken; a table without enough columns fails, saying which one
// is missing. A row whose identifier is not a 32-bit integer is left out, and when `skipped` is given a
// message naming the row, its file and the reason (windows-1251, like every text here) is appended to it.

// The divisions of a loaded divisions table, in table order. The first row is read before the end is
// tested, so an empty table fails.
std::vector<CatalogueEntry> readDivisions(CatalogueTable &divisions,
                                          std::vector<std::string> *skipped = nullptr);

// The teams of one division from a loaded teams table, in table order: from the first row whose "divId"
// is the division up to the first following row whose "divId" differs (or is not a number), or the end of
// the table. Empty when the division has no row.
std::vector<CatalogueEntry> readTeamsOfDivision(CatalogueTable &teams, int32_t divisionId,
                                                std::vector<std::string> *skipped = nullptr);

// The teams as the team selector lists them, and a division run takes them: by name in the order of the
// language of `locale` (QCollator), teams of the same name in table order.
std::vector<CatalogueEntry> inNameOrder(std::vector<CatalogueEntry> entries, const QLocale &locale);
