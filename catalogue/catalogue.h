#pragma once

#include "catalogue/catalogue_table.h"

#include <cstdint>
#include <string>
#include <vector>

// One selector entry: the shown name (windows-1251) and the identifier the entry carries.
struct CatalogueEntry {
    std::string name;
    int32_t id = 0;

    bool operator==(const CatalogueEntry &) const = default;
};

// The divisions of a loaded divisions table (column 0 name, column 1 identifier), in table order.
// The first row is read before the end is tested, so an empty table fails.
std::vector<CatalogueEntry> readDivisions(CatalogueTable &divisions);

// The teams of one division from a loaded teams table (column 0 name, 1 "divId", 2 team identifier), in
// table order: from the first row whose "divId" is the division up to the first following row whose
// column 1 differs, or the end of the table. Empty when the division has no row.
std::vector<CatalogueEntry> readTeamsOfDivision(CatalogueTable &teams, int32_t divisionId);
