#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Ordering of the roster lists by a clicked column. Cells are windows-1251 texts.

// Byte-wise comparison with only the Latin letters a-z folded to upper case: the difference of the
// first differing bytes (as 0..255), else the difference of the lengths. Cyrillic keeps its case.
int compareText(std::string_view a, std::string_view b);

// The value a numeric column sorts by: a decimal number with "," as separator, optional sign, exponent
// and surrounding spaces. Anything else, the empty text and out-of-range values included, is 0.
long double readSortNumber(std::string_view text);

// -1, 0 or 1; values within max(min(|v1|, |v2|) * 1e-16, 1e-16) of each other are equal.
int compareNumbers(std::string_view t1, std::string_view t2);

// "Имя", "Страна" and "Поз" sort as text, every other column as a number.
bool isTextColumnCaption(const std::string &caption);

// One row of a list as its cells: cell 0 is the row caption, cell k > 0 its sub-value k - 1.
using SortRow = std::vector<std::string>;

// What one header click asks for.
struct SortRequest {
    bool textSort = false;
    bool ascending = false;
    int32_t column = 0;
    // The custom sort's argument for a numeric column: +column ascending, -column descending.
    int32_t argument = 0;
};

// The direction and column shared by both roster lists; lives as long as the main window.
struct SortState {
    bool sortAscending = false;
    int32_t sortColumn = 0;

    // A header click on any column of either list: flips the direction, remembers the column.
    SortRequest headerClick(int32_t column, const std::string &caption);

    // The text sort's comparison event: negative when row1 goes first, using the stored column.
    int compareRows(const SortRow &row1, const SortRow &row2) const;
};

// The comparison of the numeric custom sort; the sign of the argument gives the direction.
int numericColumnCompare(const SortRow &row1, const SortRow &row2, int32_t argument);

// The order the request puts the rows in, as indexes into `rows`. Rows that compare equal keep their
// order among themselves.
std::vector<std::size_t> sortedOrder(const std::vector<SortRow> &rows, const SortRequest &request);

// Reorders the rows in place by the request.
void sortRows(std::vector<SortRow> &rows, const SortRequest &request);
