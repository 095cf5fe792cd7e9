#pragma once

#include "roster/team_records.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What a search over the stored talent pages asks. Every condition left empty lets every player through.
struct PlayerSearch {
    QString namePart;     // a part of the player's name, in any case (Cyrillic folded too)
    std::string position; // a position as records keep it (windows-1251), exactly
    std::optional<int> oldestAge;
    std::optional<double> lowestTalent;
    std::optional<double> lowestMastery;
    QString countryPart;          // a part of the country's name, in any case
    std::vector<int32_t> teamIds; // only these teams; empty: every team
    bool everyWeek = false;       // false: each team's talent page stored last only
};

// One player of one stored talent page that matched.
struct FoundPlayer {
    int64_t fetchId = 0;
    int32_t teamId = 0;
    QDateTime fetchedAt;
    std::string teamName; // windows-1251, as the page named the team
    std::string division; // windows-1251, as the page named the division
    TalentPlayer player;

    bool operator==(const FoundPlayer &) const = default;
};

// The text a name or country match compares: case folded, and ё as е, so "ёж" finds "Ёжиков" and
// "семенов" finds "Семёнов".
QString searchFolded(const QString &text);
