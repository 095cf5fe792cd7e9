#pragma once

#include <optional>
#include <string>
#include <vector>

// A strict reader of delimited text as RFC 4180 describes it: records end in `lineEnd`, fields are
// separated by `separator`; a field either holds no double quote, separator, CR or LF, or is enclosed in
// double quotes with its quotes doubled. A stray quote, text after a closing quote or a quote left open
// gives no table, so reading back what a writer made also checks that it is well formed.
inline std::optional<std::vector<std::vector<std::string>>>
readDelimited(const std::string &text, char separator, const std::string &lineEnd)
{
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    const size_t n = text.size();
    size_t i = 0;
    const auto atLineEnd = [&] { return text.compare(i, lineEnd.size(), lineEnd) == 0; };
    while (i < n) {
        std::string field;
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= n)
                    return std::nullopt;
                if (text[i] == '"' && (i + 1 >= n || text[i + 1] != '"'))
                    break;
                if (text[i] == '"')
                    ++i;
                field += text[i];
            }
            ++i;
        } else {
            for (; i < n && text[i] != separator && !atLineEnd(); ++i) {
                if (text[i] == '"' || text[i] == '\r' || text[i] == '\n')
                    return std::nullopt;
                field += text[i];
            }
        }
        record.push_back(std::move(field));
        if (i < n && text[i] == separator) {
            ++i;
            if (i == n) // a separator ends the text: one more empty field
                record.emplace_back();
        } else if (i == n || atLineEnd()) {
            i += i == n ? 0 : lineEnd.size();
            records.push_back(std::move(record));
            record.clear();
        } else {
            return std::nullopt;
        }
    }
    if (!record.empty())
        records.push_back(std::move(record));
    return records;
}
