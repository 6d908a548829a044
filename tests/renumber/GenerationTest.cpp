#include "renumber/Generation.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

using namespace quillon;

namespace {

const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));

std::string crlf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

std::string fixture(const std::string& name)
{
    return loadFile(std::filesystem::path(QUILLON_FIXTURES) / name);
}

std::string output(const ScratchDir& dir)
{
    return loadFile(dir.path() / "_boutsheets_renumbered_v2.txt");
}

// One generation as the window runs it.
SheetsWriting generate(const ScratchDir& dir, bool sampleOn, BoutMap& map)
{
    const ProgramDirectory directory(dir.path());
    EXPECT_TRUE(readMappingFile(directory, sampleOn, map).found);
    return writeRenumberedSheets(directory, sampleOn, map);
}

} // namespace

TEST(GenerationTest, KorvandaBoutSheetsAreRenumberedAlikeWithAndWithoutSample)
{
    for (const bool sampleOn : {false, true}) {
        ScratchDir dir;
        dir.write("BoutSheets.Txt", fixture("BoutSheets.Txt"));
        dir.write("_current_meet_v2.txt", fixture("_current_meet_v2.txt"));
        BoutMap map;
        const auto writing = generate(dir, sampleOn, map);
        ASSERT_EQ(writing.outcome, SheetsOutcome::Written) << writing.failure;
        EXPECT_EQ(output(dir), fixture("_boutsheets_renumbered_v2.txt")) << "sample " << sampleOn;
        EXPECT_EQ(writing.sample.has_value(), sampleOn);
        EXPECT_EQ(writing.doneLabel, "All done.  New renumbered bout sheets are here: " + dir.path().string() + sep +
                                         "_boutsheets_renumbered_v2.txt");
    }
}

TEST(GenerationTest, FirstMappingLineIsSkippedAndLaterMappingsWin)
{
    ScratchDir dir;
    dir.write("_current_meet_v2.txt", crlf({"12  heading that looks like a mapping  5", "7   Kline vs Ferreira  12",
                                            "9   Kline vs Ferreira  12", "3   Ortiz vs Brandt     4",
                                            "6   old number not read ab", "1e4 new number too big   6"}));
    dir.write("boutsheets.txt", crlf({"Riverside", "    Bout 5", "    Bout 12", "Bout 4", "Bout 6"}));
    BoutMap map;
    map.set(6, 44);
    ASSERT_EQ(generate(dir, false, map).outcome, SheetsOutcome::Written);
    EXPECT_EQ(output(dir), crlf({"    Bout 0  (KV#5)", "    Bout 9  (KV#12)", "Bout 3  (KV#4)", "Bout 44  (KV#6)", ""}));
}

TEST(GenerationTest, OutputEndsInEmptyLineOnlyAfterFinalLineEnd)
{
    const struct {
        std::string sheets;
        std::string output;
    } cases[] = {
        {"Team\r\nMat 1\r\n", "Mat 1\r\n\r\n"},
        {"Team\r\nMat 1", "Mat 1\r\n"},
        {"Team\nMat 1\n\n", "Mat 1\r\n\r\n\r\n"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        dir.write("_current_meet_v2.txt", "KV\r\n");
        dir.write("boutsheets.txt", c.sheets);
        BoutMap map;
        ASSERT_EQ(generate(dir, false, map).outcome, SheetsOutcome::Written);
        EXPECT_EQ(output(dir), c.output);
    }
}

TEST(GenerationTest, SampleShowsMappingsAndAtMost499Lines)
{
    ScratchDir dir;
    dir.write("_current_meet_v2.txt", crlf({"Bout Mat KV", "7   2   12", "x   comment", "15  1    3"}));
    std::string sheets = "line 0\r\n";
    for (int i = 1; i <= 600; ++i)
        sheets += (i == 499 ? "  Bout 12" : i == 500 ? "Bout 3" : "line " + std::to_string(i)) + "\r\n";
    dir.write("boutsheets.txt", sheets);

    const ProgramDirectory directory(dir.path());
    BoutMap map;
    const auto mapping = readMappingFile(directory, true, map);
    ASSERT_TRUE(mapping.sample);
    EXPECT_EQ(mapping.sample->openedLabel, "Opened File " + dir.path().string() + sep + "_current_meet_v2.txt");
    EXPECT_EQ(mapping.sample->mappings, "KV Bout# / Python Bout#)\r\n12        /       7\r\n3        /       15");

    const auto writing = writeRenumberedSheets(directory, true, map);
    ASSERT_TRUE(writing.sample);
    EXPECT_EQ(writing.sample->inputLines.substr(0, 8), "\r\nline 1");
    EXPECT_TRUE(writing.sample->inputLines.ends_with("\r\nline 498\r\n  Bout 12"));
    EXPECT_TRUE(writing.sample->outputLines.ends_with("\r\nline 498\r\n  Bout 7  (KV#12)"));
    EXPECT_EQ(std::count(writing.sample->outputLines.begin(), writing.sample->outputLines.end(), '\n'), 499);
    EXPECT_NE(output(dir).find("\r\nBout 15  (KV#3)\r\nline 501\r\n"), std::string::npos) << "renumbered all the same";
}

TEST(GenerationTest, MissingInputEndsWithItsMessageAndNoOutput)
{
    const std::string mappingMissing =
        "This program and _current_meet_v2.txt must both be in same directory (C:\\Meets), but _current_meet_v2.txt "
        "cannot be found.  Reminder: did you run the batch file _2make_lists_current_meet_v2.bat which then runs "
        "MatList_v2.py and generates _current_meet_v2.txt?";
    const std::string sheetsMissing =
        "This program and boutsheets.txt must both be in same directory (C:\\Meets), but boutsheets.txt cannot be "
        "found.  Reminder: did you 'Schedule by Weight' and then 'Write Files' on Korvanda's Bouts page?";
    const std::string mapping = crlf({"KV", "7   x   12"});
    const std::string sheets = crlf({"Team", "Bout 12"});
    const struct {
        const char* mapping;
        const char* sheets;
        const std::string& failure;
    } cases[] = {
        {nullptr, sheets.c_str(), mappingMissing},
        {"7   x   12", sheets.c_str(), mappingMissing}, // no line end
        {mapping.c_str(), nullptr, sheetsMissing},
        {mapping.c_str(), "", sheetsMissing},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        if (c.mapping)
            dir.write("_current_meet_v2.txt", c.mapping);
        if (c.sheets)
            dir.write("boutsheets.txt", c.sheets);
        const ProgramDirectory directory(dir.path(), "C:\\Meets");
        BoutMap map;
        const auto reading = readMappingFile(directory, false, map);
        std::string failure = reading.failure;
        if (reading.found) {
            const auto writing = writeRenumberedSheets(directory, false, map);
            EXPECT_EQ(writing.outcome, SheetsOutcome::SheetsMissing);
            failure = writing.failure;
        }
        EXPECT_EQ(failure, c.failure);
        EXPECT_FALSE(dir.exists("_boutsheets_renumbered_v2.txt"));
    }
}

TEST(GenerationTest, BoutMapIsKeptBetweenGenerations)
{
    ScratchDir dir;
    dir.write("boutsheets.txt", crlf({"Team", "Bout 12", "Bout 4"}));
    BoutMap map;
    dir.write("_current_meet_v2.txt", crlf({"KV", "7   x   12", "3   x    4"}));
    ASSERT_EQ(generate(dir, false, map).outcome, SheetsOutcome::Written);
    dir.write("_current_meet_v2.txt", crlf({"KV", "5   x    4"}));
    ASSERT_EQ(generate(dir, false, map).outcome, SheetsOutcome::Written);
    EXPECT_EQ(output(dir), crlf({"Bout 7  (KV#12)", "Bout 5  (KV#4)", ""}));
}

TEST(GenerationTest, UnwritableOutputIsReported)
{
    ScratchDir dir;
    dir.write("_current_meet_v2.txt", crlf({"KV", "7   x   12"}));
    dir.write("boutsheets.txt", crlf({"Team", "Bout 12"}));
    std::filesystem::create_directory(dir.path() / "_boutsheets_renumbered_v2.txt");
    BoutMap map;
    const auto writing = generate(dir, true, map);
    EXPECT_EQ(writing.outcome, SheetsOutcome::WriteFailed);
    EXPECT_EQ(writing.failure, "Couldn't write _boutsheets_renumbered_v2.txt; file may be in use.");
    EXPECT_FALSE(writing.sample);
    EXPECT_TRUE(writing.doneLabel.empty());
}
