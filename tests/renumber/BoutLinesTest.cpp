#include "renumber/BoutLines.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace quillon;

TEST(BoutLinesTest, ReadsBoutNumbersWithinTheMap)
{
    const struct {
        const char* text;
        std::optional<int> number;
    } cases[] = {
        {"12", 12},   {" 7 ", 7},   {"007", 7},   {"0", 0},     {"999", 999}, {"+5", 5},
        {"2.5", 2},   {"3.5", 4},   {"1e2", 100}, {"1000", {}}, {"-1", {}},   {"999.5", {}},
        {"", {}},     {"   ", {}},  {"12a", {}},  {"1 2", {}},  {"x", {}},    {".", {}},
        {"\t12", {}}, {"1e", {}},   {"1e400", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readBoutNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(BoutLinesTest, MappingLineTakesNewNumberFirstAndOldNumberLast)
{
    const auto mapping = readMappingLine("7    2   Noah Kline        EE   Luis Ferreira      RWC    12");
    ASSERT_TRUE(mapping);
    EXPECT_EQ(mapping->newNumber, 7);
    EXPECT_EQ(mapping->oldNumber, 12);
    EXPECT_EQ(mapping->newText, "7");
    EXPECT_EQ(mapping->oldText, "12");

    // Three digits fill both ends; a short line is read from both ends.
    const auto wide = readMappingLine("101 x 230");
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->newNumber, 101);
    EXPECT_EQ(wide->oldNumber, 230);
    const auto shortLine = readMappingLine("5");
    ASSERT_TRUE(shortLine);
    EXPECT_EQ(shortLine->newNumber, 5);
    EXPECT_EQ(shortLine->oldNumber, 5);
}

TEST(BoutLinesTest, LinesWithoutReadableMappingArePassedOver)
{
    for (const char* line : {"", " 7   Smith   12", "Bout Mat Wrestler KV", "7    Smith   x12", "7    Smith   -12",
                             "7x   Smith    12", "12   Smith     \t"})
        EXPECT_FALSE(readMappingLine(line)) << '"' << line << '"';
}

TEST(BoutLinesTest, BoutLineShowsNewNumberAndKeepsOldOne)
{
    BoutMap map;
    map.set(12, 7);
    map.set(103, 250);
    const std::string margin(50, ' ');
    const struct {
        std::string line;
        std::string out;
    } cases[] = {
        {margin + "Bout 12", margin + "Bout 7  (KV#12)"},
        {std::string(49, ' ') + "Bout 103", std::string(49, ' ') + "Bout 250  (KV#103)"},
        {"Bout 5", "Bout 0  (KV#5)"},                  // no mapping for bout 5
        {"  Bout 012", "  Bout 7  (KV#12)"},           // old number written as plain digits
        {"Bout Bout 12", "Bout 7  (KV#12)"},           // text from the first "Bout " on is replaced
        {"Bout 12 and Bout 103", "Bout 250  (KV#103)"}, // the last number counts
        {"   Mat 12", "   Mat 12"},
        {margin + "Mat 1", margin + "Mat 1"},
        {"\f", "\f"},
        {"", ""},
        {"|Wrestler 1 (Green)        |            |", "|Wrestler 1 (Green)        |            |"},
        {"Bout 12 ", "Bout 12 "},        // ends in a space, not a digit
        {"Bouts 12", "Bouts 12"},        // no "Bout " in it
        {"Bout x12", "Bout x12"},        // no number after the last space
        {"Bout 1000", "Bout 1000"},      // outside the bout map
        {"Bout 12.0.1", "Bout 12.0.1"},  // not a number
    };
    for (const auto& c : cases)
        EXPECT_EQ(renumberedLine(c.line, map), c.out) << '"' << c.line << '"';
}

TEST(BoutLinesTest, TeamNameLookingLikeBoutLineIsRenumbered)
{
    // Only the shape of the line tells a bout line; such a team name counts.
    BoutMap map;
    map.set(5, 9);
    EXPECT_EQ(renumberedLine("      Bout Street Grapplers 5", map), "      Bout 9  (KV#5)");
}

TEST(BoutLinesTest, BoutMapStartsEmptyAndRefusesBoutsOutsideIt)
{
    BoutMap map;
    EXPECT_EQ(map.newNumber(0), 0);
    EXPECT_EQ(map.newNumber(999), 0);
    map.set(999, 998);
    EXPECT_EQ(map.newNumber(999), 998);
    EXPECT_THROW(map.newNumber(1000), std::out_of_range);
    EXPECT_THROW(map.newNumber(-1), std::out_of_range);
    EXPECT_THROW(map.set(1, 1000), std::out_of_range);
    EXPECT_THROW(map.set(1000, 1), std::out_of_range);
}
