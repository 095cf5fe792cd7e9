#include "history/fetch_comparison.h"

#include "roster/player_texts.h"
#include "text/code_page.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace {

using Row = std::vector<std::string>;

struct Column {
    size_t index;
    const char16_t *caption;
};

// The compared columns of each list, with their captions; the name, country and position are not values.
const std::vector<Column> talentColumns{{3, u"Возр"}, {4, u"Маст"}, {5, u"Талант"}};
const std::vector<Column> abilityColumns{{2, u"Возр"}, {3, u"Маст"}, {4, u"От"}, {5, u"Оп"},  {6, u"Др"},
                                         {7, u"Пм"},   {8, u"Вн"},   {9, u"Пс"}, {10, u"Сл"}, {11, u"Тч"}};

std::string cellOf(const Row &row, size_t index) { return index < row.size() ? row[index] : std::string(); }

std::pair<std::string, std::string> keyOf(PageKind kind, const Row &row)
{
    return {cellOf(row, 0), kind == PageKind::Talent ? cellOf(row, 1) : std::string()};
}

// For each newer row, the older row it pairs with, or nothing for an arrival.
std::vector<std::optional<size_t>> partnersOf(PageKind kind, const std::vector<Row> &older,
                                              const std::vector<Row> &newer)
{
    // Older rows by key, each list in page order; pairing takes them from the front.
    std::map<std::pair<std::string, std::string>, std::vector<size_t>> waiting;
    for (size_t i = older.size(); i-- > 0;)
        waiting[keyOf(kind, older[i])].push_back(i);
    std::vector<std::optional<size_t>> partners;
    partners.reserve(newer.size());
    for (const Row &row : newer) {
        std::vector<size_t> &candidates = waiting[keyOf(kind, row)];
        if (candidates.empty()) {
            partners.emplace_back();
            continue;
        }
        partners.emplace_back(candidates.back());
        candidates.pop_back();
    }
    return partners;
}

const std::vector<Column> &columnsOf(PageKind kind)
{
    return kind == PageKind::Talent ? talentColumns : abilityColumns;
}

std::vector<bool> pairedOlder(size_t olderCount, const std::vector<std::optional<size_t>> &partners)
{
    std::vector<bool> paired(olderCount, false);
    for (const std::optional<size_t> &partner : partners)
        if (partner)
            paired[*partner] = true;
    return paired;
}

} // namespace

std::vector<FetchChange> compareFetches(PageKind kind, const std::vector<Row> &older,
                                        const std::vector<Row> &newer)
{
    const std::vector<std::optional<size_t>> partners = partnersOf(kind, older, newer);
    std::vector<FetchChange> changes;
    for (size_t n = 0; n < newer.size(); ++n) {
        const Row &row = newer[n];
        if (!partners[n]) {
            changes.push_back({cellOf(row, 0), keyOf(kind, row).second, cp1251FromUtf16(u"пришёл"), {}, {}});
            continue;
        }
        const Row &before = older[*partners[n]];
        for (const Column &column : columnsOf(kind))
            if (cellOf(before, column.index) != cellOf(row, column.index))
                changes.push_back({cellOf(row, 0), keyOf(kind, row).second, cp1251FromUtf16(column.caption),
                                   cellOf(before, column.index), cellOf(row, column.index)});
    }
    const std::vector<bool> paired = pairedOlder(older.size(), partners);
    for (size_t i = 0; i < older.size(); ++i)
        if (!paired[i])
            changes.push_back(
                {cellOf(older[i], 0), keyOf(kind, older[i]).second, cp1251FromUtf16(u"ушёл"), {}, {}});
    return changes;
}

ChangeCounts countChanges(PageKind kind, const std::vector<Row> &older, const std::vector<Row> &newer)
{
    const std::vector<std::optional<size_t>> partners = partnersOf(kind, older, newer);
    ChangeCounts counts;
    for (size_t n = 0; n < newer.size(); ++n) {
        if (!partners[n]) {
            ++counts.arrived;
            continue;
        }
        const Row &before = older[*partners[n]];
        const std::vector<Column> &columns = columnsOf(kind);
        if (std::any_of(columns.begin(), columns.end(), [&](const Column &column) {
                return cellOf(before, column.index) != cellOf(newer[n], column.index);
            }))
            ++counts.changed;
    }
    counts.left = static_cast<int>(older.size()) - (static_cast<int>(newer.size()) - counts.arrived);
    return counts;
}

namespace {

std::vector<Row> rowTextsOf(const StoredPage &page)
{
    std::vector<Row> rows;
    rows.reserve(page.playerCount());
    for (const TalentPlayer &player : page.talents)
        rows.push_back(talentRowTexts(player));
    for (const AbilitiesPlayer &player : page.abilities)
        rows.push_back(skillRowTexts(player));
    return rows;
}

} // namespace

std::vector<FetchChange> compareFetches(const StoredPage &older, const StoredPage &newer)
{
    return compareFetches(newer.kind, rowTextsOf(older), rowTextsOf(newer));
}

std::vector<std::optional<ChangeCounts>> changesSinceEarlier(const std::vector<StoredPage> &newestFirst)
{
    std::vector<std::optional<ChangeCounts>> counts(newestFirst.size());
    // Walking from the oldest, each kind's page before is the last one of that kind passed.
    std::optional<std::vector<Row>> earlier[2];
    for (size_t i = newestFirst.size(); i-- > 0;) {
        const StoredPage &page = newestFirst[i];
        std::optional<std::vector<Row>> &before = earlier[page.kind == PageKind::Talent ? 0 : 1];
        std::vector<Row> rows = rowTextsOf(page);
        if (before)
            counts[i] = countChanges(page.kind, *before, rows);
        before = std::move(rows);
    }
    return counts;
}
