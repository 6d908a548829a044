#include "meet/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

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

TEST(TextFileTest, ATemporaryLeftByACrashDoesNotBlockTheNextSave)
{
    TempDir dir;
    const auto file = dir.path() / "Restore.Csv";
    dir.write("Restore.Csv", "old");
    dir.write("Restore.Csv.new", "half a file from before the crash");
    ASSERT_TRUE(saveFileSafely(file, "new"));
    EXPECT_EQ(dir.read("Restore.Csv"), "new");

    // A stale temporary that cannot be opened any more is cleared away.
    std::filesystem::create_symlink(dir.path() / "gone" / "x", dir.path() / "Restore.Csv.new");
    ASSERT_TRUE(saveFileSafely(file, "newer"));
    EXPECT_EQ(dir.read("Restore.Csv"), "newer");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.path() / "Restore.Csv.new")));
}

TEST(TextFileTest, AFullDiskChangesNothing)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    TempDir dir;
    const auto file = dir.path() / "Tigers.Csv";
    const auto backup = dir.path() / "Tigers.Bak";
    dir.write("Tigers.Csv", "current");
    dir.write("Tigers.Bak", "earlier");
    // The temporary copy leads to a device that is always full, so every
    // write of the real code path fails as on a full USB stick.
    const auto redirect = [&] { std::filesystem::create_symlink("/dev/full", dir.path() / "Tigers.Csv.new"); };
    for (const std::string& bytes : {std::string("short"), std::string(1 << 20, 'x')}) {
        redirect();
        EXPECT_FALSE(saveFileSafely(file, bytes)) << bytes.size();
        redirect();
        EXPECT_FALSE(saveFileWithBackup(file, backup, bytes)) << bytes.size();
        EXPECT_EQ(dir.read("Tigers.Csv"), "current");
        EXPECT_EQ(dir.read("Tigers.Bak"), "earlier");
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.path() / "Tigers.Csv.new")));
    }
}

TEST(TextFileTest, ADirectoryInThePlaceOfAFile)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "Teams.Csv");
    EXPECT_FALSE(readWholeFile(dir.path() / "Teams.Csv"));
    EXPECT_FALSE(saveFileSafely(dir.path() / "Teams.Csv", "x"));
    EXPECT_FALSE(saveFileWithBackup(dir.path() / "Teams.Csv", dir.path() / "Teams.Bak", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Teams.Csv"));
    EXPECT_FALSE(dir.exists("Teams.Csv.new"));
    EXPECT_FALSE(dir.exists("Teams.Bak"));

    // A directory where the backup goes does not stop the file itself.
    std::filesystem::create_directory(dir.path() / "Lions.Bak");
    dir.write("Lions.Csv", "old");
    EXPECT_TRUE(saveFileWithBackup(dir.path() / "Lions.Csv", dir.path() / "Lions.Bak", "new"));
    EXPECT_EQ(dir.read("Lions.Csv"), "new");
}

TEST(TextFileTest, AReadOnlyTemporaryLeftByACrash)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, who can write a read-only file anyway";
    TempDir dir;
    dir.write("Restore.Csv.new", "half a file");
    std::filesystem::permissions(dir.path() / "Restore.Csv.new", std::filesystem::perms::owner_read);
    ASSERT_TRUE(saveFileSafely(dir.path() / "Restore.Csv", "new"));
    EXPECT_EQ(dir.read("Restore.Csv"), "new");
}
