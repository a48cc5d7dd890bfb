#include "text/NumberRule.h"

#include <gtest/gtest.h>

using plorik::readFloat;
using plorik::readLeadingNumber;
using plorik::readNumber;

TEST(NumberRule, ReadsDecimalAndEveryHexadecimalPrefix)
{
    EXPECT_EQ(readNumber("26"), 26);
    EXPECT_EQ(readNumber("$1A"), 26);
    EXPECT_EQ(readNumber("x1A"), 26);
    EXPECT_EQ(readNumber("X1a"), 26);
    EXPECT_EQ(readNumber("0x1A"), 26);
    EXPECT_EQ(readNumber("0X1a"), 26);
    EXPECT_EQ(readNumber("   +7"), 7);
    EXPECT_EQ(readNumber("0"), 0);
}

TEST(NumberRule, StopsAtTheFirstOtherCharacterAndThenIgnoresTheSign)
{
    EXPECT_EQ(readNumber("26 and a comment"), 26);
    EXPECT_EQ(readNumber("12abc"), 12);
    EXPECT_EQ(readNumber("-1"), -1);
    EXPECT_EQ(readNumber("-5"), -5);
    EXPECT_EQ(readNumber("-5 and any text"), 5);
    EXPECT_EQ(readNumber("-$10"), -16);
    EXPECT_EQ(readNumber("1.5"), 1);
}

TEST(NumberRule, TextWithoutDigitsIsZero)
{
    EXPECT_EQ(readNumber(""), 0);
    EXPECT_EQ(readNumber("n/a"), 0);
    EXPECT_EQ(readNumber("-"), 0);
    EXPECT_EQ(readNumber("$"), 0);
    EXPECT_EQ(readNumber("0x"), 0);
    EXPECT_EQ(readNumber("\t5"), 0); // only blanks are skipped
}

TEST(NumberRule, HugeNumbersWrapWithoutOverflowing)
{
    EXPECT_EQ(readNumber("4294967296"), 0);
    EXPECT_EQ(readNumber("4294967297"), 1);
}

TEST(NumberRule, LeadingNumberTakesTheFirstThreeCharacters)
{
    EXPECT_EQ(readLeadingNumber("7   Kestrel Fighter"), 7);
    EXPECT_EQ(readLeadingNumber("12 Heavy rocket"), 12);
    EXPECT_EQ(readLeadingNumber("1234"), 123);
    EXPECT_EQ(readLeadingNumber("280 Laser"), 280);
    EXPECT_EQ(readLeadingNumber(""), 0);
}

TEST(FloatRule, ReadsWholeDecimalTextsOnly)
{
    EXPECT_DOUBLE_EQ(readFloat("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(readFloat(" 3 "), 3.0);
    EXPECT_DOUBLE_EQ(readFloat("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(readFloat("+2.5"), 2.5);
    EXPECT_DOUBLE_EQ(readFloat("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(readFloat(""), 0.0);
    EXPECT_DOUBLE_EQ(readFloat("12abc"), 0.0);
    EXPECT_DOUBLE_EQ(readFloat("1,5"), 0.0);
    EXPECT_DOUBLE_EQ(readFloat("inf"), 0.0);
    EXPECT_DOUBLE_EQ(readFloat("nan"), 0.0);
    EXPECT_DOUBLE_EQ(readFloat("1e999"), 0.0);
}
