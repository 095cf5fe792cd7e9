#include "history/fetch_comparison.h"

#include "roster/player_texts.h"
#include "text/code_page.h"

#include <map>
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

} // namespace

std::vector<FetchChange> compareFetches(PageKind kind, const std::vector<Row> &older,
                                        const std::vector<Row> &newer)
{
    // Older rows by key, each list in page order; pairing takes them from the front.
    std::map<std::pair<std::string, std::string>, std::vector<size_t>> waiting;
    for (size_t i = older.size(); i-- > 0;)
        waiting[keyOf(kind, older[i])].push_back(i);
    std::vector<bool> paired(older.size(), false);

    const std::vector<Column> &columns = kind == PageKind::Talent ? talentColumns : abilityColumns;
    std::vector<FetchChange> changes;
    for (const Row &row : newer) {
        std::vector<size_t> &candidates = waiting[keyOf(kind, row)];
        if (candidates.empty()) {
            changes.push_back({cellOf(row, 0), keyOf(kind, row).second, cp1251FromUtf16(u"пришёл"), {}, {}});
            continue;
        }
        const Row &before = older[candidates.back()];
        paired[candidates.back()] = true;
        candidates.pop_back();
        for (const Column &column : columns)
            if (cellOf(before, column.index) != cellOf(row, column.index))
                changes.push_back({cellOf(row, 0), keyOf(kind, row).second, cp1251FromUtf16(column.caption),
                                   cellOf(before, column.index), cellOf(row, column.index)});
    }
    for (size_t i = 0; i < older.size(); ++i)
        if (!paired[i])
            changes.push_back(
                {cellOf(older[i], 0), keyOf(kind, older[i]).second, cp1251FromUtf16(u"ушёл"), {}, {}});
    return changes;
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
