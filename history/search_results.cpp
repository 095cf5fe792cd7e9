#include "history/search_results.h"

#include "roster/player_texts.h"
#include "text/code_page.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <unordered_map>

namespace {

// Each row's place when the rows are ordered by `less`; rows neither less than the other share one.
template <class Less> std::vector<int> placesBy(size_t count, Less less)
{
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    std::vector<int> places(count);
    int place = 0;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0 && less(order[i - 1], order[i]))
            ++place;
        places[static_cast<size_t>(order[i])] = place;
    }
    return places;
}

// Texts are ranked once per distinct text, each by its collation key, then handed to their rows.
std::vector<int> textPlaces(const std::vector<FoundPlayer> &players,
                            const std::function<const std::string &(const FoundPlayer &)> &textOf,
                            const QCollator &collator)
{
    std::unordered_map<std::string, int> distinct;
    std::vector<QCollatorSortKey> keys;
    std::vector<int> entryOfRow;
    entryOfRow.reserve(players.size());
    for (const FoundPlayer &found : players) {
        const std::string &text = textOf(found);
        const auto [entry, added] = distinct.try_emplace(text, static_cast<int>(keys.size()));
        if (added)
            keys.push_back(collator.sortKey(fromCp1251(text)));
        entryOfRow.push_back(entry->second);
    }
    const std::vector<int> entryPlaces = placesBy(keys.size(), [&](int a, int b) {
        return keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]) < 0;
    });
    std::vector<int> places;
    places.reserve(players.size());
    for (const int entry : entryOfRow)
        places.push_back(entryPlaces[static_cast<size_t>(entry)]);
    return places;
}

template <class Key> std::vector<int> numberPlaces(const std::vector<FoundPlayer> &players, Key key)
{
    return placesBy(players.size(), [&](int a, int b) {
        return key(players[static_cast<size_t>(a)]) < key(players[static_cast<size_t>(b)]);
    });
}

} // namespace

SearchResults searchResultsOf(std::vector<FoundPlayer> players, const QCollator &collator)
{
    SearchResults results;
    results.players = std::move(players);
    const std::vector<FoundPlayer> &p = results.players;
    const auto at = [&](SearchColumn column) -> std::vector<int> & {
        return results.places[static_cast<size_t>(column)];
    };
    at(SearchColumn::Name) = textPlaces(
        p, [](const FoundPlayer &f) -> const std::string & { return f.player.name; }, collator);
    at(SearchColumn::Country) = textPlaces(
        p, [](const FoundPlayer &f) -> const std::string & { return f.player.country; }, collator);
    at(SearchColumn::Position) = textPlaces(
        p, [](const FoundPlayer &f) -> const std::string & { return f.player.position; }, collator);
    at(SearchColumn::Age) = numberPlaces(p, [](const FoundPlayer &f) { return f.player.age; });
    at(SearchColumn::Mastery) = numberPlaces(p, [](const FoundPlayer &f) { return f.player.mastery; });
    at(SearchColumn::Talent) = numberPlaces(p, [](const FoundPlayer &f) { return f.player.talent; });
    at(SearchColumn::Team) = textPlaces(
        p, [](const FoundPlayer &f) -> const std::string & { return f.teamName; }, collator);
    at(SearchColumn::Division) = textPlaces(
        p, [](const FoundPlayer &f) -> const std::string & { return f.division; }, collator);
    at(SearchColumn::Date) =
        numberPlaces(p, [](const FoundPlayer &f) { return f.fetchedAt.toMSecsSinceEpoch(); });
    return results;
}

std::vector<std::string> foundPlayerTexts(const FoundPlayer &found)
{
    std::vector<std::string> texts = talentRowTexts(found.player);
    texts.push_back(found.teamName);
    texts.push_back(found.division);
    texts.push_back(toCp1251(found.fetchedAt.toLocalTime().toString(QStringLiteral("dd.MM.yyyy"))));
    return texts;
}

std::vector<int> rowsInOrder(const SearchResults &results, SearchColumn column, bool ascending)
{
    const std::vector<int> &places = results.places[static_cast<size_t>(column)];
    std::vector<int> rows(results.players.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int placeA = places[static_cast<size_t>(a)];
        const int placeB = places[static_cast<size_t>(b)];
        return ascending ? placeA < placeB : placeA > placeB;
    });
    return rows;
}
