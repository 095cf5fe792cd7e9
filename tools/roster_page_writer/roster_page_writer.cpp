#include "tools/roster_page_writer/roster_page_writer.h"

#include <string_view>

// The shape below is the contract with the program's reader, which cuts by markers and never parses markup:
// - summary: the team link name="Team" closed by "</a>", the ShortName input (value last, then "/>") inside
//   a link, the manager link info.php?user=, the Rang input, City, Stadium with value="<nobr>, the division
//   link name=champ&division=, Money, Players, CoSP, Power11, VisRat, each once and in this order;
// - row: "info.php?id=" once per row, the link ending "=>" before the name and "<" after it, the flag's
//   title="country"/>, exactly 18 characters of markup, the position and "</td>", a cell whose tag ends
//   "r>" with the age, a cell whose tag ends "b>" with the mastery; then on the talent page another "b>"
//   cell with the talent, on the abilities page eight "right"> cells, or a goalkeeper's own cells that hold
//   none of the row markers.

namespace {

// What stands between the flag's `"/>` and the position: the reader skips exactly 18 characters there.
constexpr std::string_view flagToPosition = "</td><td class=ps>";
static_assert(flagToPosition.size() == 18);

std::string input(const char *name, const std::string &value, const char *valuePrefix = "")
{
    return std::string("<input name=\"") + name + "\" value=\"" + valuePrefix + value + "\"/>";
}

std::string element(const RosterSummary &s, SummaryField field)
{
    const std::string teamLink = "<a href=\"/team.php?id=" + std::to_string(s.teamId) + "\">";
    switch (field) {
    case SummaryField::Team:
        return "<a name=\"Team\" href=\"/team.php?id=" + std::to_string(s.teamId) + "\">" + s.team + "</a>";
    case SummaryField::ShortName:
        return teamLink + input("ShortName", s.shortName) + "</a>";
    case SummaryField::Manager:
        return "<a href=\"info.php?user=" + std::to_string(s.managerId) + "\">" + s.manager + "</a>";
    case SummaryField::Rank:
        return input("Rang", s.rank);
    case SummaryField::City:
        return input("City", s.city);
    case SummaryField::Stadium:
        return input("Stadium", s.stadium, "<nobr>");
    case SummaryField::Division:
        return "<a href=\"/modules.php?name=champ&division=" + std::to_string(s.divisionId) + "\">" +
               s.division + "</a>";
    case SummaryField::Money:
        return input("Money", s.money);
    case SummaryField::Players:
        return input("Players", s.players);
    case SummaryField::Additions:
        return input("CoSP", s.additions);
    case SummaryField::Power:
        return input("Power11", s.power);
    case SummaryField::SpectatorRating:
        return input("VisRat", s.spectatorRating);
    }
    return {};
}

// Name, flag, position, age and mastery: the cells every row starts with.
std::string rowStart(const RosterPlayer &p, int index)
{
    std::string row = index % 2 == 0 ? "<tr class=\"r1\">" : "<tr class=\"r2\">";
    row += "<td class=\"nm\"><a href=info.php?id=" + std::to_string(p.number) + "&school=>" + p.name +
           "</a></td><td class=\"fl\"><img src=\"/img/flags/" + std::to_string(p.flag) +
           ".gif\" width=16 height=11 title=\"" + p.country + "\"/>";
    row += flagToPosition;
    row += p.position + "</td><td align=center>" + p.age + "</td><td align=center><b>" + p.mastery + "</td>";
    return row;
}

} // namespace

SummaryFrame SummaryFrame::lines()
{
    SummaryFrame frame;
    frame.after.fill("\n");
    return frame;
}

std::string summaryElements(const RosterSummary &summary, const SummaryFrame &frame)
{
    std::string out;
    for (size_t i = 0; i < summaryFieldCount; ++i) {
        const auto field = static_cast<SummaryField>(i);
        if (!summary.hasManager && field == SummaryField::Rank)
            continue;
        out += frame.before[i];
        out +=
            !summary.hasManager && field == SummaryField::Manager ? frame.vacancy : element(summary, field);
        out += frame.after[i];
    }
    return out;
}

std::string talentRow(const RosterPlayer &player, int index)
{
    return rowStart(player, index) + "<td align=center><b>" + player.talent + "</td></tr>\n";
}

std::string abilitiesRow(const RosterPlayer &player, int index)
{
    std::string row = rowStart(player, index);
    for (const std::string &cell : player.abilities)
        row += "<td align=\"right\">" + cell + "</td>";
    return row + "</tr>\n";
}

std::string keeperAbilitiesRow(const RosterPlayer &player, int index)
{
    std::string row = rowStart(player, index);
    for (const std::string &cell : player.keeperSkills)
        row += "<td colspan=2 class=\"gk\">" + cell + "</td>";
    return row + "</tr>\n";
}

std::string rosterRow(const RosterPlayer &player, int index, PageKind kind)
{
    if (kind == PageKind::Talent)
        return talentRow(player, index);
    return player.position == "Gk" ? keeperAbilitiesRow(player, index) : abilitiesRow(player, index);
}

std::string minimalRosterPage(const RosterSummary &summary, const std::vector<RosterPlayer> &players,
                              PageKind kind)
{
    // The title is "Школа" in windows-1251.
    std::string page = "<html><head><title>\xD8\xEA\xEE\xEB\xE0</title></head><body>\n" +
                       summaryElements(summary) + "<table id=\"roster\">\n";
    for (size_t i = 0; i < players.size(); ++i)
        page += rosterRow(players[i], static_cast<int>(i), kind);
    return page + "</table></body></html>\n";
}
