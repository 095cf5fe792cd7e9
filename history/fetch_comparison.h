#pragma once

#include "history/history_records.h"

#include <optional>
#include <string>
#include <vector>

// One line of what changed between two fetches of a team's page. Texts are windows-1251.
struct FetchChange {
    std::string player;  // the name
    std::string country; // on the talent list; the abilities list shows none
    std::string change;  // "пришёл", "ушёл", or the caption of the list column whose value changed
    std::string before;  // the value as the list showed it; empty for arrivals and departures
    std::string after;

    bool operator==(const FetchChange &) const = default;
};

// Compares two fetches of the same page kind, older first, each given as the rows its list shows
// (the name first, then the list's cells). A player is the same in both when name and country match;
// the abilities list has no country, so there the name alone decides. Players sharing that key pair up
// in page order, and the ones left over arrived or left. Each line names the player by name and country.
// Lines come in the newer page's order: an arrival, or each changed value of age, mastery, talent and
// the eight abilities in column order; the departures follow in the older page's order.
std::vector<FetchChange> compareFetches(PageKind kind, const std::vector<std::vector<std::string>> &older,
                                        const std::vector<std::vector<std::string>> &newer);

// The same for two stored pages, their values compared as the lists show them.
std::vector<FetchChange> compareFetches(const StoredPage &older, const StoredPage &newer);

// How many players arrived, left and had any value change between two fetches, paired as above.
struct ChangeCounts {
    int arrived = 0;
    int left = 0;
    int changed = 0;

    bool operator==(const ChangeCounts &) const = default;
};
ChangeCounts countChanges(PageKind kind, const std::vector<std::vector<std::string>> &older,
                          const std::vector<std::vector<std::string>> &newer);

// For each of a team's stored pages, given the one stored last first, the counts since the page of the
// same kind stored before it; nothing for the first of its kind.
std::vector<std::optional<ChangeCounts>> changesSinceEarlier(const std::vector<StoredPage> &newestFirst);
