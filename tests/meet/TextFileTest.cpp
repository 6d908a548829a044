// Safe saves and backups. Blocked temporaries, directories in a file's place
// and full disks are tried on the meet's real files in tests/hardening.
#include "meet/TextFile.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace korvanda;

TEST(TextFileTest, SplitLinesTakesEveryLineEnd)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(splitLines("a\nb\r\n"), (Lines { "a", "b" }));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (Lines { "a", "", "b" }));
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(withoutFileBreakers("Kim \"The Rock\"\tB\r\n"), "Kim The RockB");
}

// In a folder whose name is more than plain ASCII, as a director's may be.
TEST(TextFileTest, BackupKeepsPreviousVersion)
{
    TempDir dir;
    const auto meet = dir.path() / std::filesystem::path(u8"Zoë's meet");
    std::filesystem::create_directory(meet);
    const auto file = meet / "Tigers.Csv";
    const auto backup = meet / "Tigers.Bak";
    ASSERT_TRUE(saveFileSafely(backup, "stale"));
    ASSERT_TRUE(saveFileWithBackup(file, backup, "first"));
    EXPECT_FALSE(std::filesystem::exists(backup)) << "no earlier version: the old backup goes";
    ASSERT_TRUE(saveFileWithBackup(file, backup, "second"));
    EXPECT_EQ(readWholeFile(file), "second");
    EXPECT_EQ(readWholeFile(backup), "first");
}

TEST(TextFileTest, ATemporaryLeftByACrashDoesNotBlockTheNextSave)
{
    TempDir dir;
    const auto file = dir.path() / "Restore.Csv";
    const auto temporary = dir.path() / "Restore.Csv.new";
    dir.write("Restore.Csv.new", "half a file from before the crash");
    ASSERT_TRUE(saveFileSafely(file, "new"));
    EXPECT_EQ(dir.read("Restore.Csv"), "new");
    EXPECT_FALSE(dir.exists("Restore.Csv.new"));
    EXPECT_FALSE(saveFileSafely(dir.path() / "missing-dir" / "x.Csv", "new"));

#ifndef _WIN32
    // A stale temporary that cannot be opened any more is cleared away.
    // (Windows lets only administrators make links.)
    std::filesystem::create_symlink(dir.path() / "gone" / "x", temporary);
    ASSERT_TRUE(saveFileSafely(file, "newer"));
    EXPECT_EQ(dir.read("Restore.Csv"), "newer");
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(temporary)));
    const bool root = ::geteuid() == 0;
#else
    const bool root = false;
#endif

    if (!root) { // root writes a read-only file anyway
        dir.write("Restore.Csv.new", "half a file");
        std::filesystem::permissions(temporary, std::filesystem::perms::owner_read);
        ASSERT_TRUE(saveFileSafely(file, "newest"));
        EXPECT_EQ(dir.read("Restore.Csv"), "newest");
    }
}
