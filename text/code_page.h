#pragma once

#include <QString>
#include <string>
#include <string_view>

// The one pair of conversions between our 8-bit windows-1251 texts and Qt's Unicode strings.
// Everything the program holds (page text, cells, records, export lines) stays in 8-bit form;
// these run only where a widget shows a text or hands one back.
QString fromCp1251(const std::string &bytes);
std::string toCp1251(const QString &text);

// The same pair for texts that leave or enter as UTF-8: SQLite's texts, files for other programs.
std::string utf8FromCp1251(const std::string &bytes);
std::string cp1251FromUtf8(std::string_view utf8);
// A text of the program's own, written as a u"" literal, in windows-1251.
std::string cp1251FromUtf16(std::u16string_view text);

// A message of the program's own, already in the interface language, as windows-1251 with windows-1251
// texts put in for %1, %2, ...: a cell or a file name quoted in it keeps its bytes.
template <class... Texts> std::string cp1251Message(const QString &message, const Texts &...texts)
{
    if constexpr (sizeof...(texts) == 0)
        return toCp1251(message);
    else
        return toCp1251(message.arg(fromCp1251(texts)...));
}
