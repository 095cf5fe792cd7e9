#include "board/board_filter.h"

#include "export/table_writers.h"
#include "text/code_page.h"

#include <algorithm>
#include <map>

BoardSort BoardSort::clicked(int clickedColumn) const
{
    return {clickedColumn, clickedColumn == column ? !ascending : true};
}

namespace {

bool passes(const BoardRow &row, const BoardFilter &filter, const std::string &search)
{
    if (!filter.position.empty() && row.cells[PositionColumn] != filter.position)
        return false;
    if (row.keyed[AgeColumn] && row.keys[AgeColumn] > filter.maxAge)
        return false;
    if (filter.minTalent > 0 && (!row.keyed[TalentColumn] || row.keys[TalentColumn] < filter.minTalent))
        return false;
    return search.empty() || row.foldedName.find(search) != std::string::npos ||
           row.foldedTeam.find(search) != std::string::npos;
}

// Keeps the three highest talents of each position, in board order.
void keepBestOfPositions(const std::vector<BoardRow> &rows, std::vector<std::size_t> &shown)
{
    std::vector<std::size_t> byTalent;
    for (const std::size_t i : shown)
        if (rows[i].keyed[TalentColumn])
            byTalent.push_back(i);
    std::stable_sort(byTalent.begin(), byTalent.end(), [&](std::size_t a, std::size_t b) {
        return rows[a].keys[TalentColumn] > rows[b].keys[TalentColumn];
    });
    std::map<std::string, int> taken;
    std::vector<std::size_t> best;
    for (const std::size_t i : byTalent)
        if (++taken[rows[i].cells[PositionColumn]] <= 3)
            best.push_back(i);
    std::sort(best.begin(), best.end());
    shown = std::move(best);
}

void sortShown(const std::vector<BoardRow> &rows, std::vector<std::size_t> &shown, const BoardSort &sort)
{
    if (sort.column < 0 || static_cast<std::size_t>(sort.column) >= boardColumnCount)
        return;
    const auto column = static_cast<std::size_t>(sort.column);
    std::stable_sort(shown.begin(), shown.end(), [&](std::size_t a, std::size_t b) {
        const BoardRow &x = rows[a];
        const BoardRow &y = rows[b];
        if (x.keyed[column] != y.keyed[column])
            return x.keyed[column];
        if (!x.keyed[column])
            return false;
        return sort.ascending ? x.keys[column] < y.keys[column] : y.keys[column] < x.keys[column];
    });
}

} // namespace

std::vector<std::size_t> shownRows(const std::vector<BoardRow> &rows, const BoardFilter &filter,
                                   const BoardSort &sort)
{
    const std::string search = foldCase(filter.search);
    std::vector<std::size_t> shown;
    shown.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (passes(rows[i], filter, search))
            shown.push_back(i);
    if (filter.bestOfPosition)
        keepBestOfPositions(rows, shown);
    sortShown(rows, shown, sort);
    return shown;
}

std::string boardCsv(const std::vector<BoardRow> &rows, const std::vector<std::size_t> &shown)
{
    const std::vector<std::string> captions(boardColumnNames.begin(), boardColumnNames.end());
    TextRows texts;
    texts.reserve(shown.size());
    for (const std::size_t i : shown) {
        std::vector<std::string> cells;
        cells.reserve(boardColumnCount);
        for (const std::string &cell : rows[i].cells)
            cells.push_back(utf8FromCp1251(cell));
        texts.push_back(std::move(cells));
    }
    return csvDocument(captions, texts);
}
