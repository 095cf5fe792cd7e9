#include "text/app_error.h"
#include "text/numbers.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

TEST(ReadInteger, AcceptsSignedDecimalIntegers)
{
    EXPECT_EQ(readInteger("17"), 17);
    EXPECT_EQ(readInteger("012"), 12);
    EXPECT_EQ(readInteger("-5"), -5);
    EXPECT_EQ(readInteger("+5"), 5);
    EXPECT_EQ(readInteger(" 16 "), 16);
    EXPECT_EQ(readInteger("2147483647"), 2147483647);
    EXPECT_EQ(readInteger("-2147483648"), -2147483647 - 1);
}

TEST(ReadInteger, RejectsEverythingElseWithItsMessage)
{
    for (const char *bad : {"", " ", "abc", "1a", "1.5", "1,5", "+", "-", "2147483648",
                            "99999999999999999999", "1 2", "0x10", "\xEF"}) {
        try {
            readInteger(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConvertError &e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

TEST(ReadDecimal, AcceptsCommaSeparatedNumbersAndExponents)
{
    EXPECT_EQ(readDecimal("5,25"), 5.25L);
    EXPECT_EQ(readDecimal("-5,25"), -5.25L);
    EXPECT_EQ(readDecimal("17"), 17.0L);
    EXPECT_EQ(readDecimal(",5"), 0.5L);
    EXPECT_EQ(readDecimal("5,"), 5.0L);
    EXPECT_EQ(readDecimal(" 1,5E2 "), 150.0L);
    EXPECT_EQ(readDecimal("1e-1"), 0.1L);
    EXPECT_EQ(readDecimal("0,067"), 0.067L); // correctly rounded to extended precision
}

TEST(ReadDecimal, RejectsStrayCharactersWithItsMessage)
{
    for (const char *bad :
         {"", ",", "5.25", "1,2,3", "abc", "1e", "1e+", "--1", "1 2", "nan", "inf", "1e99999"}) {
        try {
            readDecimal(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConvertError &e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid floating point value");
        }
    }
}

TEST(FormatFixed, RoundsHalfUpOnEighteenDigits)
{
    struct Case {
        long double value;
        int decimals;
        const char *expected;
    };
    const Case cases[] = {
        {35.5L, 2, "35,50"},  {4.25L, 3, "4,250"},     {5.125L, 2, "5,13"},
        {5.125, 2, "5,13"},   {40, 2, "40,00"},        {3.1, 3, "3,100"},
        {0, 2, "0,00"},       {-5.125L, 2, "-5,13"},   {-0.001L, 2, "0,00"},
        {0.005, 2, "0,01"},   {9.995L, 2, "10,00"},    {9.995, 2, "9,99"},
        {1.335, 3, "1,335"},  {0.0049, 2, "0,00"},     {123456.789, 2, "123456,79"},
        {-12.5, 2, "-12,50"}, {99.9999, 3, "100,000"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatFixed(c.value, c.decimals), c.expected) << static_cast<double>(c.value);
}

TEST(FormatGeneral, DropsTrailingZerosAndWholeNumberSeparator)
{
    EXPECT_EQ(formatGeneral(9), "9");
    EXPECT_EQ(formatGeneral(5.2), "5,2");
    EXPECT_EQ(formatGeneral(0.067), "0,067");
    EXPECT_EQ(formatGeneral(9.01), "9,01");
    EXPECT_EQ(formatGeneral(5.067L), "5,067");
    EXPECT_EQ(formatGeneral(0), "0");
    EXPECT_EQ(formatGeneral(-0.5), "-0,5");
    EXPECT_EQ(formatGeneral(1234567), "1234567");
    EXPECT_EQ(formatGeneral(0.1L + 0.2L), "0,3");
}

TEST(FormatNumbers, InfinityAndNanHaveTextsOfTheirOwn)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    for (const auto &[value, expected] :
         {std::pair{inf, "INF"}, std::pair{-inf, "-INF"}, std::pair{nan, "NAN"}}) {
        EXPECT_EQ(formatFixed(value, 2), expected);
        EXPECT_EQ(formatGeneral(value), expected);
    }
}
