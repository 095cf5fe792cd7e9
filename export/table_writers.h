#pragma once

#include <string>
#include <vector>

// Writers of a list for other programs: a caption line, then one line per row. Texts go in and come out
// as UTF-8 (the caller converts the list's windows-1251 cells); the writers change only the bytes their
// format reserves, so any other text passes through unchanged. Number cells are taken as the list shows
// them: they already carry the decimal comma that Russian-locale spreadsheets read as a number.

using TextRows = std::vector<std::vector<std::string>>;

// A CSV file for spreadsheets: a UTF-8 byte-order mark (so a spreadsheet knows the encoding), fields
// separated by ";" (the comma is the decimal separator), CR LF after every line. A field holding ";",
// a double quote, CR or LF is enclosed in double quotes with its quotes doubled; so is an empty field
// alone on its line, which would otherwise be a blank line. A text starting with "=", "+", "-", "@", a tab
// or CR, which a spreadsheet would run as a formula, is written after an apostrophe; a signed number such
// as "-1,50" stays as it is.
std::string csvDocument(const std::vector<std::string> &captions, const TextRows &rows);

// A forum post: "[b]title[/b]", then a [table] with a [tr] of captions and one [tr] per row, one [td]
// per field, lines ending in LF. "[" and "]" in texts become the entities "&#91;" and "&#93;", which
// forums show as brackets but never read as tags, so no name can close a cell or start one; a line
// break in a text becomes a space.
std::string forumTable(const std::string &title, const std::vector<std::string> &captions,
                       const TextRows &rows);

// Tab-separated text for the clipboard: fields separated by tab, every line ended by LF. A field holding
// a tab, a line break or a double quote is quoted spreadsheet-style (double quotes around, quotes
// doubled), so that it pastes into one cell.
std::string tabSeparated(const std::vector<std::string> &captions, const TextRows &rows);
