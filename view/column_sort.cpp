#include "view/column_sort.h"

#include "text/numbers.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

unsigned char foldLatin(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 0x20) : byte;
}

// A missing cell reads as an empty text.
std::string_view cell(const SortRow &row, size_t index)
{
    return index < row.size() ? std::string_view(row[index]) : std::string_view();
}

} // namespace

int compareText(std::string_view a, std::string_view b)
{
    const size_t shorter = std::min(a.size(), b.size());
    for (size_t i = 0; i < shorter; ++i) {
        const int difference = foldLatin(a[i]) - foldLatin(b[i]);
        if (difference != 0)
            return difference;
    }
    const auto lengths = static_cast<std::ptrdiff_t>(a.size()) - static_cast<std::ptrdiff_t>(b.size());
    return static_cast<int>(std::clamp<std::ptrdiff_t>(lengths, INT_MIN, INT_MAX));
}

long double readSortNumber(std::string_view text) { return parseDecimal(text).value_or(0); }

int compareNumbers(std::string_view t1, std::string_view t2)
{
    const long double v1 = readSortNumber(t1);
    const long double v2 = readSortNumber(t2);
    const long double tolerance = std::max(std::min(std::fabs(v1), std::fabs(v2)) * 1e-16L, 1e-16L);
    if (std::fabs(v1 - v2) <= tolerance)
        return 0;
    return v1 < v2 ? -1 : 1;
}

bool isTextColumnCaption(const std::string &caption)
{
    // "Имя", "Страна", "Поз" in windows-1251.
    return caption == "\xC8\xEC\xFF" || caption == "\xD1\xF2\xF0\xE0\xED\xE0" || caption == "\xCF\xEE\xE7";
}

SortRequest SortState::headerClick(int32_t column, const std::string &caption)
{
    sortAscending = !sortAscending;
    sortColumn = column;
    SortRequest request;
    request.textSort = isTextColumnCaption(caption);
    request.ascending = sortAscending;
    request.column = column;
    request.argument = sortAscending ? column : -column;
    return request;
}

int SortState::compareRows(const SortRow &row1, const SortRow &row2) const
{
    const auto column = static_cast<size_t>(sortColumn);
    return sortAscending ? compareText(cell(row1, column), cell(row2, column))
                         : compareText(cell(row2, column), cell(row1, column));
}

int numericColumnCompare(const SortRow &row1, const SortRow &row2, int32_t argument)
{
    // Sub-value |argument| - 1 is cell |argument| of the row.
    const auto column = static_cast<size_t>(std::abs(static_cast<int64_t>(argument)));
    const int r = compareNumbers(cell(row1, column), cell(row2, column));
    return argument > 0 ? r : -r;
}

std::vector<std::size_t> sortedOrder(const std::vector<SortRow> &rows, const SortRequest &request)
{
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const SortState state{request.ascending, request.column};
    // A merge sort: it stays well-behaved even though the tolerance makes "equal" not quite transitive.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t i, std::size_t j) {
        return (request.textSort ? state.compareRows(rows[i], rows[j])
                                 : numericColumnCompare(rows[i], rows[j], request.argument)) < 0;
    });
    return order;
}

void sortRows(std::vector<SortRow> &rows, const SortRequest &request)
{
    const std::vector<std::size_t> order = sortedOrder(rows, request);
    std::vector<SortRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}
