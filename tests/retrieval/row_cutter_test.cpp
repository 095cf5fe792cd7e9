// The row cutter remembers where each marker was found; its cuts must be exactly those of searching the
// rest of the page afresh for every marker of every row.
#include "retrieval/page_extraction.h"
#include "support/roster_pages.h"
#include "text/markers.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

// The cut as it was first written: every step searches the working copy from its start.
std::optional<RawRow> referenceCut(std::string_view &w, PageKind kind)
{
    const auto dropTo = [&w](int64_t from) {
        w.remove_prefix(std::min(static_cast<size_t>(std::max<int64_t>(from - 1, 0)), w.size()));
    };
    const auto movePast = [&](std::string_view marker, int k) { dropTo(markerPos(marker, w) + k); };
    const auto inFrontOf = [&w](std::string_view marker) { return subText(w, 1, markerPos(marker, w) - 1); };
    const int32_t p = markerPos("info.php?id=", w);
    if (p <= 0)
        return std::nullopt;
    RawRow row;
    dropTo(p);
    movePast("=>", 2);
    row.cells.push_back(inFrontOf("<"));
    if (kind == PageKind::Talent) {
        const int64_t t = markerPos("title", w);
        const int64_t s = markerPos("\"/>", w);
        row.cells.push_back(subText(w, t + 7, s - t - 7));
    }
    movePast("\"/>", 21);
    row.cells.push_back(inFrontOf("</td>"));
    const std::string position = row.cells.back();
    movePast("r>", 2);
    row.cells.push_back(inFrontOf("</td>"));
    movePast("b>", 2);
    row.cells.push_back(inFrontOf("</td>"));
    if (kind == PageKind::Talent) {
        movePast("b>", 2);
        row.cells.push_back(inFrontOf("</td>"));
    } else if (position == "Gk") {
        row.cells.insert(row.cells.end(), 8, "0.00");
    } else {
        for (int i = 0; i < 8; ++i) {
            movePast("\"right\">", 8);
            row.cells.push_back(inFrontOf("</td>"));
        }
    }
    return row;
}

// Every row of the page through one cutter, and through the reference, checked step by step: the same
// cells and the same working copy after each row.
void expectSameCuts(const std::string &page, PageKind kind, const std::string &what)
{
    std::string_view reference = page;
    RowCutter cutter(page, kind);
    for (size_t index = 0;; ++index) {
        const auto expected = referenceCut(reference, kind);
        const auto row = cutter.next();
        ASSERT_EQ(row.has_value(), expected.has_value()) << what << ", row " << index;
        if (!row)
            break;
        ASSERT_EQ(row->cells, expected->cells) << what << ", row " << index;
        ASSERT_EQ(cutter.rest().data(), reference.data()) << what << ", row " << index;
        ASSERT_EQ(cutter.rest().size(), reference.size()) << what << ", row " << index;
    }
}

std::vector<std::string> fixturePages()
{
    FixtureTeam team;
    for (int i = 0; i < 5; ++i)
        team.squad.push_back(
            fixturePlayer(QStringLiteral("P%1").arg(i), i == 2 ? QStringLiteral("Gk") : QStringLiteral("Mf"),
                          QStringLiteral("17"), QStringLiteral("5.25"), QStringLiteral("1.335")));
    return {talentPage(team), abilitiesPage(team)};
}

std::string without(std::string page, const std::string &marker)
{
    for (size_t at = page.find(marker); at != std::string::npos; at = page.find(marker, at))
        page.erase(at, marker.size());
    return page;
}

} // namespace

// Truncated anywhere, and each marker missing from the rows once: the rules for an absent marker
// (k - 1 characters dropped, cells clamped) must come out the same.
TEST(RowCutter, CutsAsTheFreshSearchOnTruncatedPagesAndMissingMarkers)
{
    for (const std::string &page : fixturePages()) {
        for (const PageKind kind : {PageKind::Talent, PageKind::Abilities}) {
            for (size_t cut = 0; cut <= page.size(); cut += 7)
                expectSameCuts(page.substr(0, cut), kind, "cut at " + std::to_string(cut));
            for (const char *marker :
                 {"info.php?id=", "=>", "<", "title", "\"/>", "</td>", "r>", "b>", "\"right\">"})
                expectSameCuts(without(page, marker), kind, std::string("without ") + marker);
        }
    }
}

TEST(RowCutter, CutsAsTheFreshSearchOnShuffledAndNoisePages)
{
    std::mt19937 random(12345);
    for (const std::string &page : fixturePages()) {
        for (int round = 0; round < 200; ++round) {
            std::string shuffled = page;
            std::shuffle(shuffled.begin(), shuffled.end(), random);
            // Noise made of the markers' own characters, so markers form, overlap and break off.
            std::string noise(random() % 3000, '\0');
            for (char &c : noise)
                c = "info.php?id==>\"/>r>b></td><\"right\">title"[random() % 40];
            const PageKind kind = round % 2 ? PageKind::Talent : PageKind::Abilities;
            expectSameCuts(shuffled, kind, "shuffled, round " + std::to_string(round));
            expectSameCuts(noise, kind, "noise, round " + std::to_string(round));
        }
    }
}
