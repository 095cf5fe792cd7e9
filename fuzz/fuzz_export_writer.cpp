// The export writers on any texts and options. A team block keeps its frame whatever it is given, and
// parses back into the same labels and cells whenever the texts leave the layout readable (no line
// breaks, cells without spaces, a separator that no name or cell holds). The CSV and tab-separated
// writers read back into the same cells through a strict reader (a CSV text a spreadsheet would run as a
// formula behind an apostrophe); the forum table keeps one cell per text.
//
// Input: fields separated by zero bytes. Field 0: the option bits (kind, the four lines) and the CSV row
// width; field 1: the separator; fields 2 to 8: the seven summary labels; the rest: row texts.
#include "export/table_writers.h"
#include "export/team_block.h"
#include "fuzz/fuzz_check.h"
#include "tests/support/csv_reader.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Row = std::vector<std::string>;

std::vector<std::string> split(const std::string &text, const std::string &by)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(by, start)) != std::string::npos; start = end + by.size())
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The texts cut into rows of `width` fields, the last row filled up with empty ones.
std::vector<Row> rowsOf(const std::vector<std::string> &texts, size_t width)
{
    std::vector<Row> rows;
    for (size_t i = 0; i < texts.size() && rows.size() < 64; i += width) {
        Row row(texts.begin() + static_cast<std::ptrdiff_t>(i),
                texts.begin() + static_cast<std::ptrdiff_t>(std::min(i + width, texts.size())));
        row.resize(width);
        rows.push_back(std::move(row));
    }
    return rows;
}

// Makes a text readable in a block: no byte of `banned`, each replaced by a byte that is not banned.
std::string without(std::string text, const std::string &banned)
{
    char stand = 'a';
    while (banned.find(stand) != std::string::npos)
        ++stand;
    for (char &c : text)
        if (banned.find(c) != std::string::npos)
            c = stand;
    return text;
}

struct Parsed {
    std::vector<std::string> labels;
    std::vector<Row> rows;
};

// Reads a block back: the labels of its summary lines and the rows between the header and the closing
// space line. A row line is the name, the separator padding, then the cells joined by single spaces.
Parsed parseBlock(const std::string &block, const ExportOptions &options, size_t cells)
{
    FUZZ_CHECK(block.size() >= 2 && block.compare(block.size() - 2, 2, "\r\n") == 0);
    std::vector<std::string> lines = split(block.substr(0, block.size() - 2), "\r\n");
    const size_t optional = size_t{options.manager} + options.id + options.money + options.additions;
    FUZZ_CHECK(lines.size() >= 6 + optional);
    FUZZ_CHECK(lines[0] == " " && lines[2 + optional] == " ");
    FUZZ_CHECK(lines[lines.size() - 2] == " " && lines.back() == std::string(50, '*'));

    Parsed parsed;
    // Name and division with a space between; either may hold spaces, so the line is taken whole.
    parsed.labels.push_back(lines[1]);
    size_t at = 2;
    const auto after = [&](const std::string &prefix) {
        FUZZ_CHECK(lines[at].compare(0, prefix.size(), prefix) == 0);
        return lines[at++].substr(prefix.size());
    };
    if (options.manager)
        parsed.labels.push_back(lines[at++]);
    if (options.id)
        parsed.labels.push_back(after("ID: "));
    if (options.money)
        parsed.labels.push_back(after("\xC4\xE5\xED\xFC\xE3\xE8: "));
    if (options.additions)
        parsed.labels.push_back(after("\xD0\xE0\xE7\xF0\xE5\xF8\xE5\xED\xED\xFB\xF5 "
                                      "\xEF\xEE\xEF\xEE\xEB\xED\xE5\xED\xE8\xE9: "));
    FUZZ_CHECK(lines[at + 1].compare(0, 3, "\xC8\xEC\xFF") == 0); // the header starts with "Имя"

    const std::string &s = options.separator;
    for (size_t i = at + 2; i + 2 < lines.size(); ++i) {
        // The last cells hold no space; what precedes them is name, padding and first cell.
        const std::vector<std::string> parts = split(lines[i], " ");
        FUZZ_CHECK(parts.size() >= cells);
        const size_t leadParts = parts.size() - (cells - 1);
        std::string lead;
        for (size_t k = 0; k < leadParts; ++k)
            lead += (k > 0 ? " " : "") + parts[k];
        const size_t firstCell = lead.find_last_of(s) + 1;
        const size_t padding = lead.find_first_of(s);
        FUZZ_CHECK(padding != std::string::npos && padding < firstCell);
        Row row{lead.substr(0, padding), lead.substr(firstCell)};
        const std::string pad = lead.substr(padding, firstCell - padding);
        const size_t times = row[0].size() <= 22 ? 23 - row[0].size() : 1;
        std::string expected;
        for (size_t k = 0; k < times; ++k)
            expected += s;
        FUZZ_CHECK(pad == expected);
        row.insert(row.end(), parts.end() - static_cast<std::ptrdiff_t>(cells - 1), parts.end());
        parsed.rows.push_back(std::move(row));
    }
    return parsed;
}

void teamBlock(ExportView view, ExportOptions options)
{
    // Any texts: the frame stands.
    const std::string raw = buildTeamBlock(view, options);
    FUZZ_CHECK(raw.compare(0, 3, " \r\n") == 0);
    FUZZ_CHECK(raw.size() >= 58 &&
               raw.compare(raw.size() - 55, 55, " \r\n" + std::string(50, '*') + "\r\n") == 0);

    // Readable texts: every label and cell comes back.
    options.separator = without(options.separator.substr(0, 8), " \r\n");
    if (options.separator.empty())
        options.separator = "_";
    const std::string banned = options.separator + "\r\n";
    TeamSummary &t = view.labels;
    for (std::string *label : {&t.name, &t.division, &t.rank, &t.manager, &t.id, &t.money, &t.additions})
        *label = without(*label, "\r\n");
    for (Row &row : view.rows) {
        row[0] = without(row[0], banned);
        for (size_t i = 1; i < row.size(); ++i)
            row[i] = without(row[i], banned + " ");
    }
    const size_t cells = view.kind == PageKind::Talent ? 5 : 11;
    const Parsed parsed = parseBlock(buildTeamBlock(view, options), options, cells);
    std::vector<std::string> labels{t.name + " " + t.division};
    if (options.manager)
        labels.push_back(t.rank + ": " + t.manager);
    if (options.id)
        labels.push_back(t.id);
    if (options.money)
        labels.push_back(t.money);
    if (options.additions)
        labels.push_back(t.additions);
    FUZZ_CHECK(parsed.labels == labels);
    FUZZ_CHECK(parsed.rows == view.rows);
}

void tables(const std::vector<std::string> &texts, size_t width)
{
    const std::vector<Row> all = rowsOf(texts, width);
    const Row &captions = all.front();
    const std::vector<Row> rows(all.begin() + 1, all.end());

    const std::string csv = csvDocument(captions, rows);
    FUZZ_CHECK(csv.compare(0, 3, "\xEF\xBB\xBF") == 0);
    // Every cell comes back; one a spreadsheet would run as a formula behind an apostrophe.
    const auto fromCsv = readDelimited(csv.substr(3), ';', "\r\n");
    FUZZ_CHECK(fromCsv.has_value() && fromCsv->size() == all.size());
    for (size_t r = 0; r < all.size(); ++r) {
        FUZZ_CHECK((*fromCsv)[r].size() == all[r].size());
        for (size_t c = 0; c < all[r].size(); ++c) {
            const std::string &cell = all[r][c];
            const std::string &back = (*fromCsv)[r][c];
            const bool formulaStart =
                !cell.empty() && std::string_view("=+-@\t\r").find(cell[0]) != std::string_view::npos;
            FUZZ_CHECK(back == cell || (formulaStart && back == "'" + cell));
            if (!cell.empty() && std::string_view("=@\t\r").find(cell[0]) != std::string_view::npos)
                FUZZ_CHECK(back == "'" + cell);
        }
    }

    const auto fromTabs = readDelimited(tabSeparated(captions, rows), '\t', "\n");
    FUZZ_CHECK(fromTabs.has_value() && *fromTabs == all);

    // The title, "[table]", then one line per row: its cells each in one [td], no other bracket.
    const std::vector<std::string> lines = split(forumTable(captions[0], captions, rows), "\n");
    FUZZ_CHECK(lines.size() == all.size() + 4 && lines[1] == "[table]" &&
               lines[lines.size() - 2] == "[/table]");
    FUZZ_CHECK(lines[0].find_first_of("[]", 3) == lines[0].size() - 4);
    for (size_t i = 0; i < all.size(); ++i) {
        const std::string &line = lines[i + 2];
        size_t at = 0;
        const auto take = [&](const std::string &tag) {
            FUZZ_CHECK(line.compare(at, tag.size(), tag) == 0);
            at += tag.size();
        };
        take("[tr]");
        for (size_t k = 0; k < width; ++k) {
            take("[td]");
            at = line.find_first_of("[]", at);
            FUZZ_CHECK(at != std::string::npos);
            take("[/td]");
        }
        take("[/tr]");
        FUZZ_CHECK(at == line.size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<std::string> fields =
        split(std::string(reinterpret_cast<const char *>(data), size), std::string(1, '\0'));
    fields.resize(std::max<size_t>(fields.size(), 9));
    const unsigned bits = fields[0].empty() ? 0 : static_cast<unsigned char>(fields[0][0]);
    const size_t csvWidth = fields[0].size() > 1 ? static_cast<unsigned char>(fields[0][1]) % 8 + 1 : 3;

    ExportOptions options;
    options.separator = fields[1];
    options.manager = bits & 2;
    options.id = bits & 4;
    options.money = bits & 8;
    options.additions = bits & 16;
    ExportView view;
    view.kind = bits & 1 ? PageKind::Abilities : PageKind::Talent;
    TeamSummary &t = view.labels;
    t.name = fields[2];
    t.division = fields[3];
    t.rank = fields[4];
    t.manager = fields[5];
    t.id = fields[6];
    t.money = fields[7];
    t.additions = fields[8];
    const std::vector<std::string> texts(fields.begin() + 9, fields.end());
    view.rows = rowsOf(texts, view.kind == PageKind::Talent ? 6 : 12);
    teamBlock(view, options);
    tables(std::vector<std::string>(fields.begin() + 1, fields.end()), csvWidth);
    return 0;
}
