#include "renumber/ProgramFiles.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

using namespace quillon;
using Lines = std::vector<std::string>;

TEST(ProgramFilesTest, SplitKeepsTextAfterLastLineEnd)
{
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\nb\r\n"), (Lines{"a", "b", ""}));
    EXPECT_EQ(splitLines("a\rb"), (Lines{"a\rb"})) << "a lone CR stays in its line";
    EXPECT_TRUE(splitLines("").empty());
}

TEST(ProgramFilesTest, FindFilePrefersExactNameThenIgnoresCase)
{
    ScratchDir dir;
    EXPECT_EQ(findFile(dir.path(), "boutsheets.txt"), dir.path() / "boutsheets.txt") << "nothing there";
    dir.write("boutsheets.TXT", "other");
    dir.write("BoutSheets.Txt", "korvanda");
    EXPECT_EQ(findFile(dir.path(), "boutsheets.txt"), dir.path() / "BoutSheets.Txt") << "first by name";
    dir.write("boutsheets.txt", "exact");
    EXPECT_EQ(findFile(dir.path(), "boutsheets.txt"), dir.path() / "boutsheets.txt");
    std::filesystem::create_directory(dir.path() / "_CURRENT_MEET_V2.TXT");
    EXPECT_EQ(findFile(dir.path(), "_current_meet_v2.txt"), dir.path() / "_current_meet_v2.txt") << "no directory";
}

TEST(ProgramFilesTest, ReadAndWriteFailSafely)
{
    ScratchDir dir;
    EXPECT_EQ(loadFile(dir.path() / "missing.txt"), "");
    EXPECT_EQ(loadFile(dir.path()), "") << "a directory reads as nothing";

    const auto file = dir.path() / "out.txt";
    ASSERT_TRUE(writeFileSafely(file, std::string("x\0\xe9\r\n", 5)));
    EXPECT_EQ(loadFile(file), std::string("x\0\xe9\r\n", 5));
    // A directory where the temporary file goes makes the write fail.
    std::filesystem::create_directory(dir.path() / "out.txt.new");
    EXPECT_FALSE(writeFileSafely(file, "newer"));
    EXPECT_EQ(loadFile(file), std::string("x\0\xe9\r\n", 5));
    EXPECT_FALSE(writeFileSafely(dir.path() / "out.txt.new", "x")) << "a directory in the output's place";
}

TEST(ProgramFilesTest, ATemporaryLeftByACrashDoesNotBlockTheNextWrite)
{
    ScratchDir dir;
    const auto file = dir.path() / "out.txt";
    std::filesystem::create_symlink(dir.path() / "gone" / "x", dir.path() / "out.txt.new");
    ASSERT_TRUE(writeFileSafely(file, "sheets"));
    EXPECT_EQ(loadFile(file), "sheets");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.path() / "out.txt.new")));
}

TEST(ProgramFilesTest, ShownFileJoinsWithOneSeparator)
{
    const std::string separator(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EXPECT_EQ(ProgramDirectory("/m", "C:\\Meet").shownFile("a.txt"), "C:\\Meet" + separator + "a.txt");
    EXPECT_EQ(ProgramDirectory("/", "C:\\").shownFile("a.txt"), "C:\\a.txt");
}
