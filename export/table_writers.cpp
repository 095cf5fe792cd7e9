#include "export/table_writers.h"

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

// One line of delimited text: fields holding any of `special` are quoted.
std::string delimitedLine(const std::vector<std::string> &fields, char separator, const char *special,
                          const char *lineEnd)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        const std::string &field = fields[i];
        line += field.find_first_of(special) == std::string::npos ? field : quoted(field);
    }
    // A line with nothing on it reads back as no row at all in many readers.
    if (line.empty() && fields.size() == 1)
        line = "\"\"";
    return line + lineEnd;
}

std::string delimited(const std::vector<std::string> &captions, const TextRows &rows, char separator,
                      const char *special, const char *lineEnd)
{
    std::string out = delimitedLine(captions, separator, special, lineEnd);
    for (const auto &row : rows)
        out += delimitedLine(row, separator, special, lineEnd);
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
    return "\xEF\xBB\xBF" + delimited(captions, rows, ';', ";\"\r\n", "\r\n");
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
