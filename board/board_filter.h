#pragma once

#include "board/board_rows.h"

#include <cstddef>
#include <string>
#include <vector>

// Which rows of the board are shown, and in what order.

struct BoardFilter {
    std::string position; // windows-1251; empty: every position
    int maxAge = 99;      // the oldest age shown
    // The lowest talent shown; above 0 it leaves out the players without a talent.
    double minTalent = 0;
    std::string search; // windows-1251: part of a player's or a team's name, in any case
    // Only the three highest talents of each position, among the rows the other rules let through;
    // a tie goes to the row that comes first on the board.
    bool bestOfPosition = false;
    // Only the players whose talent or mastery grew since the team's previous talent page.
    bool growingOnly = false;
};

struct BoardSort {
    int column = -1; // -1: the order the board was filled in
    bool ascending = true;

    // A header click: the same column again reverses the order, another column starts ascending.
    BoardSort clicked(int clickedColumn) const;
};

// Indexes of the rows shown, in the order shown. Rows that sort as equals keep the board's order; cells
// without a number come last in either direction.
std::vector<std::size_t> shownRows(const BoardTable &table, const BoardFilter &filter, const BoardSort &sort);

// The CSV file of the rows shown, in the order shown, every column (see csvDocument).
std::string boardCsv(const BoardTable &table, const std::vector<std::size_t> &shown);
