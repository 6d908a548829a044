#include "renumber/ProgramFiles.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

using namespace quillon;
using Lines = std::vector<std::string>;

TEST(ProgramFilesTest, SplitKeepsTextAfterLastLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b", ""}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\nb\n"), (Lines{"a", "b", ""}));
    EXPECT_EQ(splitLines("\f\r\nx"), (Lines{"\f", "x"}));
    EXPECT_EQ(splitLines("a\rb\r\n"), (Lines{"a\rb", ""})) << "a lone CR stays in its line";
    EXPECT_EQ(splitLines("one line"), (Lines{"one line"}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(ProgramFilesTest, LoadFileGivesEmptyTextForMissingFile)
{
    ScratchDir dir;
    dir.write("boutsheets.txt", std::string("a\0b\r\n\xe9", 6));
    EXPECT_EQ(loadFile(dir.path() / "boutsheets.txt"), std::string("a\0b\r\n\xe9", 6));
    EXPECT_EQ(loadFile(dir.path() / "missing.txt"), "");
    EXPECT_EQ(loadFile(dir.path()), "") << "a directory reads as nothing";
}

TEST(ProgramFilesTest, FindFilePrefersExactNameThenIgnoresCase)
{
    ScratchDir dir;
    EXPECT_EQ(findFile(dir.path(), "boutsheets.txt"), dir.path() / "boutsheets.txt") << "nothing there";

    dir.write("BoutSheets.Txt", "korvanda");
    EXPECT_EQ(findFile(dir.path(), "boutsheets.txt"), dir.path() / "BoutSheets.Txt");

    dir.write("boutsheets.TXT", "other");
    EXPECT_EQ(findFile(dir.path(), "boutsheets.txt"), dir.path() / "BoutSheets.Txt") << "first by name";

    dir.write("boutsheets.txt", "exact");
    EXPECT_EQ(findFile(dir.path(), "boutsheets.txt"), dir.path() / "boutsheets.txt");

    std::filesystem::create_directory(dir.path() / "_CURRENT_MEET_V2.TXT");
    EXPECT_EQ(findFile(dir.path(), "_current_meet_v2.txt"), dir.path() / "_current_meet_v2.txt")
        << "a directory is no file";
    EXPECT_EQ(findFile(dir.path() / "gone", "boutsheets.txt"), dir.path() / "gone" / "boutsheets.txt");
}

TEST(ProgramFilesTest, WriteReplacesWholeFileOrLeavesItAlone)
{
    ScratchDir dir;
    const auto file = dir.path() / "_boutsheets_renumbered_v2.txt";
    dir.write("_boutsheets_renumbered_v2.txt", "old sheets");
    ASSERT_TRUE(writeFileSafely(file, "new\r\n"));
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file left";

    // The temporary file cannot be made where a directory of its name stands.
    std::filesystem::create_directory(dir.path() / "_boutsheets_renumbered_v2.txt.new");
    EXPECT_FALSE(writeFileSafely(file, "newer"));
    EXPECT_EQ(dir.read("_boutsheets_renumbered_v2.txt"), "new\r\n");

    // A directory in the way of the output itself.
    std::filesystem::create_directory(dir.path() / "blocked");
    EXPECT_FALSE(writeFileSafely(dir.path() / "blocked", "x"));
    EXPECT_FALSE(dir.exists("blocked.new"));
    EXPECT_FALSE(writeFileSafely(dir.path() / "gone" / "x.txt", "x"));
}

TEST(ProgramFilesTest, ShownFileJoinsWithOneSeparator)
{
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    EXPECT_EQ(ProgramDirectory("/meet", "C:\\Meet").shownFile("boutsheets.txt"),
              std::string("C:\\Meet") + separator + "boutsheets.txt");
    EXPECT_EQ(ProgramDirectory("/", "C:\\").shownFile("boutsheets.txt"), "C:\\boutsheets.txt");
    EXPECT_EQ(ProgramDirectory("/").shownFile("x.txt"), separator + std::string("x.txt"));
    EXPECT_EQ(ProgramDirectory("/srv/meet").shown(), std::filesystem::path("/srv/meet").make_preferred().string());
}
