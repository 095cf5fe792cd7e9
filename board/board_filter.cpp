#include "board/board_filter.h"

#include "export/table_writers.h"
#include "text/code_page.h"

#include <algorithm>
#include <map>
#include <numeric>

BoardSort BoardSort::clicked(int clickedColumn) const
{
    return {clickedColumn, clickedColumn == column ? !ascending : true};
}

namespace {

bool grows(const BoardRow &row)
{
    const auto above0 = [&row](std::size_t column) { return row.keyed[column] && row.keys[column] > 0; };
    return above0(TalentChangeColumn) || above0(MasteryChangeColumn);
}

bool passes(const BoardRow &row, const BoardFilter &filter, const std::string &search)
{
    if (filter.growingOnly && !grows(row))
        return false;
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
void keepBestOfPositions(const std::vector<const BoardRow *> &rows, std::vector<std::size_t> &shown)
{
    std::vector<std::size_t> byTalent;
    for (const std::size_t i : shown)
        if (rows[i]->keyed[TalentColumn])
            byTalent.push_back(i);
    std::stable_sort(byTalent.begin(), byTalent.end(), [&](std::size_t a, std::size_t b) {
        return rows[a]->keys[TalentColumn] > rows[b]->keys[TalentColumn];
    });
    std::map<std::string, int> taken;
    std::vector<std::size_t> best;
    for (const std::size_t i : byTalent)
        if (++taken[rows[i]->cells[PositionColumn]] <= 3)
            best.push_back(i);
    std::sort(best.begin(), best.end());
    shown = std::move(best);
}

void sortShown(const BoardTable &table, std::vector<std::size_t> &shown, const BoardSort &sort)
{
    if (sort.column < 0 || static_cast<std::size_t>(sort.column) >= boardColumnCount)
        return;
    const auto column = static_cast<std::size_t>(sort.column);
    // The keys once, side by side, rather than looked up in the rows at every comparison.
    std::vector<std::pair<double, std::size_t>> keyed;
    std::vector<std::size_t> unkeyed; // cells without a number come last in either direction
    keyed.reserve(shown.size());
    for (const std::size_t i : shown) {
        if (const std::optional<double> key = table.key(*table.rows[i], column))
            keyed.emplace_back(*key, i);
        else
            unkeyed.push_back(i);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&sort](const auto &x, const auto &y) {
        return sort.ascending ? x.first < y.first : y.first < x.first;
    });
    shown.clear();
    for (const auto &entry : keyed)
        shown.push_back(entry.second);
    shown.insert(shown.end(), unkeyed.begin(), unkeyed.end());
}

} // namespace

std::vector<std::size_t> shownRows(const BoardTable &table, const BoardFilter &filter, const BoardSort &sort)
{
    const std::vector<const BoardRow *> &rows = table.rows;
    const std::string search = foldCase(filter.search);
    std::vector<std::size_t> shown(rows.size());
    std::iota(shown.begin(), shown.end(), std::size_t{0});
    // Filters that let every row through cost no look at the rows.
    const bool all = filter.position.empty() && filter.maxAge >= table.oldestAge && filter.minTalent <= 0 &&
                     search.empty() && !filter.growingOnly;
    if (!all)
        std::erase_if(shown, [&](std::size_t i) { return !passes(*rows[i], filter, search); });
    if (filter.bestOfPosition)
        keepBestOfPositions(rows, shown);
    sortShown(table, shown, sort);
    return shown;
}

std::string boardCsv(const BoardTable &table, const std::vector<std::size_t> &shown)
{
    const std::vector<std::string> captions(boardColumnNames.begin(), boardColumnNames.end());
    TextRows texts;
    texts.reserve(shown.size());
    for (const std::size_t i : shown) {
        std::vector<std::string> cells;
        cells.reserve(boardColumnCount);
        for (const std::string &cell : table.rows[i]->cells)
            cells.push_back(utf8FromCp1251(cell));
        texts.push_back(std::move(cells));
    }
    return csvDocument(captions, texts);
}
