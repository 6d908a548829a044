#include "renumber/Generation.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <algorithm>

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

std::size_t countOf(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

std::string fixture(const std::string& name)
{
    return loadFile(std::filesystem::path(QUILLON_FIXTURES) / name);
}

// One generation as the window runs it.
SheetsWriting generate(const ScratchDir& dir, bool sampleOn, BoutMap& map)
{
    const ProgramDirectory directory(dir.path());
    const auto mapping = readMappingFile(directory, sampleOn, map);
    EXPECT_TRUE(mapping.found) << mapping.failure;
    return writeRenumberedSheets(directory, sampleOn, map);
}

} // namespace

TEST(GenerationTest, KorvandaBoutSheetsAreRenumbered)
{
    for (const bool sampleOn : {false, true}) {
        ScratchDir dir;
        dir.write("BoutSheets.Txt", fixture("BoutSheets.Txt"));
        dir.write("_current_meet_v2.txt", fixture("_current_meet_v2.txt"));
        BoutMap map;
        const auto writing = generate(dir, sampleOn, map);
        ASSERT_EQ(writing.outcome, SheetsOutcome::Written) << writing.failure;
        EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), fixture("_boutsheets_renumbered_v2.txt"))
            << "sample " << sampleOn;
        EXPECT_EQ(writing.sample.has_value(), sampleOn);
        EXPECT_EQ(writing.doneLabel, "All done.  New renumbered bout sheets are here: " + dir.path().string() + sep +
                                         "_boutsheets_renumbered_v2.txt");
        EXPECT_EQ(writing.nextLabel, "Next, you may open the file in Wordpad or similar, then do Page setup: "
                                     "Orientation = Landscape, Margins = 0.5 and review before printing.");
    }
}

TEST(GenerationTest, MappingFileRules)
{
    ScratchDir dir;
    dir.write("_current_meet_v2.txt", crlf({
                                          "12  heading that looks like a mapping  5",
                                          "7   Kline vs Ferreira  12",
                                          "9   Kline vs Ferreira  12", // later line wins
                                          "3   Ortiz vs Brandt     4",
                                          " 8  indented, no mapping 6",
                                          "1e4 new number too big   6",
                                          "6   old number not read ab",
                                          "6   old number negative-13",
                                      }));
    dir.write("boutsheets.txt", crlf({"Riverside", "    Bout 5", "    Bout 12", "Bout 4", "Bout 6", "Bout 13"}));
    BoutMap map;
    map.set(6, 44);
    ASSERT_EQ(generate(dir, false, map).outcome, SheetsOutcome::Written);
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"),
              crlf({"    Bout 0  (KV#5)", "    Bout 9  (KV#12)", "Bout 3  (KV#4)", "Bout 44  (KV#6)", "Bout 0  (KV#13)", ""}));
}

TEST(GenerationTest, LinesOtherThanBoutLinesAreCopiedUnchanged)
{
    ScratchDir dir;
    dir.write("_current_meet_v2.txt", crlf({"Bout Mat KV", "2  1"}));
    const std::vector<std::string> lines = {
        "                                         Riverside Wrestling Club",
        "                                         Caf\xe9 Mont-Royal \xc9lite",
        "",
        "\f",
        "                                                  Mat 1",
        "|Sam Ortiz                 |            |",
        "Mat line with trailing spaces   ",
        "Bout x7",
        "Bout 1000",
        "a lone \r inside",
    };
    std::string sheets = "First team\r\n";
    for (const auto& line : lines)
        sheets += line + "\r\n";
    dir.write("boutsheets.txt", sheets);
    BoutMap map;
    ASSERT_EQ(generate(dir, false, map).outcome, SheetsOutcome::Written);
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), sheets.substr(sheets.find('\n') + 1) + "\r\n");
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
        {"Team\r\n", "\r\n"},
    };
    for (const auto& c : cases) {
        ScratchDir dir;
        dir.write("_current_meet_v2.txt", "KV\r\n");
        dir.write("boutsheets.txt", c.sheets);
        BoutMap map;
        ASSERT_EQ(generate(dir, false, map).outcome, SheetsOutcome::Written);
        EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), c.output);
    }
}

TEST(GenerationTest, SampleShowsMappingsAndAtMost499Lines)
{
    ScratchDir dir;
    dir.write("_current_meet_v2.txt", crlf({"Bout Mat KV", "7   2   12", "x   comment", "15  1    3"}));
    std::string sheets = "line 0\r\n";
    for (int i = 1; i <= 600; ++i)
        sheets += (i == 499 ? std::string("  Bout 12") : i == 500 ? std::string("Bout 3") : "line " + std::to_string(i)) + "\r\n";
    dir.write("boutsheets.txt", sheets);

    const ProgramDirectory directory(dir.path());
    BoutMap map;
    const auto mapping = readMappingFile(directory, true, map);
    ASSERT_TRUE(mapping.sample);
    EXPECT_EQ(mapping.sample->openedLabel, "Opened File " + dir.path().string() + sep + "_current_meet_v2.txt");
    EXPECT_EQ(mapping.sample->mappings, "KV Bout# / Python Bout#)\r\n12        /       7\r\n3        /       15");
    EXPECT_EQ(mapping.sample->heading, "current_meet_v2 bouts");

    const auto writing = writeRenumberedSheets(directory, true, map);
    ASSERT_EQ(writing.outcome, SheetsOutcome::Written);
    ASSERT_TRUE(writing.sample);
    const auto& sample = *writing.sample;
    EXPECT_EQ(sample.openedLabel, "Opened File " + dir.path().string() + sep + "boutsheets.txt successfully.");
    EXPECT_EQ(sample.inputHeading, "boutsheets.txt");
    EXPECT_EQ(sample.outputHeading, "_boutsheets_renumbered_v2.txt");
    EXPECT_EQ(countOf(sample.inputLines, "\r\n"), 499u);
    EXPECT_EQ(countOf(sample.outputLines, "\r\n"), 499u);
    EXPECT_EQ(sample.inputLines.substr(0, 8), "\r\nline 1");
    EXPECT_TRUE(sample.inputLines.ends_with("\r\nline 498\r\n  Bout 12"));
    EXPECT_TRUE(sample.outputLines.ends_with("\r\nline 498\r\n  Bout 7  (KV#12)"));
    EXPECT_NE(dir.read("_boutsheets_renumbered_v2.txt").find("\r\nBout 15  (KV#3)\r\nline 501\r\n"), std::string::npos)
        << "lines past the sample are renumbered all the same";
}

TEST(GenerationTest, MappingFileWithoutLinesEndsTheProgram)
{
    for (const char* contents : {static_cast<const char*>(nullptr), "", "7   x   12"}) {
        ScratchDir dir;
        if (contents)
            dir.write("_current_meet_v2.txt", contents);
        dir.write("boutsheets.txt", crlf({"Team", "Bout 12"}));
        const ProgramDirectory directory(dir.path(), "C:\\Meets\\Spring");
        BoutMap map;
        const auto reading = readMappingFile(directory, false, map);
        EXPECT_FALSE(reading.found);
        EXPECT_EQ(reading.failure,
                  "This program and _current_meet_v2.txt must both be in same directory (C:\\Meets\\Spring), but "
                  "_current_meet_v2.txt cannot be found.  Reminder: did you run the batch file "
                  "_2make_lists_current_meet_v2.bat which then runs MatList_v2.py and generates _current_meet_v2.txt?");
        EXPECT_EQ(map.newNumber(12), 0);
        EXPECT_FALSE(dir.exists("_boutsheets_renumbered_v2.txt"));
    }
}

TEST(GenerationTest, BoutSheetsWithoutLinesEndTheProgram)
{
    for (const char* contents : {static_cast<const char*>(nullptr), "", "Riverside Wrestling Club"}) {
        ScratchDir dir;
        dir.write("_current_meet_v2.txt", crlf({"KV", "7   x   12"}));
        if (contents)
            dir.write("boutsheets.txt", contents);
        const ProgramDirectory directory(dir.path(), "C:\\Meets\\Spring");
        BoutMap map;
        ASSERT_TRUE(readMappingFile(directory, true, map).found);
        const auto writing = writeRenumberedSheets(directory, true, map);
        EXPECT_EQ(writing.outcome, SheetsOutcome::SheetsMissing);
        EXPECT_EQ(writing.failure,
                  "This program and boutsheets.txt must both be in same directory (C:\\Meets\\Spring), but "
                  "boutsheets.txt cannot be found.  Reminder: did you 'Schedule by Weight' and then 'Write Files' on "
                  "Korvanda's Bouts page?");
        EXPECT_FALSE(writing.sample);
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
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), crlf({"Bout 7  (KV#12)", "Bout 5  (KV#4)", ""}));
}

TEST(GenerationTest, UnwritableOutputIsReportedAndOldOutputKept)
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
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "_boutsheets_renumbered_v2.txt"));
    EXPECT_FALSE(dir.exists("_boutsheets_renumbered_v2.txt.new"));
}

TEST(GenerationTest, ViewedFilesAndTheirMessages)
{
    ScratchDir dir;
    const ProgramDirectory directory(dir.path(), "C:\\Meet");
    EXPECT_FALSE(viewedFile(directory, ViewedFile::RenumberedSheets));
    EXPECT_FALSE(viewedFile(directory, ViewedFile::Mappings));
    dir.write("_boutsheets_renumbered_v2.txt", "x");
    dir.write("_Current_Meet_V2.TXT", "x");
    EXPECT_EQ(viewedFile(directory, ViewedFile::RenumberedSheets), dir.path() / "_boutsheets_renumbered_v2.txt");
    EXPECT_EQ(viewedFile(directory, ViewedFile::Mappings), dir.path() / "_Current_Meet_V2.TXT");

    EXPECT_EQ(viewerFailureMessage(directory, ViewedFile::RenumberedSheets),
              "Can't find either c:\\windows\\write.exe or the file to be opened C:\\Meet" + sep +
                  "_boutsheets_renumbered_v2.txt).  Open the file manually");
    EXPECT_EQ(viewerFailureMessage(directory, ViewedFile::Mappings),
              "Can't find either c:\\windows\\write.exe or the file to be opened C:\\Meet" + sep +
                  "_current_meet_v2.txt.  Open the file manually");
}
