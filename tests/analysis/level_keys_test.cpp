#include "analysis/level_keys.h"

#include <gtest/gtest.h>

TEST(LevelKeys, TypedCharactersMustBeLevelsWhileKeysThatTypeNothingPass)
{
    for (const char16_t *typed : {u"1", u"2", u"3", u"", u"\t", u"\b", u"\x7f", u"\r", u"\x1b"})
        EXPECT_TRUE(levelEditTakesKey(QString::fromUtf16(typed))) << int(typed[0]);
    for (const char16_t *typed :
         {u"0", u"4", u"9", u"a", u"Z", u" ", u"-", u",", u"\u0417", u"\u00B9", u"\u0661", u"\uFF11", u"12"})
        EXPECT_FALSE(levelEditTakesKey(QString::fromUtf16(typed))) << int(typed[0]);
}

TEST(LevelText, PastedTextMustBeEmptyOrOneLevelDigit)
{
    for (const QString &text : {QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")})
        EXPECT_TRUE(isLevelText(text)) << text.toStdString();
    for (const QString &text :
         {QStringLiteral("0"), QStringLiteral("4"), QStringLiteral("12"), QStringLiteral(" 1"),
          QStringLiteral("1 "), QStringLiteral("\b"), QStringLiteral("a"), QStringLiteral("-1")})
        EXPECT_FALSE(isLevelText(text)) << text.toStdString();
}
