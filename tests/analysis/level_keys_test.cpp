#include "analysis/level_keys.h"

#include <gtest/gtest.h>

TEST(LevelKeys, PassOnlyBackspaceAndOneToThree)
{
    for (char16_t key : {u'\b', u'1', u'2', u'3'})
        EXPECT_TRUE(isLevelKey(key)) << int(key);
    for (char16_t key : {u'\0', u'0', u'4', u'5', u'9', u'a', u'Z', u' ', u'-', u'+', u',', u'.', u'\r',
                         u'\x7f', u'\u0417', u'\u00B9', u'\u0661', u'\uFF11'})
        EXPECT_FALSE(isLevelKey(key)) << int(key);
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
