// Any page text, read as both page kinds: the working copy only ever loses its beginning, every row has
// its list's cells, the reading ends, and a cell that is not its number fails only with ConvertError.
#include "fuzz/fuzz_check.h"
#include "retrieval/page_extraction.h"
#include "text/app_error.h"

#include <string>

namespace {

bool isSuffixOf(std::string_view w, const std::string &page)
{
    return w.data() >= page.data() && w.data() + w.size() == page.data() + page.size();
}

bool isCanonicalCount(const std::string &players)
{
    if (players == "0")
        return true;
    if (players.empty())
        return false;
    const size_t digits = players.front() == '-' ? 1 : 0;
    return players.size() > digits && players[digits] >= '1' && players[digits] <= '9' &&
           players.find_first_not_of("0123456789", digits) == std::string::npos;
}

void readAs(const std::string &page, PageKind kind)
{
    std::string_view w = page;
    const TeamSummary summary = extractSummary(w);
    FUZZ_CHECK(isSuffixOf(w, page));
    FUZZ_CHECK(isCanonicalCount(summary.Players));
    if (summary.Manager.empty())
        FUZZ_CHECK(summary.Rang.empty());

    const size_t cells = kind == PageKind::Talent ? 6 : 12;
    std::vector<RawRow> rows;
    bool converted = true;
    while (auto row = cutNextRow(w, kind)) {
        FUZZ_CHECK(isSuffixOf(w, page));
        FUZZ_CHECK(row->cells.size() == cells);
        FUZZ_CHECK(rows.size() < page.size()); // each row uses up at least one byte
        try {
            if (kind == PageKind::Talent)
                FUZZ_CHECK(talentRecordOf(*row) != nullptr);
            else
                FUZZ_CHECK(skillRecordOf(*row) != nullptr);
        } catch (const ConvertError &) {
            converted = false;
        }
        rows.push_back(std::move(*row));
    }

    // The windowless reading must agree with the step-by-step one.
    try {
        const PageContents contents = readPage(page, kind);
        FUZZ_CHECK(converted);
        FUZZ_CHECK(contents.summary == summary);
        FUZZ_CHECK(contents.rows.size() == rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            FUZZ_CHECK(contents.rows[i].cells == rows[i].cells);
    } catch (const ConvertError &) {
        FUZZ_CHECK(!converted);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string page(reinterpret_cast<const char *>(data), size);
    detectFailurePage(page);
    readAs(page, PageKind::Talent);
    readAs(page, PageKind::Abilities);
    return 0;
}
