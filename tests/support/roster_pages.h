#pragma once

#include "retrieval/team_records.h"
#include "text/code_page.h"

#include <QString>
#include <string>
#include <vector>

// Roster pages written the way the site lays them out: summary elements in their order, then one
// table row per player with the markers and cut offsets the reader relies on. Texts are UTF-8 here
// and converted to windows-1251 when the page is made.
struct FixturePlayer {
    QString name;
    QString country;
    QString position;
    QString age;
    QString mastery;
    QString talent;
    std::vector<QString> abilities; // eight cells
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

inline std::string summaryHtml(const FixtureTeam &t)
{
    QString html = QStringLiteral("<html><head><title>Школа</title></head><body>\n");
    html += QStringLiteral("<a name=\"Team\" href=\"team.php?n=1\">%1</a>\n").arg(t.name);
    html += QStringLiteral("<input name=\"ShortName\" value=\"%1\"/>\n").arg(t.id);
    if (!t.manager.isEmpty())
        html += QStringLiteral("<a href=\"info.php?user=17\">%1</a>\n").arg(t.manager);
    html += QStringLiteral("<input name=\"Rang\" value=\"%1\"/>\n").arg(t.rank);
    html += QStringLiteral("<input name=\"City\" value=\"%1\"/>\n").arg(t.city);
    html += QStringLiteral("<input name=\"Stadium\" value=\"<nobr>%1\"/>\n").arg(t.stadium);
    html += QStringLiteral("<a href=\"index.php?name=champ&division=5\">%1</a>\n").arg(t.division);
    html += QStringLiteral("<input name=\"Money\" value=\"%1\"/>\n").arg(t.money);
    html += QStringLiteral("<input name=\"Players\" value=\"%1\"/>\n").arg(t.players);
    html += QStringLiteral("<input name=\"CoSP\" value=\"%1\"/>\n").arg(t.additions);
    html += QStringLiteral("<input name=\"Power11\" value=\"%1\"/>\n").arg(t.power);
    html += QStringLiteral("<input name=\"VisRat\" value=\"%1\"/>\n").arg(t.rating);
    return toCp1251(html);
}

inline std::string talentPage(const FixtureTeam &t)
{
    QString rows = QStringLiteral("<table>\n");
    int number = 500;
    for (const FixturePlayer &p : t.squad) {
        rows += QStringLiteral("<tr><td><a href=\"info.php?id=%1&amp;s=1\"=>%2</a></td>"
                               "<td><img src=\"f.gif\" title=\"%3\"/></td><td class=ps>%4</td>"
                               "<td align=center>%5</td><td><b>%6</td><td><b>%7</td></tr>\n")
                    .arg(++number)
                    .arg(p.name, p.country, p.position, p.age, p.mastery, p.talent);
    }
    return summaryHtml(t) + toCp1251(rows + QStringLiteral("</table></body></html>\n"));
}

inline std::string abilitiesPage(const FixtureTeam &t)
{
    QString rows = QStringLiteral("<table>\n");
    int number = 500;
    for (const FixturePlayer &p : t.squad) {
        rows += QStringLiteral("<tr><td><a href=\"info.php?id=%1&amp;s=1\"=>%2</a></td>"
                               "<td><img src=\"f.gif\"/></td><td class=ps>%3</td>"
                               "<td align=center>%4</td><td><b>%5</td>")
                    .arg(++number)
                    .arg(p.name, p.position, p.age, p.mastery);
        for (const QString &a : p.abilities)
            rows += QStringLiteral("<td align=\"right\">%1</td>").arg(a);
        rows += QStringLiteral("</tr>\n");
    }
    return summaryHtml(t) + toCp1251(rows + QStringLiteral("</table></body></html>\n"));
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
