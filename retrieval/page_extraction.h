#pragma once

#include "roster/team_records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading a roster page by fixed text markers. The working copy is a view into a private copy of the
// page text that only ever loses its beginning; the page is never parsed as markup.

// What the roster request's address ends with for a page of this kind: nothing for talent.
std::string pageSuffixOf(PageKind kind);

// The site's own failure pages, tested in this order.
enum class FailurePage { None, TeamNotFound, Maintenance };
FailurePage detectFailurePage(std::string_view page);

// The page came to its end: its closing "</html>", in any case, stands after its last player row. A
// body that only the connection's close ended may have been cut anywhere, and a reset reads as a close.
bool pageReachedItsEnd(std::string_view page);

// One extraction step: moves W to marker 1 when present and returns the text between the first
// marker 2 and the first marker 3 of W (empty, or shifted, when they are missing or out of order).
std::string extractValue(std::string_view &w, std::string_view marker1, std::string_view marker2,
                         std::string_view marker3);

// The twelve summary values, in page order. A team without a manager gets an empty rank; a players
// value that is not an integer gives "0" players and "0" strength.
TeamSummary extractSummary(std::string_view &w);

// One player row as cut from the page: the name first, then the cells of the list's columns.
struct RawRow {
    std::vector<std::string> cells;
};

// Cuts the player rows out of the working copy one after another. The copy only loses its beginning,
// so each marker's next occurrence is remembered: while it stands at or after the copy's start it is
// still the first one, and a marker once absent stays absent. Reading all rows thus takes time linear
// in the page, even when a marker is missing.
class RowCutter {
public:
    RowCutter(std::string_view w, PageKind kind);

    // The next row, or nothing when the copy holds no further row marker.
    std::optional<RawRow> next();
    // The working copy as the cuts have left it.
    std::string_view rest() const { return m_page.substr(m_start); }

private:
    enum Marker : size_t {
        Row,
        NameStart,
        NameEnd,
        Title,
        TagEnd,
        CellEnd,
        AgeTag,
        BoldTag,
        RightCell,
        Count
    };

    // markerPos of the marker in the copy: 1-based, 0 when absent.
    int64_t pos(Marker marker);
    // The copy becomes its own part from the 1-based position `from` on.
    void dropTo(int64_t from);
    void movePast(Marker marker, int k);
    std::string inFrontOf(Marker marker);

    std::string_view m_page;
    PageKind m_kind;
    size_t m_start = 0;
    // Per marker, the page offset of an occurrence found earlier, `unknown` or `absent`.
    std::array<int64_t, Count> m_found;
};

// Cuts the next player row out of W, or nothing when W holds no further row marker. One call searches
// the rest of W afresh; a whole page goes through one RowCutter.
std::optional<RawRow> cutNextRow(std::string_view &w, PageKind kind);

// Records from a row's cells; a cell that is not its number throws ConvertError.
TalentPlayer talentRecordOf(const RawRow &row);
AbilitiesPlayer skillRecordOf(const RawRow &row);
