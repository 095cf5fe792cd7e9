#pragma once

#include "tools/demo_server/demo_catalogue.h"
#include "tools/demo_server/demo_random.h"
#include "tools/demo_server/demo_training.h"

#include <QString>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

// One youth player of a demo team. Numbers are held as whole hundredths or thousandths so the page
// writes them exactly, with "." as the separator, the way the game's site does.
struct DemoPlayer {
    int32_t number = 0; // player identifier in the site's links
    QString name;
    QString country;
    int flag = 0; // flag picture number
    QString position;
    int age = 0;
    int masteryHundredths = 0;
    int talentThousandths = 0;
    std::array<int, 8> abilityHundredths{}; // field players: the eight ability columns
    std::array<int, 4> keeperHundredths{};  // goalkeepers: their own four skills instead
    bool isKeeper() const { return position == u"Gk"; }
};

// A team's youth school week by week. Week 0 is the squad as it stands today: 8 to 25 players, at least
// one goalkeeper, unique names. Every later week the players train (talent by the projection step at the
// team's levels, see DemoTraining; mastery by talent), now and then one is promoted and a newcomer
// arrives, and every 20 weeks a season turns: all grow a year older and those past 19 leave. The same
// team, training and week always give the same squad, for the talent page and the abilities page alike;
// who comes and goes does not depend on the training.
class DemoSchool {
public:
    explicit DemoSchool(int32_t teamId, const DemoTraining &training = {});

    // Plays the weeks after the current one up to `week`; a week already played changes nothing.
    void playUntil(int week);
    int week() const { return m_week; }
    const std::vector<DemoPlayer> &squad() const { return m_squad; }

private:
    void playWeek();
    void train(DemoPlayer &player, SplitMix64 &weekRng, SplitMix64 &trainingRng) const;

    int32_t m_teamId;
    DemoTraining m_training;
    DemoLevels m_levels;
    int m_week = 0;
    std::vector<DemoPlayer> m_squad;
};

// The squad of a team in a week: DemoSchool played up to it.
std::vector<DemoPlayer> youthSquad(int32_t teamId, int week = 0, const DemoTraining &training = {});
constexpr int maxDemoWeek = 1000;

// The squads of one week, each played on first use and kept: a server answers both pages of a team,
// often more than once, and a late week replays every week before it.
class DemoWeekSquads {
public:
    DemoWeekSquads(int week, const DemoTraining &training) : m_week(week), m_training(training) {}
    const std::vector<DemoPlayer> &of(int32_t teamId);

private:
    int m_week;
    DemoTraining m_training;
    std::unordered_map<int32_t, std::vector<DemoPlayer>> m_squads;
};

// What the page's summary says about a team besides its name and division.
struct TeamFacts {
    QString shortName;
    bool hasManager = false;
    int32_t managerId = 0;
    QString managerName;
    int rank = 0;
    QString city;
    QString stadium; // name and capacity, as shown
    QString money;   // as shown, e.g. "$12 400 000"
    int players = 0;
    int additions = 0;
    int power = 0;
    int spectatorRating = 0;
    int schoolLevel = 1;
    int coachLevel = 1;
};

TeamFacts teamFacts(const DemoTeam &team);

// "12 400 000": digits grouped by three with spaces.
QString groupedDigits(int64_t value);
