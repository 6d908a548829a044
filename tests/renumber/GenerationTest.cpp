#include "renumber/Generation.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

// One generation as the window runs it, from these two files.
SheetsWriting generate(
    const TempDir& dir, const std::string& mappings, const std::string& sheets, BoutMap& map, bool sampleOn = false)
{
    dir.write("_current_meet_v2.txt", mappings);
    dir.write("boutsheets.txt", sheets);
    const ProgramDirectory directory(dir.path());
    EXPECT_TRUE(readMappingFile(directory, sampleOn, map).found);
    return writeRenumberedSheets(directory, sampleOn, map);
}

const std::string output = "_boutsheets_renumbered_v2.txt";

} // namespace

TEST(GenerationTest, KorvandaBoutSheetsAreRenumberedAlikeWithAndWithoutSample)
{
    auto fixture = [](const std::string& name) { return loadFile(std::filesystem::path(QUILLON_FIXTURES) / name); };
    for (const bool sampleOn : { false, true }) {
        TempDir dir;
        BoutMap map;
        const auto writing = generate(dir, fixture("_current_meet_v2.txt"), fixture("BoutSheets.Txt"), map, sampleOn);
        EXPECT_EQ(writing.sample.has_value(), sampleOn);
        EXPECT_EQ(dir.read(output), fixture(output)) << "sample " << sampleOn;
    }
}

TEST(GenerationTest, MappingsOfEveryLineButTheFirstLastUntilOverwritten)
{
    TempDir dir;
    BoutMap map;
    const std::string sheets = "Riverside\r\n Bout 5\r\n Bout 12\r\nBout 4\r\nBout 6\r\n";
    generate(dir,
        "12  heading that looks like a mapping  5\r\n7   Kline vs Ferreira  12\r\n9   Kline vs Ferreira  12\r\n"
        "3   Ortiz vs Brandt     4\r\n6   old number not read ab\r\n1e4 new number too big   6\r\n",
        sheets, map);
    // The empty text after the last line end is copied as a line too.
    EXPECT_EQ(dir.read(output), " Bout 0  (KV#5)\r\n Bout 9  (KV#12)\r\nBout 3  (KV#4)\r\nBout 0  (KV#6)\r\n\r\n");
    generate(dir, "KV\r\n5   x    4\r\n8   x    6\r\n", sheets, map);
    EXPECT_EQ(dir.read(output), " Bout 0  (KV#5)\r\n Bout 9  (KV#12)\r\nBout 5  (KV#4)\r\nBout 8  (KV#6)\r\n\r\n");
}

TEST(GenerationTest, SampleShowsAtMost499Lines)
{
    std::string sheets = "line 0\r\n";
    for (int i = 1; i <= 600; ++i)
        sheets += (i == 499 ? "  Bout 12" : i == 500 ? "Bout 3" : "line " + std::to_string(i)) + "\r\n";
    TempDir dir;
    BoutMap map;
    const auto sample = generate(dir, "KV\r\n7   2   12\r\n15  1    3\r\n", sheets, map, true).sample.value();
    EXPECT_TRUE(sample.inputLines.starts_with("\r\nline 1\r\n"));
    EXPECT_TRUE(sample.inputLines.ends_with("\r\nline 498\r\n  Bout 12"));
    EXPECT_TRUE(sample.outputLines.ends_with("\r\nline 498\r\n  Bout 7  (KV#12)"));
    EXPECT_EQ(std::count(sample.outputLines.begin(), sample.outputLines.end(), '\n'), 499);
    EXPECT_NE(dir.read(output).find("\r\nBout 15  (KV#3)\r\nline 501\r\n"), std::string::npos) << "all are written";
}

TEST(GenerationTest, MissingInputEndsWithItsMessageAndNoOutput)
{
    TempDir dir;
    const ProgramDirectory directory(dir.path(), "C:\\Meets");
    BoutMap map;
    dir.write("_current_meet_v2.txt", "7   x   12"); // no line end: one line
    dir.write("boutsheets.txt", "Team\r\nBout 12\r\n");
    EXPECT_EQ(readMappingFile(directory, false, map).failure,
        "This program and _current_meet_v2.txt must both be in same directory (C:\\Meets), but "
        "_current_meet_v2.txt cannot be found.  Reminder: did you run the batch file "
        "_2make_lists_current_meet_v2.bat which then runs MatList_v2.py and generates _current_meet_v2.txt?");
    dir.write("_current_meet_v2.txt", "KV\r\n7   x   12\r\n");
    std::filesystem::remove(dir.path() / "boutsheets.txt");
    ASSERT_TRUE(readMappingFile(directory, false, map).found);
    const auto writing = writeRenumberedSheets(directory, false, map);
    EXPECT_EQ(writing.outcome, SheetsOutcome::SheetsMissing);
    EXPECT_EQ(writing.failure,
        "This program and boutsheets.txt must both be in same directory (C:\\Meets), but "
        "boutsheets.txt cannot be found.  Reminder: did you 'Schedule by Weight' and then "
        "'Write Files' on Korvanda's Bouts page?");
    EXPECT_FALSE(dir.exists(output));
}

TEST(GenerationTest, FindFilePrefersExactNameThenIgnoresCase)
{
    TempDir dir;
    const auto& d = dir.path();
    dir.write("boutsheets.TXT", "other");
    dir.write("BoutSheets.Txt", "korvanda");
    // Where letter case does not matter to the system (Windows) the second
    // write went into the first file; elsewhere it is the first by name.
    EXPECT_EQ(loadFile(findFile(d, "boutsheets.txt")), "korvanda");
    dir.write("boutsheets.txt", "exact");
    EXPECT_EQ(findFile(d, "boutsheets.txt"), d / "boutsheets.txt");
    EXPECT_EQ(ProgramDirectory(d, "C:\\").shownFile("a.txt"), "C:\\a.txt") << "a root has its separator";
}
