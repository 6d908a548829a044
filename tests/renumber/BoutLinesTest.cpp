#include "renumber/BoutLines.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(BoutLinesTest, ReadsBoutNumbersWithinTheMap)
{
    const struct {
        const char* text;
        std::optional<int> number;
    } cases[] = {
        {" 7 ", 7},    {"007", 7},   {"999", 999}, {"+5", 5},    {"2.5", 2},     {"3.5", 4},   {"1e2", 100},
        {"1000", {}},  {"-1", {}},   {"999.5", {}}, {"", {}},    {"12a", {}},    {"1 2", {}},  {".", {}},
        {"\t12", {}},  {"1e", {}},   {"1e400", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readBoutNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(BoutLinesTest, MappingLineTakesNewNumberFirstAndOldNumberLast)
{
    const auto mapping = readMappingLine("7    2   Noah Kline        EE   Luis Ferreira      RWC    12");
    ASSERT_TRUE(mapping);
    EXPECT_EQ(std::tie(mapping->newNumber, mapping->oldNumber, mapping->newText, mapping->oldText),
              std::make_tuple(7, 12, std::string("7"), std::string("12")));
    const auto shortLine = readMappingLine("5");
    ASSERT_TRUE(shortLine);
    EXPECT_EQ(std::tie(shortLine->newNumber, shortLine->oldNumber), std::make_tuple(5, 5));

    for (const char* line : {"", " 7   Smith   12", "Bout Mat Wrestler KV", "7    Smith   x12", "7    Smith   -12",
                             "7x   Smith    12", "1e4  Smith    12"})
        EXPECT_FALSE(readMappingLine(line)) << '"' << line << '"';
}

TEST(BoutLinesTest, BoutLineShowsNewNumberAndKeepsOldOne)
{
    BoutMap map;
    map.set(12, 7);
    map.set(103, 250);
    map.set(5, 9);
    const std::string margin(50, ' ');
    const struct {
        std::string line;
        std::string out;
    } cases[] = {
        {margin + "Bout 12", margin + "Bout 7  (KV#12)"},
        {" Bout 103", " Bout 250  (KV#103)"},
        {"Bout 4", "Bout 0  (KV#4)"},                   // no mapping for bout 4
        {"  Bout 012", "  Bout 7  (KV#12)"},            // old number written as plain digits
        {"Bout 12 and Bout 103", "Bout 250  (KV#103)"}, // from the first "Bout " on; the last number counts
        {"  Bout Street Grapplers 5", "  Bout 9  (KV#5)"}, // a team name of that shape counts too
        {margin + "Mat 12", margin + "Mat 12"},
        {"\f", "\f"},
        {"", ""},
        {"|Wrestler 1 (Green)        |            |", "|Wrestler 1 (Green)        |            |"},
        {"Bout 12 ", "Bout 12 "},
        {"Bouts 12", "Bouts 12"},
        {"Bout x12", "Bout x12"},
        {"Bout 1000", "Bout 1000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(renumberedLine(c.line, map), c.out) << '"' << c.line << '"';
}
