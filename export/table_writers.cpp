#include "export/table_writers.h"

#include "text/numbers.h"

#include <string_view>

namespace {

std::string quoted(const std::string &field)
{
    std::string out = "\"";
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + '"';
}

// A spreadsheet runs a cell that starts like a formula; a signed number is only a number.
bool readAsFormula(const std::string &field)
{
    if (field.empty() || std::string_view("=+-@\t\r").find(field.front()) == std::string_view::npos)
        return false;
    return !((field.front() == '+' || field.front() == '-') && parseDecimal(field));
}

// One line of delimited text: fields holding any of `special` are quoted; with `guardFormulas`, a text
// that would start a formula gets the leading apostrophe spreadsheets take as "this is text".
std::string delimitedLine(const std::vector<std::string> &fields, char separator, const char *special,
                          const char *lineEnd, bool guardFormulas)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const std::string &field = fields[i];
        const std::string cell = guardFormulas && readAsFormula(field) ? "'" + field : std::string();
        const std::string &written = cell.empty() ? field : cell;
        line += written.find_first_of(special) == std::string::npos ? written : quoted(written);
    }
    // A line with nothing on it reads back as no row at all in many readers.
    if (line.empty() && fields.size() == 1)
        line = "\"\"";
    return line + lineEnd;
}

std::string delimited(const std::vector<std::string> &captions, const TextRows &rows, char separator,
                      const char *special, const char *lineEnd, bool guardFormulas = false)
{
    std::string out = delimitedLine(captions, separator, special, lineEnd, guardFormulas);
    for (const auto &row : rows)
        out += delimitedLine(row, separator, special, lineEnd, guardFormulas);
    return out;
}

// A text that cannot touch the markup around it: brackets become entities, line breaks spaces.
std::string forumCell(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '[')
            out += "&#91;";
        else if (c == ']')
            out += "&#93;";
        else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // CR LF is one break, written as one space with the LF
        else if (c == '\r' || c == '\n')
            out += ' ';
        else
            out += c;
    }
    return out;
}

std::string forumRow(const std::vector<std::string> &fields)
{
    std::string line = "[tr]";
    for (const auto &field : fields)
        line += "[td]" + forumCell(field) + "[/td]";
    return line + "[/tr]\n";
}

} // namespace

std::string csvDocument(const std::vector<std::string> &captions, const TextRows &rows)
{
    return "\xEF\xBB\xBF" + delimited(captions, rows, ';', ";\"\r\n", "\r\n", true);
}

std::string forumTable(const std::string &title, const std::vector<std::string> &captions,
                       const TextRows &rows)
{
    std::string out = "[b]" + forumCell(title) + "[/b]\n[table]\n" + forumRow(captions);
    for (const auto &row : rows)
        out += forumRow(row);
    return out + "[/table]\n";
}

std::string tabSeparated(const std::vector<std::string> &captions, const TextRows &rows)
{
    return delimited(captions, rows, '\t', "\t\r\n\"", "\n");
}
