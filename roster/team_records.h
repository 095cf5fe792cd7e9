#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What a roster page holds of a team, read once into plain values. Texts are windows-1251 bytes as cut
// from the page; numbers are values, formatted only where they are shown or written.

// The two roster pages of a team.
enum class PageKind { Talent, Abilities };

// The twelve summary texts of a team page, in the order the page gives them.
struct TeamSummary {
    std::string name, id, manager, rank, city, stadium, division, money, players, additions, power,
        spectatorRating;

    bool operator==(const TeamSummary &) const = default;
};

// What both pages tell of a youth player.
struct YouthPlayer {
    std::string name;
    std::string position; // at most 2 characters
    int16_t age = 0;
    double mastery = 0;

    bool operator==(const YouthPlayer &) const = default;
};

// A player of the talent page.
struct TalentPlayer : YouthPlayer {
    std::string country;
    double talent = 0;

    bool operator==(const TalentPlayer &) const = default;
};

// A player of the abilities page; the abilities in the list's column order (От Оп Др Пм Вн Пс Сл Тч).
struct AbilitiesPlayer : YouthPlayer {
    std::array<double, 8> abilities{};

    bool operator==(const AbilitiesPlayer &) const = default;
};

// The position as a record keeps it: its first 2 characters.
std::string recordPosition(const std::string &cell);

// Records in the order of their list's columns; the position is cut to what a record keeps.
TalentPlayer makeTalentPlayer(std::string name, std::string country, const std::string &position, int16_t age,
                              double mastery, double talent);
AbilitiesPlayer makeAbilitiesPlayer(std::string name, const std::string &position, int16_t age,
                                    double mastery, const std::array<double, 8> &abilities);

// One team as a run has seen it: its summary as first fetched and the players of each page kind, each
// list filled once. It belongs to the team identifier it was fetched for; two teams may share a name.
struct TeamSnapshot {
    TeamSummary summary;
    int32_t teamId = 0;
    // A page shown again from the fetch history is a snapshot of its own, apart from the run's fetches.
    int64_t storedFetchId = 0;
    std::vector<TalentPlayer> talents;
    std::vector<AbilitiesPlayer> abilities;

    bool hasPlayersOf(PageKind kind) const
    {
        return kind == PageKind::Talent ? !talents.empty() : !abilities.empty();
    }
};

// Where a page went among the run's snapshots.
struct TakenPage {
    TeamSnapshot *team = nullptr;
    bool newSnapshot = false;
    // The players went into the snapshot: its list of this kind was empty and the page had players.
    bool playersTaken = false;
};

// Every team fetched in this run, in the order of first fetch; one snapshot per team identifier (and
// per stored fetch shown again). It lives as long as the window; the fetch history is another thing.
class RunSnapshots {
public:
    int32_t count() const { return static_cast<int32_t>(m_teams.size()); }
    const TeamSnapshot &at(int32_t index) const { return *m_teams.at(static_cast<size_t>(index)); }
    TeamSnapshot *find(int32_t teamId, int64_t storedFetchId = 0) const;

    // Finds the team's snapshot or appends one made of `summary`, and fills its list of this page kind
    // with the players when that list is still empty. A list once filled is never refilled.
    TakenPage take(int32_t teamId, const TeamSummary &summary, PageKind kind,
                   const std::vector<TalentPlayer> &talents, const std::vector<AbilitiesPlayer> &abilities,
                   int64_t storedFetchId = 0);

private:
    // Snapshots stay where they are while the list grows: the view holds on to the one it shows.
    std::vector<std::unique_ptr<TeamSnapshot>> m_teams;
};
