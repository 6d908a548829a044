#include "meet/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace korvanda;

TEST(TextFileTest, SplitLinesTakesEveryLineEnd)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}

TEST(TextFileTest, SafeSaveReplacesWholeFile)
{
    TempDir dir;
    dir.write("Restore.Csv", "old");
    ASSERT_TRUE(saveFileSafely(dir.path() / "Restore.Csv", "new contents"));
    EXPECT_EQ(dir.read("Restore.Csv"), "new contents");
    EXPECT_FALSE(dir.exists("Restore.Csv.new"));
}

TEST(TextFileTest, FailedSaveKeepsOldFile)
{
    TempDir dir;
    dir.write("Restore.Csv", "old");
    // A directory where the temporary file would go makes the write fail.
    std::filesystem::create_directory(dir.path() / "Restore.Csv.new");
    EXPECT_FALSE(saveFileSafely(dir.path() / "Restore.Csv", "new"));
    EXPECT_EQ(dir.read("Restore.Csv"), "old");
    EXPECT_FALSE(saveFileSafely(dir.path() / "missing-dir" / "x.Csv", "new"));
}

TEST(TextFileTest, BackupKeepsPreviousVersion)
{
    TempDir dir;
    const auto file = dir.path() / "Tigers.Csv";
    const auto backup = dir.path() / "Tigers.Bak";
    dir.write("Tigers.Bak", "stale");
    ASSERT_TRUE(saveFileWithBackup(file, backup, "first"));
    EXPECT_FALSE(dir.exists("Tigers.Bak")) << "no earlier version: the old backup goes";
    ASSERT_TRUE(saveFileWithBackup(file, backup, "second"));
    EXPECT_EQ(dir.read("Tigers.Csv"), "second");
    EXPECT_EQ(dir.read("Tigers.Bak"), "first");
}

TEST(TextFileTest, WithoutFileBreakers)
{
    EXPECT_EQ(withoutFileBreakers("Kim \"The Rock\"\tB\r\n"), "Kim The RockB");
}
