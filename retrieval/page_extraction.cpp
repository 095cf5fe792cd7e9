#include "retrieval/page_extraction.h"

#include "text/app_error.h"
#include "text/markers.h"
#include "text/numbers.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::string_view rowMarker = "info.php?id=";

// W becomes its own part from the 1-based position `from` on.
void dropTo(std::string_view &w, int64_t from)
{
    const auto drop = static_cast<size_t>(std::max<int64_t>(from - 1, 0));
    w.remove_prefix(std::min(drop, w.size()));
}

std::string withCommas(std::string cell)
{
    std::replace(cell.begin(), cell.end(), '.', ',');
    return cell;
}

double decimalCell(const std::string &cell) { return readDouble(withCommas(cell)); }

int16_t ageCell(const std::string &cell)
{
    const int32_t age = readInteger(cell);
    // An age that does not fit the record would silently wrap: treat it as the bad cell it is.
    if (age < std::numeric_limits<int16_t>::min() || age > std::numeric_limits<int16_t>::max())
        throw ConvertError("'" + cell + "' is not a valid integer value");
    return static_cast<int16_t>(age);
}

} // namespace

std::string pageSuffixOf(PageKind kind) { return kind == PageKind::Talent ? "" : "&act=abilities"; }

FailurePage detectFailurePage(std::string_view page)
{
    // "Команда не найдена" and "На сайте проводится обновление данных" in windows-1251.
    if (markerPos("\xCA\xEE\xEC\xE0\xED\xE4\xE0 \xED\xE5 \xED\xE0\xE9\xE4\xE5\xED\xE0", page) > 0)
        return FailurePage::TeamNotFound;
    if (markerPos("\xCD\xE0 \xF1\xE0\xE9\xF2\xE5 \xEF\xF0\xEE\xE2\xEE\xE4\xE8\xF2\xF1\xFF "
                  "\xEE\xE1\xED\xEE\xE2\xEB\xE5\xED\xE8\xE5 \xE4\xE0\xED\xED\xFB\xF5",
                  page) > 0)
        return FailurePage::Maintenance;
    return FailurePage::None;
}

bool pageReachedItsEnd(std::string_view page)
{
    const size_t lastRow = page.rfind(rowMarker);
    const std::string_view after = page.substr(lastRow == std::string_view::npos ? 0 : lastRow);
    constexpr std::string_view closing = "</html>";
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::search(after.begin(), after.end(), closing.begin(), closing.end(),
                       [&](char a, char b) { return lower(a) == b; }) != after.end();
}

std::string extractValue(std::string_view &w, std::string_view marker1, std::string_view marker2,
                         std::string_view marker3)
{
    const int32_t p1 = markerPos(marker1, w);
    if (p1 > 0)
        dropTo(w, p1);
    const int64_t p2 = markerPos(marker2, w);
    const int64_t p3 = markerPos(marker3, w);
    const auto length2 = static_cast<int64_t>(marker2.size());
    return subText(w, p2 + length2, p3 - p2 - length2);
}

TeamSummary extractSummary(std::string_view &w)
{
    TeamSummary s;
    s.name = extractValue(w, "name=\"Team\"", ">", "</a>");
    s.id = extractValue(w, "name=\"ShortName\"", "value=\"", "\"/");
    s.manager = extractValue(w, "info.php?user=", ">", "</a>");
    // Without a manager the rank element is skipped; the team then has no rank of its own.
    if (!s.manager.empty())
        s.rank = extractValue(w, "name=\"Rang\"", "value=\"", "\"/");
    s.city = extractValue(w, "name=\"City\"", "value=\"", "\"/");
    s.stadium = extractValue(w, "name=\"Stadium\"", "value=\"<nobr>", "\"/");
    s.division = extractValue(w, "name=champ&division=", ">", "</a>");
    s.money = extractValue(w, "name=\"Money\"", "value=\"", "\"/");
    s.players = extractValue(w, "name=\"Players\"", "value=\"", "\"/");
    s.additions = extractValue(w, "name=\"CoSP\"", "value=\"", "\"/");
    try {
        s.players = formatInteger(readInteger(s.players));
        s.power = extractValue(w, "name=\"Power11\"", "value=\"", "\"/");
    } catch (const ConvertError &) {
        s.players = "0";
        s.power = "0";
    }
    s.spectatorRating = extractValue(w, "name=\"VisRat\"", "value=\"", "\"/");
    return s;
}

namespace {

// The cut's markers, in the order of RowCutter::Marker.
constexpr std::array<std::string_view, 9> cutMarkers = {rowMarker, "=>", "<",  "title",     "\"/>",
                                                        "</td>",   "r>", "b>", "\"right\">"};
// Below every start, so the first search always runs.
constexpr int64_t unknown = -1;
constexpr int64_t absent = std::numeric_limits<int64_t>::max();

} // namespace

RowCutter::RowCutter(std::string_view w, PageKind kind) : m_page(w), m_kind(kind) { m_found.fill(unknown); }

int64_t RowCutter::pos(Marker marker)
{
    static_assert(cutMarkers.size() == Count);
    int64_t &found = m_found[marker];
    if (found != absent && found < static_cast<int64_t>(m_start)) {
        const size_t at = m_page.find(cutMarkers[marker], m_start);
        found = at == std::string_view::npos ? absent : static_cast<int64_t>(at);
    }
    return found == absent ? 0 : found - static_cast<int64_t>(m_start) + 1;
}

void RowCutter::dropTo(int64_t from)
{
    const auto drop = static_cast<size_t>(std::max<int64_t>(from - 1, 0));
    m_start += std::min(drop, m_page.size() - m_start);
}

// "W moves past m by k": also drops k - 1 characters when m is absent.
void RowCutter::movePast(Marker marker, int k) { dropTo(pos(marker) + k); }

// The text in front of m; empty when m is absent or at the start.
std::string RowCutter::inFrontOf(Marker marker) { return subText(rest(), 1, pos(marker) - 1); }

std::optional<RawRow> RowCutter::next()
{
    const int64_t p = pos(Row);
    if (p <= 0)
        return std::nullopt;
    RawRow row;
    dropTo(p);
    movePast(NameStart, 2);
    row.cells.push_back(inFrontOf(NameEnd));
    if (m_kind == PageKind::Talent) {
        const int64_t t = pos(Title);
        const int64_t s = pos(TagEnd);
        row.cells.push_back(subText(rest(), t + 7, s - t - 7));
    }
    movePast(TagEnd, 21);
    row.cells.push_back(inFrontOf(CellEnd));
    const std::string position = row.cells.back();
    movePast(AgeTag, 2);
    row.cells.push_back(inFrontOf(CellEnd));
    movePast(BoldTag, 2);
    row.cells.push_back(inFrontOf(CellEnd));
    if (m_kind == PageKind::Talent) {
        movePast(BoldTag, 2);
        row.cells.push_back(inFrontOf(CellEnd));
    } else if (position == "Gk") {
        row.cells.insert(row.cells.end(), 8, "0.00");
    } else {
        for (int i = 0; i < 8; ++i) {
            movePast(RightCell, 8);
            row.cells.push_back(inFrontOf(CellEnd));
        }
    }
    return row;
}

std::optional<RawRow> cutNextRow(std::string_view &w, PageKind kind)
{
    RowCutter cutter(w, kind);
    auto row = cutter.next();
    w = cutter.rest();
    return row;
}

TalentPlayer talentRecordOf(const RawRow &row)
{
    const auto &c = row.cells; // name, country, position, age, mastery, talent
    const int16_t age = ageCell(c.at(3));
    const double mastery = decimalCell(c.at(4));
    const double talent = decimalCell(c.at(5));
    return makeTalentPlayer(c.at(0), c.at(1), c.at(2), age, mastery, talent);
}

AbilitiesPlayer skillRecordOf(const RawRow &row)
{
    const auto &c = row.cells; // name, position, age, mastery, eight abilities
    const int16_t age = ageCell(c.at(2));
    const double mastery = decimalCell(c.at(3));
    std::array<double, 8> abilities{};
    for (size_t i = 0; i < abilities.size(); ++i)
        abilities[i] = decimalCell(c.at(4 + i));
    return makeAbilitiesPlayer(c.at(0), c.at(1), age, mastery, abilities);
}
