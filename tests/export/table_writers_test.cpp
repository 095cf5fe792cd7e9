#include "export/table_writers.h"
#include "support/csv_reader.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> captions{"Имя", "Страна", "Мас", "Тал"};

// Names a list can hold that the formats reserve bytes for, each with plain number cells.
TextRows awkwardRows()
{
    TextRows rows;
    for (const char *name : {"a;b", "say \"hi\"", "\"", "tab\there", "two\r\nlines", "lone\nLF", "lone\rCR",
                             "a[/td]b", "[b]x", "", " spaced ", "Петров Иван", ";;", "x\"\"y"})
        rows.push_back({name, "Россия", "35,50", "4,250"});
    return rows;
}

} // namespace

TEST(CsvDocument, ExactLayoutWithByteOrderMarkSemicolonsAndCrLf)
{
    EXPECT_EQ(csvDocument({"Имя", "Мас"}, {{"a;b", "35,50"}, {"say \"hi\"", "1,00"}}),
              "\xEF\xBB\xBF"
              "Имя;Мас\r\n\"a;b\";35,50\r\n\"say \"\"hi\"\"\";1,00\r\n");
}

TEST(CsvDocument, EveryCellReadsBackWithAStrictReader)
{
    const TextRows rows = awkwardRows();
    const std::string csv = csvDocument(captions, rows);
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto table = readDelimited(csv.substr(3), ';', "\r\n");
    ASSERT_TRUE(table.has_value()) << csv;
    TextRows expected{captions};
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(*table, expected);
    // The decimal comma stays as the list shows it, unquoted, so a spreadsheet takes it as a number.
    EXPECT_NE(csv.find(";35,50;4,250\r\n"), std::string::npos);
}

TEST(CsvDocument, LoneEmptyFieldIsNoBlankLine)
{
    const std::string csv = csvDocument({"Имя"}, {{""}, {"x"}});
    EXPECT_EQ(csv, "\xEF\xBB\xBFИмя\r\n\"\"\r\nx\r\n");
}

// A name from a page that starts like a formula must reach the spreadsheet as text; signed numbers and
// the clipboard's text stay as they are.
TEST(CsvDocument, CellsThatStartLikeAFormulaAreWrittenAsText)
{
    EXPECT_EQ(
        csvDocument({"Имя", "Мас"}, {{"=HYPERLINK(\"x\")", "-1,50"},
                                     {"+1 (555)", "+2"},
                                     {"-x", "@SUM(A1)"},
                                     {"\tA", "\r=1"},
                                     {"a=b", "-"}}),
        "\xEF\xBB\xBF"
        "Имя;Мас\r\n\"'=HYPERLINK(\"\"x\"\")\";-1,50\r\n'+1 (555);+2\r\n'-x;'@SUM(A1)\r\n'\tA;\"'\r=1\"\r\n"
        "a=b;'-\r\n");
    EXPECT_EQ(tabSeparated({"a"}, {{"=1"}}), "a\n=1\n");
}

TEST(TabSeparated, EveryCellPastesBackAsOneCell)
{
    const TextRows rows = awkwardRows();
    const std::string tsv = tabSeparated(captions, rows);
    const auto table = readDelimited(tsv, '\t', "\n");
    ASSERT_TRUE(table.has_value()) << tsv;
    TextRows expected{captions};
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(*table, expected);
    EXPECT_EQ(tabSeparated({"a", "b"}, {{"a;b", "1,00"}}), "a\tb\na;b\t1,00\n");
}

TEST(ForumTable, BracketsAndLineBreaksNeverBreakTheMarkup)
{
    EXPECT_EQ(forumTable("Динамо [1]", {"Имя", "Мас"}, {{"a[/td]b", "35,50"}, {"two\r\nlines\nx", "1,00"}}),
              "[b]Динамо &#91;1&#93;[/b]\n"
              "[table]\n"
              "[tr][td]Имя[/td][td]Мас[/td][/tr]\n"
              "[tr][td]a&#91;/td&#93;b[/td][td]35,50[/td][/tr]\n"
              "[tr][td]two lines x[/td][td]1,00[/td][/tr]\n"
              "[/table]\n");
}
