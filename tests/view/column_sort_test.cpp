#include "text/code_page.h"
#include "view/column_sort.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

// Test texts are written in UTF-8 and held as windows-1251, as the lists hold them.
std::string w(const char *utf8) { return toCp1251(QString::fromUtf8(utf8)); }

int sign(int value) { return (value > 0) - (value < 0); }

std::vector<std::string> column(const std::vector<SortRow> &rows, size_t index)
{
    std::vector<std::string> cells;
    for (const SortRow &row : rows)
        cells.push_back(row[index]);
    return cells;
}

std::vector<std::string> ws(std::initializer_list<const char *> utf8)
{
    std::vector<std::string> out;
    for (const char *text : utf8)
        out.push_back(w(text));
    return out;
}

// Talent list rows: name, country, position, age, mastery, talent.
std::vector<SortRow> talentRows()
{
    return {
        ws({"иван", "Россия", "ПЗ", "16", "40,00", "5,000"}),
        ws({"Zed", "Англия", "П", "9", "abc", "-1,500"}),
        ws({"Яков", "Украина", "Н", "12", "38,50", ""}),
        ws({"adam", "США", "З", "17", "0", "2,000"}),
        ws({"Ёлка", "Россия", "ЗЦ", "10", "-3,00", "0"}),
        ws({"Анна", "Россия", "Н", "11", "38,50", "x"}),
    };
}

TEST(CompareText, FoldsOnlyLatinLettersAndComparesUnsignedBytes)
{
    struct Case {
        std::string a;
        std::string b;
        int expected;
    };
    for (const Case &c : {
             Case{"abc", "ABC", 0},
             Case{"B", "a", 1},           // 'B' - 'A'
             Case{"[", "a", 0x5B - 0x41}, // a folds to A, so "[" comes after it
             Case{"ab", "abcd", -2},      // a prefix first, by the length difference
             Case{"\xFF", "\x01", 254},   // bytes count as 0..255
             Case{"9", "A", '9' - 'A'},
         })
        EXPECT_EQ(compareText(c.a, c.b), c.expected) << c.a << " / " << c.b;
}

TEST(CompareText, OrdersWindows1251Letters)
{
    struct Case {
        const char *a;
        const char *b;
        int expectedSign;
    };
    for (const Case &c : {
             Case{"Zed", "Анна", -1},  // Latin before Cyrillic
             Case{"zed", "Анна", -1},  //
             Case{"Ёлка", "Анна", -1}, // Ё (0xA8) before А (0xC0)
             Case{"ёлка", "Анна", -1}, // ё (0xB8) too
             Case{"Яков", "иван", -1}, // every upper-case Cyrillic before every lower-case one
             Case{"Zed", "иван", -1},  //
             Case{"ж", "Ж", 1},        // Cyrillic keeps its case
             Case{"П", "ПЗ", -1},      // a prefix first
             Case{"Имя", "Имя", 0},
         }) {
        EXPECT_EQ(sign(compareText(w(c.a), w(c.b))), c.expectedSign) << c.a << " / " << c.b;
        EXPECT_EQ(sign(compareText(w(c.b), w(c.a))), -c.expectedSign) << c.b << " / " << c.a;
    }
}

TEST(ReadSortNumber, ReadsListNumbersAndTakesEverythingElseAsZero)
{
    struct Case {
        const char *text;
        long double expected;
    };
    for (const Case &c : {
             Case{"16", 16},     Case{" 9 ", 9},      Case{"-1,5", -1.5L}, Case{"+2", 2},
             Case{",5", 0.5L},   Case{"5,", 5},       Case{"1,5E2", 150},  Case{"2e-1", 0.2L},
             Case{"1e+2", 100},  Case{"", 0},         Case{" ", 0},        Case{"abc", 0},
             Case{",", 0},       Case{"1,2,3", 0},    Case{"1.5", 0},      Case{"1e", 0},
             Case{"1e+", 0},     Case{"--1", 0},      Case{"1 2", 0},      Case{"\t1", 0},
             Case{"1e99999", 0}, Case{"-1e99999", 0}, Case{"0x10", 0},     Case{"nan", 0},
         })
        EXPECT_EQ(readSortNumber(c.text), c.expected) << "'" << c.text << "'";
}

TEST(CompareNumbers, TreatsValuesWithinTheToleranceAsEqual)
{
    struct Case {
        const char *t1;
        const char *t2;
        int expected;
    };
    for (const Case &c : {
             Case{"9", "16", -1},
             Case{"16", "9", 1},
             Case{"0", "abc", 0},
             Case{"-1", "abc", -1},
             Case{"abc", "0,001", -1},
             Case{"1e-17", "0", 0}, // within the absolute floor of 1e-16
             Case{"1e-15", "0", 1},
             Case{"1e20", "1,00000000000000001e20", 0}, // relative 1e-17
             Case{"1e20", "1,000000000000001e20", -1},
             Case{"38,50", "38,5", 0},
         })
        EXPECT_EQ(compareNumbers(c.t1, c.t2), c.expected) << c.t1 << " / " << c.t2;
}

TEST(TextColumnCaption, OnlyTheThreeTextColumnsExactly)
{
    for (const char *caption : {"Имя", "Страна", "Поз"})
        EXPECT_TRUE(isTextColumnCaption(w(caption))) << caption;
    for (const char *caption : {"Возр", "Маст", "Талант", "От", "Тч", "имя", "Имя ", "Позиция", ""})
        EXPECT_FALSE(isTextColumnCaption(w(caption))) << caption;
}

TEST(SortState, EveryHeaderClickFlipsTheSharedDirection)
{
    SortState state;
    const SortRequest mastery = state.headerClick(4, w("Маст"));
    EXPECT_TRUE(mastery.ascending); // the first click of a run sorts ascending
    EXPECT_FALSE(mastery.textSort);
    EXPECT_EQ(mastery.argument, 4);

    const SortRequest talent = state.headerClick(5, w("Талант"));
    EXPECT_FALSE(talent.ascending); // whichever column was clicked before
    EXPECT_EQ(talent.argument, -5);
    EXPECT_EQ(state.sortColumn, 5);

    const SortRequest name = state.headerClick(0, w("Имя")); // a text column flips it too
    EXPECT_TRUE(name.textSort);
    EXPECT_TRUE(name.ascending);
    EXPECT_EQ(state.sortColumn, 0);

    // The abilities list shares the flag: its "Поз" is column 1 there.
    const SortRequest position = state.headerClick(1, w("Поз"));
    EXPECT_TRUE(position.textSort);
    EXPECT_FALSE(position.ascending);
    EXPECT_FALSE(state.sortAscending);
    EXPECT_EQ(state.sortColumn, 1);
}

TEST(SortState, CompareRowsUsesTheStoredColumnAndDirection)
{
    const SortRow latin = ws({"adam", "США"});
    const SortRow latinUpper = ws({"ADAM", "Англия"});
    const SortRow cyrillic = ws({"Анна", "Россия"});
    SortState state{true, 0};
    EXPECT_EQ(state.compareRows(latin, latinUpper), 0);
    EXPECT_LT(state.compareRows(latin, cyrillic), 0);
    state.sortAscending = false;
    EXPECT_GT(state.compareRows(latin, cyrillic), 0);
    state.sortColumn = 1;
    EXPECT_LT(state.compareRows(latin, cyrillic), 0); // "США" after "Россия", reversed
}

TEST(NumericColumnCompare, ArgumentPicksTheSubValueAndTheDirection)
{
    const SortRow young = ws({"Zed", "Англия", "П", "9"});
    const SortRow old = ws({"Анна", "Россия", "Н", "16"});
    EXPECT_EQ(numericColumnCompare(young, old, 3), -1);
    EXPECT_EQ(numericColumnCompare(young, old, -3), 1);
    EXPECT_EQ(numericColumnCompare(young, young, 3), 0);
    EXPECT_EQ(numericColumnCompare(young, old, 1), 0); // "Англия" and "Россия" both read as 0
}

TEST(SortRows, NumericColumnsSortByValueNeverByText)
{
    SortState state;
    std::vector<SortRow> rows = talentRows();
    sortRows(rows, state.headerClick(3, w("Возр")));
    EXPECT_EQ(column(rows, 3), ws({"9", "10", "11", "12", "16", "17"}));
    sortRows(rows, state.headerClick(3, w("Возр")));
    EXPECT_EQ(column(rows, 3), ws({"17", "16", "12", "11", "10", "9"}));
}

TEST(SortRows, NonNumbersSortAsZeroAmongZerosAfterNegatives)
{
    SortState state;
    std::vector<SortRow> rows = talentRows();
    sortRows(rows, state.headerClick(5, w("Талант")));
    const std::vector<std::string> talents = column(rows, 5);
    EXPECT_EQ(talents.front(), w("-1,500"));
    EXPECT_EQ(talents.back(), w("5,000"));
    EXPECT_EQ(talents[4], w("2,000"));
    EXPECT_EQ(std::set<std::string>(talents.begin() + 1, talents.begin() + 4),
              std::set<std::string>({"", "0", "x"}));
}

TEST(SortRows, NamesSortLatinFirstThenUpperThenLowerCyrillic)
{
    SortState state;
    std::vector<SortRow> rows = talentRows();
    sortRows(rows, state.headerClick(0, w("Имя")));
    EXPECT_EQ(column(rows, 0), ws({"adam", "Zed", "Ёлка", "Анна", "Яков", "иван"}));
    sortRows(rows, state.headerClick(0, w("Имя")));
    EXPECT_EQ(column(rows, 0), ws({"иван", "Яков", "Анна", "Ёлка", "Zed", "adam"}));
}

TEST(SortRows, PositionPrefixComesFirst)
{
    SortState state;
    std::vector<SortRow> rows = talentRows();
    sortRows(rows, state.headerClick(2, w("Поз")));
    EXPECT_EQ(column(rows, 2), ws({"З", "ЗЦ", "Н", "Н", "П", "ПЗ"}));
}

TEST(SortedOrder, IsAPermutationThatKeepsEqualRowsInPlace)
{
    const std::vector<SortRow> rows = talentRows();
    SortState state;
    const std::vector<size_t> order = sortedOrder(rows, state.headerClick(4, w("Маст")));
    // Mastery: -3,00 (4), abc (1), 0 (3), 38,50 (2), 38,50 (5), 40,00 (0).
    EXPECT_EQ(order, (std::vector<size_t>{4, 1, 3, 2, 5, 0}));
}

} // namespace
