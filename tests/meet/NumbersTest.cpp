#include "meet/Numbers.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(NumbersTest, NumericTest)
{
    for (const char* text : {"9", " 9 ", "-3.5", "+2", ".5", "5.", "1e3", "0", "  72.25"})
        EXPECT_TRUE(isNumber(text)) << text;
    for (const char* text : {"", " ", "abc", "1.2.3", "3,7", "1e", "--1", "- 1", "9kg", ".", "1e50", "\t9"})
        EXPECT_FALSE(isNumber(text)) << text;
    EXPECT_EQ(readSingle(" 9 "), 9.0f);
    EXPECT_EQ(readSingle("0.1"), 0.1f);
}

TEST(NumbersTest, WholeNumbersRoundHalvesToEven)
{
    EXPECT_EQ(weightText("84.5"), "84");
    EXPECT_EQ(weightText("85.5"), "86");
    EXPECT_EQ(weightText("72.5"), "72");
    EXPECT_EQ(weightText("73.5"), "74");
    EXPECT_EQ(weightText("61.6"), "62");
    EXPECT_EQ(weightText("-2.5"), "-2");
    EXPECT_EQ(weightText("0.4"), "0");
    EXPECT_EQ(weightText("heavy"), std::nullopt);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(wholeText(-65), "-65");
}

TEST(NumbersTest, TenthsRoundHalvesAwayFromZero)
{
    EXPECT_EQ(ageOrSkillText("10"), "10.0");
    EXPECT_EQ(ageOrSkillText("9"), "9.0");
    EXPECT_EQ(ageOrSkillText("10.25"), "10.3");
    EXPECT_EQ(ageOrSkillText("9.26"), "9.3");
    EXPECT_EQ(ageOrSkillText("1.15"), "1.2");
    EXPECT_EQ(ageOrSkillText(".5"), "0.5");
    EXPECT_EQ(ageOrSkillText("9.95"), "10.0");
    EXPECT_EQ(ageOrSkillText("99.99"), "100.0");
    EXPECT_EQ(ageOrSkillText("-0.04"), "0.0");
    EXPECT_EQ(ageOrSkillText("-1.25"), "-1.3");
    EXPECT_EQ(ageOrSkillText("x"), std::nullopt);
    EXPECT_EQ(tenthsText(66.666f), "66.7");
    EXPECT_EQ(tenthsText(100.0f), "100.0");
}

TEST(NumbersTest, TrimRemovesOnlySpaces)
{
    EXPECT_EQ(trimmed("  Tigers "), "Tigers");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(trimmed("\tA"), "\tA");
}
