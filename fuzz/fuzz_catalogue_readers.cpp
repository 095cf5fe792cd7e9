// Any file as both catalogue tables, through the readers the main window uses: each either fails with
// AppError or accounts for its rows, every row an entry or a named skip, and a division's teams do not
// depend on where the cursor stood before.
#include "catalogue/catalogue.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_table_file.h"
#include "text/app_error.h"

#include <string>
#include <vector>

namespace {

size_t rowCount(CatalogueTable &table)
{
    size_t rows = 0; // from the first row, where a load leaves the cursor
    while (!table.eof()) {
        ++rows;
        table.next();
    }
    return rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &path = tableFileWith(data, size);

    CatalogueTable table;
    try {
        table.loadFromFile(path);
    } catch (const AppError &) {
        return 0;
    }
    std::vector<int32_t> divisionIds = {0, 1, -1};
    try {
        std::vector<std::string> skipped;
        const std::vector<CatalogueEntry> divisions = readDivisions(table, &skipped);
        // Loaded fresh, the cursor stood on the first row: every row was read once.
        table.loadFromFile(path);
        FUZZ_CHECK(divisions.size() + skipped.size() == rowCount(table));
        for (const std::string &problem : skipped)
            FUZZ_CHECK(!problem.empty());
        for (const CatalogueEntry &division : divisions)
            divisionIds.push_back(division.id);
    } catch (const AppError &) {
        // An empty or too narrow table; the teams reader may still take it.
    }

    size_t rows = 0;
    try {
        table.loadFromFile(path);
        rows = rowCount(table);
    } catch (const AppError &) {
        return 0;
    }
    for (const int32_t id : divisionIds) {
        std::vector<std::string> skipped, skippedAgain;
        std::vector<CatalogueEntry> teams, again;
        bool read = true;
        try {
            teams = readTeamsOfDivision(table, id, &skipped);
        } catch (const AppError &) {
            read = false;
        }
        try {
            table.next(); // from wherever the cursor is left, the same answer
            again = readTeamsOfDivision(table, id, &skippedAgain);
            FUZZ_CHECK(read);
        } catch (const AppError &) {
            FUZZ_CHECK(!read);
        }
        FUZZ_CHECK(teams == again);
        FUZZ_CHECK(skipped == skippedAgain);
        FUZZ_CHECK(teams.size() + skipped.size() <= rows);
    }
    return 0;
}
