#include "retrieval/team_records.h"

cplayer::cplayer(std::string name, const std::string &position, int16_t age, double mastery)
    : Name(std::move(name)), Position(position.substr(0, 2)), Age(age), Mastery(mastery)
{
}

CPlayerTal::CPlayerTal(std::string name, std::string country, const std::string &position, int16_t age,
                       double mastery, double talent)
    : cplayer(std::move(name), position, age, mastery), Country(std::move(country)), Talent(talent)
{
}

CPlayerSkill::CPlayerSkill(std::string name, const std::string &position, int16_t age, double mastery,
                           const std::array<double, 8> &a)
    : cplayer(std::move(name), position, age, mastery), Ability1(a[0]), Ability2(a[1]), Ability3(a[2]),
      Ability4(a[3]), Ability5(a[4]), Ability6(a[5]), Ability7(a[6]), Ability8(a[7])
{
}

std::array<double, 8> CPlayerSkill::abilities() const
{
    return {Ability1, Ability2, Ability3, Ability4, Ability5, Ability6, Ability7, Ability8};
}

void AddTal(CTeam &team, std::unique_ptr<CPlayerTal> player)
{
    team.Tal.push_back(std::move(player));
    team.TalCount = static_cast<int32_t>(team.Tal.size());
}

void AddSkill(CTeam &team, std::unique_ptr<CPlayerSkill> player)
{
    team.Skill.push_back(std::move(player));
    team.SkillCount = static_cast<int32_t>(team.Skill.size());
}

CTeam &TeamHistory::append(TeamSummary summary, int32_t teamId, int64_t storedFetchId)
{
    Teams.push_back(std::make_unique<CTeam>(std::move(summary), teamId));
    Teams.back()->StoredFetchId = storedFetchId;
    TeamCount = static_cast<int32_t>(Teams.size());
    return *Teams.back();
}

CTeam *TeamHistory::findByTeamId(int32_t teamId, int64_t storedFetchId) const
{
    for (const auto &team : Teams)
        if (team->TeamId == teamId && team->StoredFetchId == storedFetchId)
            return team.get();
    return nullptr;
}
