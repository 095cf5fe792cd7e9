#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The table component behind the two selectors: one SQLite table file loaded whole into memory, with a
// cursor over its rows. File names, texts and field names are windows-1251 bytes like every text of the
// program. Every failure throws AppError (ConvertError for a field that is not an integer).
class CatalogueTable {
public:
    // Closes what is open, then reads the single table of the file in rowid order and makes its first
    // row current. The file is open only while it is read. On failure the table is left closed.
    void loadFromFile(const std::string &fileName);

    // Fields of the current row by position, counting from 0 in the table's declared column order.
    int32_t fieldAsInteger(int column) const;
    std::string fieldAsText(int column) const;

    // Moves to the following row; at the last row the cursor stays there and the end flag is set.
    void next();
    // True once next() was asked to go past the last row, and on an empty table.
    bool eof() const;

    // Makes the first row whose named field (any letter case) equals the value current and reports
    // whether there was one; when there is none the cursor and the end flag stay as they were.
    bool locate(const std::string &fieldName, const std::string &value);
    bool locate(const std::string &fieldName, int32_t value);
    // The same by position, for a column found by name once.
    bool locate(int column, int32_t value);

    // The position of the named field (any letter case), none when the table has no such field.
    std::optional<int> fieldNumber(const std::string &fieldName) const;
    int fieldCount() const;
    // The current row, counting from 1 in rowid order, and the file the table came from: for messages.
    size_t rowNumber() const;
    const std::string &fileName() const;

    bool isOpen() const { return m_open; }
    void close();

private:
    // NULL, INTEGER, REAL, and TEXT (converted to windows-1251) or BLOB (raw bytes).
    using Cell = std::variant<std::monostate, int64_t, double, std::string>;
    using Row = std::vector<Cell>;

    void requireOpen() const;
    void requireColumn(int column) const;
    const Cell &currentCell(int column) const;
    int fieldIndex(const std::string &fieldName) const;
    template <class Matches> bool locateWhere(int column, Matches matches);
    static std::string cellText(const Cell &cell);

    bool m_open = false;
    bool m_eof = true;
    size_t m_row = 0;
    std::string m_fileName;       // of the table that is open, for messages
    std::string m_failedFileName; // of the last load that failed, to say why the table is closed
    std::vector<std::string> m_fieldNames;
    std::vector<Row> m_rows;
};
