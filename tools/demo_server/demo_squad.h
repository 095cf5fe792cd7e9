#pragma once

#include "tools/demo_server/demo_catalogue.h"

#include <QString>
#include <array>
#include <cstdint>
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

// The youth squad of a team: 8 to 25 players, at least one goalkeeper, unique names. The same identifier
// and week always give the same squad, for the talent page and the abilities page alike. Week 0 is the
// squad as it stands today; every later week the players train (mastery grows, talent creeps up to 9),
// now and then one is promoted and a newcomer arrives, and every 20 weeks a season turns: all grow a year
// older and those past 19 leave.
std::vector<DemoPlayer> youthSquad(int32_t teamId, int week = 0);
constexpr int maxDemoWeek = 1000;

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
