#include "roster/team_records.h"

std::string recordPosition(const std::string &cell) { return cell.substr(0, 2); }

TalentPlayer makeTalentPlayer(std::string name, std::string country, const std::string &position, int16_t age,
                              double mastery, double talent)
{
    return {{std::move(name), recordPosition(position), age, mastery}, std::move(country), talent};
}

AbilitiesPlayer makeAbilitiesPlayer(std::string name, const std::string &position, int16_t age,
                                    double mastery, const std::array<double, 8> &abilities)
{
    return {{std::move(name), recordPosition(position), age, mastery}, abilities};
}

TeamSnapshot *RunSnapshots::find(int32_t teamId, int64_t storedFetchId) const
{
    for (const auto &team : m_teams)
        if (team->teamId == teamId && team->storedFetchId == storedFetchId)
            return team.get();
    return nullptr;
}

TakenPage RunSnapshots::take(int32_t teamId, const TeamSummary &summary, PageKind kind,
                             const std::vector<TalentPlayer> &talents,
                             const std::vector<AbilitiesPlayer> &abilities, int64_t storedFetchId)
{
    TakenPage taken;
    taken.team = find(teamId, storedFetchId);
    if (!taken.team) {
        m_teams.push_back(
            std::make_unique<TeamSnapshot>(TeamSnapshot{summary, teamId, storedFetchId, {}, {}}));
        taken.team = m_teams.back().get();
        taken.newSnapshot = true;
    }
    if (taken.team->hasPlayersOf(kind))
        return taken;
    if (kind == PageKind::Talent)
        taken.team->talents = talents;
    else
        taken.team->abilities = abilities;
    taken.playersTaken = taken.team->hasPlayersOf(kind);
    return taken;
}
