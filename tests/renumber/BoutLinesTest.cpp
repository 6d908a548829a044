#include "renumber/BoutLines.h"

#include <gtest/gtest.h>

using namespace quillon;

TEST(BoutLinesTest, BoutNumbersWithinTheMap)
{
    const std::pair<const char*, std::optional<int>> cases[] = {
        { " 7 ", 7 },
        { "007", 7 },
        { "999", 999 },
        { "+5", 5 },
        { "2.5", 2 },
        { "3.5", 4 },
        { "1e2", 100 },
        { "1000", {} },
        { "-1", {} },
        { "999.5", {} },
        { "", {} },
        { "12a", {} },
        { "1 2", {} },
        { "\t12", {} },
        { "1e400", {} },
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(readBoutNumber(text), number) << '"' << text << '"';
}

TEST(BoutLinesTest, MappingLines)
{
    // The new number in the first three characters, the old in the last three.
    const auto mapping = readMappingLine("7    2   Noah Kline        EE   Luis Ferreira      RWC    12");
    ASSERT_TRUE(mapping);
    EXPECT_EQ(std::tie(mapping->newNumber, mapping->oldNumber, mapping->newText, mapping->oldText),
        std::make_tuple(7, 12, std::string("7"), std::string("12")));
    EXPECT_EQ(readMappingLine("5").value().oldNumber, 5) << "a short line is both at once";
    for (const char* line :
        { "", " 7   Smith   12", "Bout Mat Wrestler KV", "7    Smith   x12", "7    Smith   -12", "1e4  Smith    12" })
        EXPECT_FALSE(readMappingLine(line)) << '"' << line << '"';
}

TEST(BoutLinesTest, BoutLineShowsNewNumberAndKeepsOldOne)
{
    BoutMap map;
    for (const auto& [old, renumbered] : { std::pair { 12, 7 }, { 103, 250 }, { 5, 9 } })
        map.set(old, renumbered);
    const std::string margin(50, ' ');
    const std::pair<std::string, std::string> cases[] = {
        { margin + "Bout 12", margin + "Bout 7  (KV#12)" },
        { "Bout 4", "Bout 0  (KV#4)" }, // no mapping for bout 4
        { "  Bout 012", "  Bout 7  (KV#12)" }, // the old number written as plain digits
        { "Bout 12 and Bout 103", "Bout 250  (KV#103)" }, // from the first "Bout " on; the last number counts
        { "  Bout Street Grapplers 5", "  Bout 9  (KV#5)" }, // a team name of that shape counts too
        // Not bout lines, or an old number that cannot be read: unchanged.
        { margin + "Mat 12", "" },
        { "", "" },
        { "|Wrestler 1 (Green)        |            |", "" },
        { "Bout 12 ", "" },
        { "Bouts 12", "" },
        { "Bout x12", "" },
        { "Bout 1000", "" },
    };
    for (const auto& [line, out] : cases)
        EXPECT_EQ(renumberedLine(line, map), out.empty() ? line : out) << '"' << line << '"';
}
