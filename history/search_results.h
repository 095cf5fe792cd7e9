#pragma once

#include "history/player_search.h"

#include <QCollator>
#include <array>
#include <string>
#include <vector>

// The columns of a search's results, as the list shows them: the talent list's six, then where the
// player was found and when.
enum class SearchColumn { Name, Country, Position, Age, Mastery, Talent, Team, Division, Date };
constexpr int searchColumnCount = 9;

// The players a search found and, for every column, each row's place in that column's order: numbers
// as numbers, the date as a time, texts in the user's language's order. Rows equal in a column share a
// place.
struct SearchResults {
    std::vector<FoundPlayer> players;
    std::array<std::vector<int>, searchColumnCount> places;
};

// Works out the places once, so a click on a column only sorts integers.
SearchResults searchResultsOf(std::vector<FoundPlayer> players, const QCollator &collator);

// A found player's cells (windows-1251): the talent list's texts, the team, the division and the day of
// the page in the user's time zone.
std::vector<std::string> foundPlayerTexts(const FoundPlayer &found);

// The rows in a column's order; rows equal there keep the order they were found in.
std::vector<int> rowsInOrder(const SearchResults &results, SearchColumn column, bool ascending);
