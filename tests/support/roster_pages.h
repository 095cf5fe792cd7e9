#pragma once

#include "roster/team_records.h"
#include "text/code_page.h"
#include "tools/roster_page_writer/roster_page_writer.h"

#include <QString>
#include <string>
#include <vector>

// Roster pages for the tests, made by the same writer as the demo server's pages: summary elements in
// their order, then one table row per player with the markers and cut offsets the reader relies on.
// Texts are UTF-8 here and converted to windows-1251 when the page is made; they go onto the page
// verbatim, markup included. A team with an empty manager is a free team: no manager link, no rank.
struct FixturePlayer {
    QString name;
    QString country;
    QString position;
    QString age;
    QString mastery;
    QString talent;
    std::vector<QString> abilities; // eight cells; a "Gk" shows them in his own cells, which the reader skips
};

struct FixtureTeam {
    QString name = QStringLiteral("Динамо");
    QString id = QStringLiteral("DYN");
    QString manager = QStringLiteral("Иванов");
    QString rank = QStringLiteral("12");
    QString city = QStringLiteral("Москва");
    QString stadium = QStringLiteral("Арена");
    QString division = QStringLiteral("Высшая лига");
    QString money = QStringLiteral("1 500 000");
    QString players = QStringLiteral("25");
    QString additions = QStringLiteral("3");
    QString power = QStringLiteral("1234");
    QString rating = QStringLiteral("7,5");
    std::vector<FixturePlayer> squad;
};

namespace fixture_pages {

inline RosterSummary summaryOf(const FixtureTeam &t)
{
    RosterSummary s;
    s.teamId = 1;
    s.team = toCp1251(t.name);
    s.shortName = toCp1251(t.id);
    s.hasManager = !t.manager.isEmpty();
    s.managerId = 17;
    s.manager = toCp1251(t.manager);
    s.rank = toCp1251(t.rank);
    s.city = toCp1251(t.city);
    s.stadium = toCp1251(t.stadium);
    s.divisionId = 5;
    s.division = toCp1251(t.division);
    s.money = toCp1251(t.money);
    s.players = toCp1251(t.players);
    s.additions = toCp1251(t.additions);
    s.power = toCp1251(t.power);
    s.spectatorRating = toCp1251(t.rating);
    return s;
}

inline std::vector<RosterPlayer> squadOf(const FixtureTeam &t)
{
    std::vector<RosterPlayer> squad;
    int32_t number = 500;
    for (const FixturePlayer &p : t.squad) {
        RosterPlayer r;
        r.number = ++number;
        r.name = toCp1251(p.name);
        r.country = toCp1251(p.country);
        r.position = toCp1251(p.position);
        r.age = toCp1251(p.age);
        r.mastery = toCp1251(p.mastery);
        r.talent = toCp1251(p.talent);
        for (const QString &a : p.abilities)
            r.abilities.push_back(toCp1251(a));
        r.keeperSkills = r.abilities; // a goalkeeper's row shows them in his own cells
        squad.push_back(std::move(r));
    }
    return squad;
}

} // namespace fixture_pages

// A page with the summary and no player rows.
inline std::string summaryHtml(const FixtureTeam &t)
{
    return minimalRosterPage(fixture_pages::summaryOf(t), {}, PageKind::Talent);
}

inline std::string talentPage(const FixtureTeam &t)
{
    return minimalRosterPage(fixture_pages::summaryOf(t), fixture_pages::squadOf(t), PageKind::Talent);
}

inline std::string abilitiesPage(const FixtureTeam &t)
{
    return minimalRosterPage(fixture_pages::summaryOf(t), fixture_pages::squadOf(t), PageKind::Abilities);
}

inline FixturePlayer fixturePlayer(const QString &name, const QString &position, const QString &age,
                                   const QString &mastery, const QString &talent,
                                   const QString &country = QStringLiteral("Россия"))
{
    FixturePlayer p{name, country, position, age, mastery, talent, {}};
    for (int i = 1; i <= 8; ++i)
        p.abilities.push_back(QStringLiteral("%1.5").arg(10 + i));
    return p;
}

inline std::string httpOk(const std::string &body)
{
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}
