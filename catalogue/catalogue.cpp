#include "catalogue/catalogue.h"

std::vector<CatalogueEntry> readDivisions(CatalogueTable &divisions)
{
    std::vector<CatalogueEntry> entries;
    do {
        const int32_t id = divisions.fieldAsInteger(1);
        entries.push_back({divisions.fieldAsText(0), id});
        divisions.next();
    } while (!divisions.eof());
    return entries;
}

std::vector<CatalogueEntry> readTeamsOfDivision(CatalogueTable &teams, int32_t divisionId)
{
    std::vector<CatalogueEntry> entries;
    if (!teams.locate("divId", divisionId))
        return entries;
    // next() stays on the last row at the end, so the last row's own division is compared again and
    // the end flag is what stops the loop there: the last team is listed once.
    do {
        const int32_t id = teams.fieldAsInteger(2);
        entries.push_back({teams.fieldAsText(0), id});
        teams.next();
    } while (teams.fieldAsInteger(1) == divisionId && !teams.eof());
    return entries;
}
