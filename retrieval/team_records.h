#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The two roster pages of a team.
enum class PageKind { Talent, Abilities };

// What one fetch keeps of a team. All texts are windows-1251 bytes as cut from the page.

class cplayer {
public:
    std::string Name;
    std::string Position; // at most 2 characters
    int16_t Age = 0;
    double Mastery = 0;

protected:
    cplayer(std::string name, const std::string &position, int16_t age, double mastery);
};

// A player of the talent page.
class CPlayerTal : public cplayer {
public:
    std::string Country;
    double Talent = 0;

    CPlayerTal(std::string name, std::string country, const std::string &position, int16_t age,
               double mastery, double talent);
};

// A player of the abilities page; the abilities in the list's column order.
class CPlayerSkill : public cplayer {
public:
    double Ability1 = 0, Ability2 = 0, Ability3 = 0, Ability4 = 0;
    double Ability5 = 0, Ability6 = 0, Ability7 = 0, Ability8 = 0;

    CPlayerSkill(std::string name, const std::string &position, int16_t age, double mastery,
                 const std::array<double, 8> &abilities);
    std::array<double, 8> abilities() const;
};

// The twelve summary texts of a team page, in the order the page gives them.
struct TeamSummary {
    std::string Name, ID, Manager, Rang, City, Stadium, Division, Money, Players, CoSP, Power, VisRat;

    bool operator==(const TeamSummary &) const = default;
};

// A team snapshot: its summary as first fetched and the players of each page kind, each list filled once.
// It belongs to the team identifier it was fetched for; two teams may share a name.
class CTeam : public TeamSummary {
public:
    int32_t TeamId = 0;
    // A page shown again from the fetch history is a snapshot of its own, apart from the run's fetches.
    int64_t StoredFetchId = 0;
    int32_t TalCount = 0;
    int32_t SkillCount = 0;
    std::vector<std::unique_ptr<CPlayerTal>> Tal;
    std::vector<std::unique_ptr<CPlayerSkill>> Skill;

    CTeam(TeamSummary summary, int32_t teamId) : TeamSummary(std::move(summary)), TeamId(teamId) {}
    const TeamSummary &summary() const { return *this; }
};

void AddTal(CTeam &team, std::unique_ptr<CPlayerTal> player);
void AddSkill(CTeam &team, std::unique_ptr<CPlayerSkill> player);

// Every team fetched in a run, in the order of first fetch; one snapshot per team identifier.
class TeamHistory {
public:
    std::vector<std::unique_ptr<CTeam>> Teams;
    int32_t TeamCount = 0;

    CTeam &append(TeamSummary summary, int32_t teamId, int64_t storedFetchId = 0);
    CTeam *findByTeamId(int32_t teamId, int64_t storedFetchId = 0) const;
    CTeam &at(int32_t index) const { return *Teams.at(static_cast<size_t>(index)); }
};
