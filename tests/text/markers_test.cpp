#include "text/markers.h"

#include <gtest/gtest.h>

TEST(markerPos, FindsFirstExactOccurrenceOneBased)
{
    EXPECT_EQ(markerPos("ab", "xxabyyab"), 3);
    EXPECT_EQ(markerPos("x", "x"), 1);
    EXPECT_EQ(markerPos("AB", "xxabyy"), 0); // case-sensitive
    EXPECT_EQ(markerPos("abc", "ab"), 0);
}

TEST(markerPos, EmptyMarkerOrTextGivesZero)
{
    EXPECT_EQ(markerPos("", "abc"), 0);
    EXPECT_EQ(markerPos("a", ""), 0);
    EXPECT_EQ(markerPos("", ""), 0);
}

TEST(markerPos, ComparesHighBytesExactly)
{
    const std::string text = "x\xC0\xE0y"; // windows-1251 "Аа"
    EXPECT_EQ(markerPos("\xE0", text), 3);
    EXPECT_EQ(markerPos("\xC0\xE0", text), 2);
}

TEST(subText, ClampsStartAndCount)
{
    struct Case {
        const char *text;
        int64_t start, count;
        const char *expected;
    };
    const Case cases[] = {
        {"abcdef", 2, 3, "bcd"},    {"abcdef", 0, 2, "ab"},    {"abcdef", -5, 2, "ab"},
        {"abcdef", 6, 1, "f"},      {"abcdef", 7, 1, ""},      {"abcdef", 3, -1, ""},
        {"abcdef", 3, 0, ""},       {"abcdef", 4, 100, "def"}, {"", 1, 1, ""},
        {"abcdef", 1, 6, "abcdef"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(subText(c.text, c.start, c.count), c.expected)
            << c.text << " " << c.start << " " << c.count;
}
